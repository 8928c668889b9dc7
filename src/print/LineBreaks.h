// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

// How a line too wide for its room is broken on paper, as the window wraps a zone: at the
// blanks between words, and a word wider than the room between its characters.
namespace LineBreaks {

// No line a label holds is longer: only this many characters of a text are measured, so a
// line of a million characters costs no more to break than an ordinary one.
inline constexpr qsizetype LongestFittingLine = 1024;

// The width of a text, in the room's unit.
using Measure = std::function<double(const QString &text)>;

struct Split
{
    QString line; // the part that fits; at least one character, even where none fits
    QString rest; // what follows it, without the blanks it was broken at
};

// The first line of text within room, and the rest, which goes on the following lines.
Split firstLine(const QString &text, double room, const Measure &width);

} // namespace LineBreaks
