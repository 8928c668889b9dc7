// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text of the program has a finished translation in every language, and no
// translation lost what the program fills in or lays out: its %1 arguments, its line
// breaks, its accelerator. The files checked are those lupdate has just refreshed from the
// sources (check-translations.sh), so a text added or changed anywhere is caught here.
#include "platform/HelpDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString translationType;
};

// The text of the element the reader is on; lupdate writes control characters (the
// message boxes' carriage returns) as <byte value="xd"/>.
QString readText(QXmlStreamReader &reader)
{
    QString text;
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (reader.name() == u"byte")
                text += QChar(
                    char16_t(reader.attributes().value(u"value"_s).mid(1).toUInt(nullptr, 16)));
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            text += reader.text();
            break;
        default:
            break;
        }
    }
    return text;
}

QList<Message> readMessages(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"name") {
            context = reader.readElementText();
        } else if (reader.name() == u"message") {
            messages.append({context, {}, {}, {}});
        } else if (reader.name() == u"source" && !messages.isEmpty()) {
            messages.last().source = readText(reader);
        } else if (reader.name() == u"translation" && !messages.isEmpty()) {
            messages.last().translationType = reader.attributes().value(u"type"_s).toString();
            messages.last().translation = readText(reader);
        }
    }
    if (reader.hasError())
        *error = reader.errorString();
    return messages;
}

QList<int> arguments(const QString &text)
{
    static const QRegularExpression argument(u"%L?(\\d{1,2})"_s);
    QList<int> numbers;
    for (const QRegularExpressionMatch &match : argument.globalMatch(text))
        numbers.append(match.captured(1).toInt());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// "&Quitter" has one, "Noir && blanc" none. A translation may add one where its language
// expects it ("?" is "&Help").
bool hasAccelerator(const QString &text)
{
    static const QRegularExpression accelerator(u"(^|[^&])&[^&\\s]"_s);
    return accelerator.match(text).hasMatch();
}

QStringList problemsOf(const Message &message)
{
    QStringList problems;
    if (!message.translationType.isEmpty())
        problems << message.translationType;
    if (message.translation.isEmpty())
        problems << u"no translation"_s;
    if (arguments(message.translation) != arguments(message.source))
        problems << u"not the same arguments"_s;
    for (const QChar lineBreak : {QChar(u'\n'), QChar(u'\r')}) {
        if (message.translation.count(lineBreak) != message.source.count(lineBreak))
            problems << u"not the same line breaks"_s;
    }
    if (hasAccelerator(message.source) && !hasAccelerator(message.translation))
        problems << u"accelerator lost"_s;
    return problems;
}

QStringList topicIds(const HelpDocument &help)
{
    QStringList ids;
    for (const HelpTopic &topic : help.topics())
        ids << topic.id;
    return ids;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList paths =
            qEnvironmentVariable("KORVALIN_TS_FILES").split(u':', Qt::SkipEmptyParts);
        if (paths.isEmpty())
            QFAIL("KORVALIN_TS_FILES names no translation");
        for (const QString &path : paths)
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void everyTextIsTranslated()
    {
        QFETCH(QString, path);
        QString error;
        const QList<Message> messages = readMessages(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());
        QStringList report;
        for (const Message &message : messages) {
            const QStringList problems = problemsOf(message);
            if (!problems.isEmpty())
                report << u"%1: \"%2\": %3"_s.arg(message.context, message.source,
                                                  problems.join(u", "_s));
        }
        QVERIFY2(report.isEmpty(),
                 qPrintable(u"\n"_s + report.join(u'\n') +
                            u"\nRefresh with the korvalin_lupdate target and translate."_s));
    }

    // The help window opens a topic by its identifier: each translated help has the
    // French topics, in the same order, each with its keywords.
    void everyHelpHasTheFrenchTopics_data()
    {
        QTest::addColumn<QString>("path");
        const QDir help(QStringLiteral(KORVALIN_HELP_FOLDER));
        const QStringList languages = help.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(!languages.isEmpty());
        for (const QString &language : languages)
            QTest::newRow(qPrintable(language)) << help.filePath(language + u"/KORVALIN.HLP"_s);
    }

    void everyHelpHasTheFrenchTopics()
    {
        QFETCH(QString, path);
        const std::optional<HelpDocument> french =
            HelpDocument::load(QStringLiteral(KORVALIN_HELP_FOLDER "/KORVALIN.HLP"));
        const std::optional<HelpDocument> translated = HelpDocument::load(path);
        QVERIFY(french && translated);
        QCOMPARE(topicIds(*translated), topicIds(*french));
        for (const HelpTopic &topic : translated->topics()) {
            QVERIFY2(!topic.title.isEmpty(), qPrintable(topic.id));
            QVERIFY2(!topic.keywords.isEmpty(), qPrintable(topic.id));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
