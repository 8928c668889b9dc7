// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

// Where the labels sit on the sheet and which of their outlines print: what a print
// settings file (*.PAR) holds. Distances in mm.
struct SheetLayout
{
    std::array<double, 4> sheetSpacing{10, 4, 4, 10}; // left, top, row gap, column gap
    bool printFrame = true;
    bool printCutOutline = true;
};
