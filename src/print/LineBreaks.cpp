// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LineBreaks.h"

#include <algorithm>

namespace {

// The number of characters at the start of text that fit room; widths grow with the length.
// The lengths tried double until one does not fit, then the last step is halved: a line of
// n characters is measured some 2 log n times, each time no longer than twice the answer.
qsizetype fittingLength(const QString &text, double room, const LineBreaks::Measure &width)
{
    const qsizetype longest = std::min(text.size(), LineBreaks::LongestFittingLine);
    qsizetype fits = 0;
    qsizetype tooLong = longest + 1;
    for (qsizetype tried = 1; tried <= longest; tried *= 2) {
        if (width(text.left(tried)) > room) {
            tooLong = tried;
            break;
        }
        fits = tried;
    }
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (width(text.left(middle)) <= room)
            fits = middle;
        else
            tooLong = middle;
    }
    return fits;
}

qsizetype blanksFrom(const QString &text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && text.at(end).isSpace())
        ++end;
    return end;
}

} // namespace

namespace LineBreaks {

Split firstLine(const QString &text, double room, const Measure &width)
{
    const qsizetype fits = fittingLength(text, room, width);
    if (fits == text.size())
        return {text, QString()};
    // The last blank that the fitting part reaches, the one just after it included.
    qsizetype blank = fits;
    while (blank > 0 && !text.at(blank).isSpace())
        --blank;
    if (blank > 0) {
        qsizetype lineEnd = blank;
        while (lineEnd > 0 && text.at(lineEnd - 1).isSpace())
            --lineEnd;
        if (lineEnd > 0)
            return {text.left(lineEnd), text.mid(blanksFrom(text, blank))};
    }
    const qsizetype cut = std::max<qsizetype>(fits, 1);
    return {text.left(cut), text.mid(cut)};
}

} // namespace LineBreaks
