// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/TextZone.h"

#include <QString>
#include <array>

// The three zone texts split into the lines that printing and the preview draw. A stored
// line keeps its separators: every line but the last ends with the CR that follows it,
// every line but the first starts with the LF before it.
struct LabelLines
{
    using Lines = std::array<QString, 16>; // index 0 is never used

    Lines zone1Lines, zone2Lines, zone3Lines;
    qint16 zone1LineCount = 0, zone2LineCount = 0, zone3LineCount = 0;

    Lines &zoneLines(int zone);
    qint16 &zoneLineCount(int zone);
    const Lines &zoneLines(int zone) const;
    qint16 zoneLineCount(int zone) const;
};

// Splits the zone texts into those lines.
namespace ZoneLines {

inline constexpr int MaxLines = 15;

// Fills the line arrays and counts from the zones' texts. When a zone has more than
// MaxLines lines, the lines already stored for it stay, its count and the later zones
// keep their previous values, and the result is false.
bool split(const std::array<TextZone, 3> &zones, LabelLines &lines);

QString tooManyLinesMessage();

} // namespace ZoneLines
