// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/SequentialReader.h"

#include "label/NumberText.h"

#include <cmath>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isItemEnd(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

QString withoutBlankEnds(QString text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

} // namespace

SequentialReader::SequentialReader(QString text) : m_text(std::move(text)) {}

std::optional<QString> SequentialReader::line()
{
    if (m_pos >= m_text.size())
        return std::nullopt;
    const int end = m_text.indexOf(QLatin1Char('\n'), m_pos);
    QString result = m_text.mid(m_pos, (end < 0 ? m_text.size() : end) - m_pos);
    m_pos = end < 0 ? int(m_text.size()) : end + 1;
    if (result.endsWith(QLatin1Char('\r')))
        result.chop(1);
    return result;
}

std::optional<QString> SequentialReader::wholeLine()
{
    const std::optional<QString> text = line();
    return text ? std::optional<QString>(withoutBlankEnds(*text)) : std::nullopt;
}

std::optional<QString> SequentialReader::item()
{
    if (m_pos >= m_text.size())
        return std::nullopt;
    skipBlanks();
    QString result;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('"')) {
        const int close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
        if (close < 0)
            return std::nullopt;
        result = m_text.mid(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        skipBlanks();
    } else {
        const int start = m_pos;
        while (m_pos < m_text.size() && !isItemEnd(m_text[m_pos]))
            ++m_pos;
        result = withoutBlankEnds(m_text.mid(start, m_pos - start));
    }
    skipItemEnd();
    return result;
}

std::optional<double> SequentialReader::number()
{
    const std::optional<QString> text = item();
    return text ? NumberText::exactNumber(*text) : std::nullopt;
}

std::optional<double> SequentialReader::wholeNumber()
{
    const std::optional<double> value = number();
    if (!value || std::trunc(*value) != *value)
        return std::nullopt;
    return value;
}

std::optional<bool> SequentialReader::truth(QLatin1String trueWord, QLatin1String falseWord)
{
    const std::optional<QString> text = item();
    if (!text)
        return std::nullopt;
    if (text->compare(trueWord, Qt::CaseInsensitive) == 0)
        return true;
    if (text->compare(falseWord, Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> value = NumberText::exactNumber(*text);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

void SequentialReader::skipBlanks()
{
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
}

void SequentialReader::skipItemEnd()
{
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == QLatin1Char(',')) {
        ++m_pos;
        return;
    }
    if (m_text[m_pos] == QLatin1Char('\r'))
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n'))
        ++m_pos;
}
