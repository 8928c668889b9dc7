// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/SheetLayout.h"

#include <QPointF>
#include <QString>
#include <array>

// Where the ten 70 x 50 mm labels of a sheet lie: two columns, five rows, numbered left
// to right and then down, placed by the four distances of the print settings.
namespace SheetGeometry {

inline constexpr double LabelWidth = 70;
inline constexpr double LabelHeight = 50;
inline constexpr int Positions = 10;

// Top-left corner of position 1..10, in mm from the printable area's corner. spacing is
// left margin, top margin, row gap, column gap.
QPointF labelOrigin(int position, const std::array<double, 4> &spacing);

// "Etiquette 1" .. "Etiquette 9", "Etiquette10": how the calibration page names a position,
// the same in every language.
QString positionCaption(int position);
// The same name in the language the program speaks, as the sheet's tiles show it.
QString shownPositionCaption(int position);

// How the print settings window and the messages name a distance ("Marge gauche").
QString distanceName(SheetDistance distance);

} // namespace SheetGeometry
