// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/PageSurface.h"
#include "print/PrintRequest.h"

// The page of one print command: a single label at the run's label origin, or a run of
// identical labels from its start position with zone 3 numbered when it asks for it.
namespace LabelPrinting {

// Where a page left the print command: the disk number for the label after its last one and
// the origin of the last label placed. A cancelled page keeps the numbers of the labels it
// drew before the error.
struct PageEnd
{
    bool ended = false; // false: the document was cancelled on an error
    int nextDiskNumber = 0;
    QPointF labelOrigin;
};

// Both draw the whole page and end the document; on an error they cancel it instead.
PageEnd drawSingleLabel(PageSurface &surface, const PrintRequest &request,
                        const LabelArtwork &artwork);
PageEnd drawRun(PageSurface &surface, const PrintRequest &request, const LabelArtwork &artwork);

// Whichever of the two the run's mode asks for.
PageEnd drawPrintPage(PageSurface &surface, const PrintRequest &request,
                      const LabelArtwork &artwork);

// The run carried on from where a page left the numbering.
PrintRun carriedOn(PrintRun run, const PageEnd &page);

// What follows zone 3 on the label of a run that gets diskNumber: " 7" or " 7/10".
QString numberSuffix(int diskNumber, const PrintRun &run);

QString printerErrorMessage();

} // namespace LabelPrinting
