// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ProgramState.h"
#include "print/LabelArtwork.h"
#include "print/PageSurface.h"

// Draws one label at an origin: frame, cut lines, icon and the three zones from the line
// arrays that the splitting filled. It only reads them, so every label of a run is drawn
// from the same lines.
namespace LabelDrawing {

// number, when not empty, follows the last line of zone 3 (" 3" or " 3/5").
void drawLabel(PageSurface &surface, const ProgramState &state, const LabelArtwork &artwork,
               const QPointF &origin, const QString &number = QString());

} // namespace LabelDrawing
