// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <array>

// A single label at a chosen position, or a run of identical labels.
enum class PrintMode : qint16
{
    Run,
    SingleLabel
};

// How a run numbers zone 3: "X" or "X/X"; a single label has none chosen.
enum class NumberingStyle : qint16
{
    Unchosen,
    Number,
    NumberOfTotal
};

// What one print command puts on the sheet. The counters keep the 16-bit sizes that the
// print settings window counts in.
struct PrintRun
{
    PrintMode mode = PrintMode::Run;
    // The single label's position on the sheet, 1 to 10; 0 while none is chosen.
    qint16 singlePosition = 0;
    // Where the single label starts, in mm; after a run, where its last label started.
    std::array<double, 2> labelOrigin{0, 0};
    qint16 copyCount = 10;
    qint16 startPosition = 1;
    // The number that zone 3 of the next numbered label gets.
    qint16 nextDiskNumber = 1;
    NumberingStyle numberingStyle = NumberingStyle::Unchosen;
    bool autoNumbering = false;
};
