// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/NumberText.h"

#include <charconv>
#include <cmath>

namespace {

template <typename Real> QString plainOf(Real value)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    char buffer[400];
    // Shortest digits that read back as the same value, never in exponent form.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text;
}

template <typename Real> QString signedOf(Real value)
{
    const QString text = plainOf(value);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Length of the decimal number at the start of text (sign, digits, point, digits), 0
// when there is none; digitsSeen tells whether it holds at least one digit.
int numberPrefixLength(const QString &text, int from, bool *digitsSeen)
{
    int i = from;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            digits = true;
        }
    }
    *digitsSeen = digits;
    return i - from;
}

} // namespace

namespace NumberText {

QString plain(double value)
{
    return plainOf(value);
}
QString plain(float value)
{
    return plainOf(value);
}
QString signedForm(double value)
{
    return signedOf(value);
}
QString signedForm(float value)
{
    return signedOf(value);
}

double leadingNumber(const QString &text)
{
    int start = 0;
    while (start < text.size() &&
           (text[start] == QLatin1Char(' ') || text[start] == QLatin1Char('\t')))
        ++start;
    bool digits = false;
    const int length = numberPrefixLength(text, start, &digits);
    if (!digits)
        return 0;
    QString number = text.mid(start, length);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    return number.toDouble();
}

std::optional<double> exactNumber(const QString &text)
{
    bool digits = false;
    int length = numberPrefixLength(text, 0, &digits);
    if (!digits)
        return std::nullopt;
    if (length < text.size() &&
        (text[length] == QLatin1Char('e') || text[length] == QLatin1Char('E'))) {
        int i = length + 1;
        if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            ++i;
        const int exponentDigits = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == exponentDigits)
            return std::nullopt;
        length = i;
    }
    if (length != text.size())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace NumberText
