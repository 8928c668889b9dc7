// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CharacterAdvances.h"

namespace {

constexpr qreal Unknown = -1;

} // namespace

CharacterAdvances::CharacterAdvances(const QFontMetricsF &metrics) : m_metrics(metrics)
{
    m_latin1.fill(Unknown);
}

qreal CharacterAdvances::of(QChar c)
{
    if (c.unicode() < m_latin1.size()) {
        qreal &advance = m_latin1[c.unicode()];
        if (advance == Unknown)
            advance = m_metrics.horizontalAdvance(c);
        return advance;
    }
    const auto found = m_others.constFind(c);
    if (found != m_others.constEnd())
        return *found;
    return *m_others.insert(c, m_metrics.horizontalAdvance(c));
}

qreal CharacterAdvances::of(QStringView text)
{
    qreal width = 0;
    for (QChar c : text)
        width += of(c);
    return width;
}

CharacterAdvances::Slice CharacterAdvances::within(QStringView text, qreal x, qreal left,
                                                   qreal right)
{
    const qreal overhang = m_metrics.maxWidth();
    Slice slice;
    qsizetype index = 0;
    for (; index < text.size() && x + of(text[index]) + overhang < left; ++index)
        x += of(text[index]);
    slice.from = index;
    slice.x = x;
    for (; index < text.size() && x - overhang <= right; ++index)
        x += of(text[index]);
    slice.length = index - slice.from;
    return slice;
}
