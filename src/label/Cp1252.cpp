// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/Cp1252.h"

namespace {

// Unicode code points of bytes 0x80 to 0x9F; the undefined ones map to themselves.
constexpr char16_t HighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> byteFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i) {
        if (HighControlRange[i] == u)
            return char(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

namespace Cp1252 {

QString decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(HighControlRange[b - 0x80]) : QChar(char16_t(b)));
    }
    return text;
}

std::optional<QByteArray> encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const std::optional<char> b = byteFor(c);
        if (!b)
            return std::nullopt;
        bytes.append(*b);
    }
    return bytes;
}

bool canEncode(QChar c)
{
    return byteFor(c).has_value();
}

} // namespace Cp1252
