// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ProgramState.h"
#include "print/LabelArtwork.h"
#include "print/PageSurface.h"

#include <array>

// The page of one print command: a single label at LabelOrigins, or a run of CopyCount
// identical labels from StartLabel with zone 3 numbered when AutoIncrement is set.
namespace LabelPrinting {

// Where a page left the print command: the disk number for the label after its last one and
// the origin of the last label placed. A cancelled page keeps the numbers of the labels it
// drew before the error.
struct PageEnd
{
    bool ended = false; // false: the document was cancelled on an error
    qint16 nextDiskNumber = 0;
    std::array<double, 2> labelOrigin{0, 0};
};

// Both draw the whole page and end the document; on an error they cancel it instead.
PageEnd drawSingleLabel(PageSurface &surface, const ProgramState &state,
                        const LabelArtwork &artwork);
PageEnd drawRun(PageSurface &surface, const ProgramState &state, const LabelArtwork &artwork);

// Whichever of the two PrintSingleMode asks for; state then carries on from where the page
// left the numbering. False when the page was cancelled.
bool drawPrintPage(PageSurface &surface, ProgramState &state, const LabelArtwork &artwork);

// What follows zone 3 on the label of a run that gets diskNumber: " 7" or " 7/10".
QString numberSuffix(qint16 diskNumber, const ProgramState &run);

QString printerErrorMessage();

} // namespace LabelPrinting
