// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageOutput.h"
#include "print/SheetLayout.h"

#include <QSizeF>
#include <array>

class PageSurface;
class Printer;

// A page to print on plain paper and lay over a sheet of labels: the ten label outlines at
// the current distances, each captioned as its tile and with a cross at its origin, and
// millimetre rulers along the top and left edges of the printable area, from which the
// user reads the margins and gaps to enter in the print settings.
namespace CalibrationPage {

// Every millimetre has a tick; every fifth a longer one, every tenth a longer one still
// and its number.
inline constexpr double TickMm = 2;
inline constexpr double HalfCentimetreTickMm = 3.5;
inline constexpr double CentimetreTickMm = 5;
// Each arm of the cross at a label's origin.
inline constexpr double CrossArmMm = 3;

// Draws the page and ends the document. spacing is the settings' left margin, top margin,
// row gap and column gap; the rulers run rulersMm.width() along the top edge and
// rulersMm.height() down the left edge.
void draw(PageSurface &surface, const std::array<double, 4> &spacing, const QSizeF &rulersMm);

// False on any printer error; nothing of the job is printed then.
bool print(const Printer &printer, const SheetLayout &layout);

// A PDF page whose printable area is the whole page, A4 portrait unless page says otherwise.
PdfFileOutcome writePdf(const QString &path, const SheetLayout &layout,
                        const PageGeometry &page = PageGeometry::a4Portrait());

} // namespace CalibrationPage
