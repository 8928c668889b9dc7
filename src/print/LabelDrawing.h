// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/PageSurface.h"
#include "print/SheetLayout.h"

// Draws one label at an origin: the frame and cut lines the layout asks for, the icon and
// the three zones from the artwork's lines. Every label of a run is drawn from the same lines.
namespace LabelDrawing {

// number, when not empty, follows the last line of zone 3 (" 3" or " 3/5").
void drawLabel(PageSurface &surface, const LabelArtwork &artwork, const SheetLayout &layout,
               const QPointF &origin, const QString &number = QString());

} // namespace LabelDrawing
