// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>

// A single label at a chosen position, a run of identical labels, or a list of different
// labels over as many sheets as it takes.
enum class PrintMode
{
    Run,
    SingleLabel,
    List
};

// How a run numbers zone 3: "X" or "X/X"; a single label has none chosen.
enum class NumberingStyle
{
    Unchosen,
    Number,
    NumberOfTotal
};

// The largest disk number: numbers count in 16 bits, as the print settings window and the
// settings it keeps do.
inline constexpr int MaxDiskNumber = 32767;

// What one print command puts on the sheet.
struct PrintRun
{
    PrintMode mode = PrintMode::Run;
    // The single label's position on the sheet, 1 to 10; 0 while none is chosen.
    int singlePosition = 0;
    // Where the single label starts, in mm; after a run, where its last label started.
    QPointF labelOrigin;
    int copyCount = 10;
    int startPosition = 1;
    // The number that zone 3 of the next numbered label gets.
    int nextDiskNumber = 1;
    NumberingStyle numberingStyle = NumberingStyle::Unchosen;
    bool autoNumbering = false;
};
