// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

// The four distances that place the labels on the sheet, in the order a layout and its file
// hold them.
enum class SheetDistance
{
    LeftMargin,
    TopMargin,
    RowGap,
    ColumnGap
};
inline constexpr std::array<SheetDistance, 4> SheetDistances{
    SheetDistance::LeftMargin, SheetDistance::TopMargin, SheetDistance::RowGap,
    SheetDistance::ColumnGap};

// Where the labels sit on the sheet and which of their outlines print: what a print
// settings file (*.PAR) holds. Distances in mm.
struct SheetLayout
{
    std::array<double, 4> sheetSpacing{10, 4, 4, 10}; // left, top, row gap, column gap
    bool printFrame = true;
    bool printCutOutline = true;

    double distance(SheetDistance which) const { return sheetSpacing[std::size_t(which)]; }
    void setDistance(SheetDistance which, double mm) { sheetSpacing[std::size_t(which)] = mm; }
};
