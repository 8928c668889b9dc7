// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HelpDocument.h"

#include <QCollator>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

namespace {

// Lower case without accents, so that "apercu" finds "Aperçu".
QString searchForm(const QString &text)
{
    QString folded;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c.toLower());
    }
    return folded;
}

} // namespace

std::optional<HelpDocument> HelpDocument::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    HelpDocument document = parse(QString::fromUtf8(file.readAll()));
    if (document.m_topics.isEmpty())
        return std::nullopt;
    return document;
}

HelpDocument HelpDocument::parse(const QString &html)
{
    static const QRegularExpression section(
        QStringLiteral(
            "<section\\s+id=\"([^\"]*)\"\\s+data-keywords=\"([^\"]*)\"\\s*>(.*?)</section>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression heading(QStringLiteral("<h1[^>]*>(.*?)</h1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression style(QStringLiteral("<style[^>]*>(.*?)</style>"),
                                          QRegularExpression::DotMatchesEverythingOption);

    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);

    // A comment may show the form of a section without being one.
    const QString markup = QString(html).remove(comment);
    HelpDocument document;
    document.m_styleSheet = style.match(markup).captured(1);
    for (const QRegularExpressionMatch &match : section.globalMatch(markup)) {
        HelpTopic topic;
        topic.id = match.captured(1);
        topic.html = match.captured(3);
        topic.title = QTextDocumentFragment::fromHtml(heading.match(topic.html).captured(1))
                          .toPlainText()
                          .simplified();
        for (const QString &keyword : match.captured(2).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            topic.keywords.append(keyword.trimmed());
        document.m_topics.append(topic);
    }
    return document;
}

int HelpDocument::topicIndex(const QString &id) const
{
    const auto found = std::find_if(m_topics.begin(), m_topics.end(),
                                    [&](const HelpTopic &t) { return t.id == id; });
    return found == m_topics.end() ? -1 : int(found - m_topics.begin());
}

QStringList HelpDocument::keywords() const
{
    QStringList all;
    for (const HelpTopic &topic : m_topics)
        all.append(topic.keywords);
    all.removeDuplicates();
    QCollator french{QLocale(QLocale::French)};
    french.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(all.begin(), all.end(), french);
    return all;
}

QStringList HelpDocument::keywordsStartingWith(const QString &prefix) const
{
    const QString wanted = searchForm(prefix);
    QStringList found = keywords();
    found.removeIf([&](const QString &keyword) { return !searchForm(keyword).startsWith(wanted); });
    return found;
}

QList<int> HelpDocument::topicsWithKeyword(const QString &keyword) const
{
    QList<int> found;
    for (int i = 0; i < m_topics.size(); ++i) {
        if (m_topics[i].keywords.contains(keyword))
            found.append(i);
    }
    return found;
}
