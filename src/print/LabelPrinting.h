// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ProgramState.h"
#include "print/LabelArtwork.h"
#include "print/PageSurface.h"

// The page of one print command: a single label at LabelOrigins, or a run of CopyCount
// identical labels from StartLabel with zone 3 numbered when AutoIncrement is set.
namespace LabelPrinting {

// Both draw the whole page and end the document; on an error they cancel it instead
// and return false, leaving what was done to DiskNumber.
bool drawSingleLabel(PageSurface &surface, ProgramState &state, const LabelArtwork &artwork);
bool drawRun(PageSurface &surface, ProgramState &state, const LabelArtwork &artwork);

// Whichever of the two PrintSingleMode asks for.
bool drawPrintPage(PageSurface &surface, ProgramState &state, const LabelArtwork &artwork);

// What follows zone 3 on the next label of a run: " 7" or " 7/10".
QString numberSuffix(const ProgramState &state);

QString printerErrorMessage();

} // namespace LabelPrinting
