// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelList.h"

#include "label/Cp1252.h"
#include "label/LabelFile.h"
#include "label/ZoneLines.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

const QString CrLf = QStringLiteral("\r\n");

bool isSeparator(QChar c)
{
    return c == u'\t' || c == u';';
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Reads a text field by field, line by line, counting lines as a text editor numbers them.
class ListReader
{
public:
    explicit ListReader(const QString &text) : m_text(text) {}

    bool atEnd() const { return m_at >= m_text.size(); }
    int line() const { return m_line; }

    // The fields of the record that starts here, and whether one of them was quoted; nothing
    // when a quote is left open.
    std::optional<QStringList> record(bool &quoted)
    {
        QStringList fields;
        QString field;
        bool atFieldStart = true;
        quoted = false;
        while (!atEnd()) {
            const QChar c = m_text[m_at];
            if (atFieldStart && c == u'"') {
                quoted = true;
                if (!readQuoted(field))
                    return std::nullopt;
                atFieldStart = false;
            } else if (isSeparator(c)) {
                fields.append(field);
                field.clear();
                atFieldStart = true;
                ++m_at;
            } else if (isLineEnd(c)) {
                skipLineEnd();
                break;
            } else {
                field += c;
                atFieldStart = false;
                ++m_at;
            }
        }
        fields.append(field);
        return fields;
    }

private:
    // After the opening quote up to the closing one; "" stands for a quote.
    bool readQuoted(QString &field)
    {
        ++m_at;
        while (!atEnd()) {
            const QChar c = m_text[m_at];
            if (c == u'"') {
                ++m_at;
                if (atEnd() || m_text[m_at] != u'"')
                    return true;
                field += c;
                ++m_at;
            } else if (isLineEnd(c)) {
                skipLineEnd();
                field += CrLf;
            } else {
                field += c;
                ++m_at;
            }
        }
        return false;
    }

    // CR LF, LF or CR alone.
    void skipLineEnd()
    {
        if (m_text[m_at] == u'\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == u'\n')
            ++m_at;
        ++m_at;
        ++m_line;
    }

    const QString &m_text;
    qsizetype m_at = 0;
    int m_line = 1;
};

bool isBlank(const QStringList &fields, bool quoted)
{
    return !quoted && fields.size() == 1 && fields.first().trimmed().isEmpty();
}

std::optional<QString> zoneText(const QString &field)
{
    if (field.isEmpty())
        return std::nullopt;
    QString text = field;
    return text.replace(QLatin1String("\\n"), CrLf);
}

QString unclosedQuoteReason()
{
    return QCoreApplication::translate("LabelList", "Un guillemet n'est pas fermé.");
}

QString tooManyFieldsReason()
{
    return QCoreApplication::translate("LabelList", "La ligne donne plus de trois textes.");
}

} // namespace

LabelDocument LabelList::labelAt(int index, const LabelDocument &document) const
{
    LabelDocument label = document;
    const ListedLabel &listed = labels.at(index);
    for (ZoneId zone : AllZones) {
        if (listed.texts[zone])
            label.zones[zone].text = *listed.texts[zone];
    }
    return label;
}

QString ListRefusal::message() const
{
    return QCoreApplication::translate("LabelList", "Ligne %1 : %2").arg(lineNumber).arg(reason);
}

namespace LabelListText {

QString decode(const QByteArray &bytes)
{
    // Stateless: a sequence cut short at the end is an error, not a wait for more bytes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? Cp1252::decode(bytes) : text;
}

std::variant<LabelList, ListRefusal> parse(const QString &text)
{
    LabelList list;
    ListReader reader(text);
    while (!reader.atEnd()) {
        const int line = reader.line();
        bool quoted = false;
        const std::optional<QStringList> fields = reader.record(quoted);
        if (!fields)
            return ListRefusal{line, unclosedQuoteReason()};
        if (isBlank(*fields, quoted))
            continue;
        // Spreadsheets end rows with the empty cells of wider ones: only texts count.
        for (qsizetype k = AllZones.size(); k < fields->size(); ++k) {
            if (!fields->at(k).isEmpty())
                return ListRefusal{line, tooManyFieldsReason()};
        }
        ListedLabel label;
        label.lineNumber = line;
        for (ZoneId zone : AllZones)
            label.texts[zone] = zoneText(fields->value(qsizetype(zone)));
        list.labels.append(label);
    }
    return list;
}

std::optional<ListRefusal> refusal(const LabelList &list)
{
    // The printed label's own texts, fonts and picture were checked when it was made; a blank
    // label leaves only the list's texts to check.
    const LabelDocument blank = LabelDocument::blank();
    for (int i = 0; i < list.count(); ++i) {
        const LabelDocument label = list.labelAt(i, blank);
        QString reason = LabelFile::refusalReason(label);
        if (reason.isEmpty() && !ZoneLines::split(label.zones))
            reason = ZoneLines::tooManyLinesMessage();
        if (!reason.isEmpty())
            return ListRefusal{list.labels.at(i).lineNumber, reason};
    }
    return std::nullopt;
}

std::variant<LabelList, ListRefusal> read(const QString &text)
{
    std::variant<LabelList, ListRefusal> parsed = parse(text);
    if (const LabelList *list = std::get_if<LabelList>(&parsed)) {
        if (std::optional<ListRefusal> refused = refusal(*list))
            return *refused;
    }
    return parsed;
}

} // namespace LabelListText
