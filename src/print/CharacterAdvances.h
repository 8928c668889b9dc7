// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QStringView>
#include <array>

// How far each character moves the pen, looked up once per character and font. Summing
// these is far cheaper than shaping a whole line, and stays exact in floating point where
// Qt's own layout of a line tens of metres long runs out of range. Kerning is left out,
// which only matters where a line is too long to show whole anyway.
class CharacterAdvances
{
public:
    explicit CharacterAdvances(const QFontMetricsF &metrics);

    qreal of(QChar c);
    qreal of(QStringView text);

    // The characters of text, drawn from x, that may put ink between left and right: those
    // within one glyph's greatest width of them, since glyphs overhang their advance.
    struct Slice
    {
        qsizetype from = 0;
        qsizetype length = 0;
        qreal x = 0; // where the first of them is drawn
    };
    Slice within(QStringView text, qreal x, qreal left, qreal right);

private:
    QFontMetricsF m_metrics;
    std::array<qreal, 256> m_latin1;
    QHash<QChar, qreal> m_others;
};
