// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/PageSurface.h"
#include "print/PrintRequest.h"

// The pages of one print command: a single label at the run's label origin, a run of
// identical labels from its start position with zone 3 numbered when it asks for it, or a
// list of labels from the start position over as many sheets as it fills, numbered as a run.
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

// Page pageIndex (from 0) of a list. Each page numbers its labels by their place in the
// list, so any page can be drawn alone, as a whole-sheet preview does.
PageEnd drawListPage(PageSurface &surface, const PrintRequest &request, const LabelArtwork &artwork,
                     int pageIndex);

// How many pages the request prints: one, or for a list the sheets it fills from its start
// position (none for an empty list).
int pageCount(const PrintRequest &request);
// The sheets count labels fill from startPosition.
int listPageCount(int startPosition, int count);

// What sheet pageIndex (from 0) holds of count labels printed one after the other from
// startPosition: labelCount of them from the firstLabel-th (from 0), the first at
// firstPosition and each next one at the next position.
struct SheetPart
{
    int firstLabel = 0;
    int labelCount = 0;
    int firstPosition = 1;
};
SheetPart sheetPart(int startPosition, int count, int pageIndex);

// Page pageIndex (from 0) of whatever the run's mode asks for: the one function that draws
// the printer's, the PDF file's and the previews' pages alike.
PageEnd drawPrintPage(PageSurface &surface, const PrintRequest &request,
                      const LabelArtwork &artwork, int pageIndex = 0);

// The run carried on from where a page left the numbering.
PrintRun carriedOn(PrintRun run, const PageEnd &page);

// What follows zone 3 on the label of a run that gets diskNumber: " 7" or " 7/10".
QString numberSuffix(int diskNumber, const PrintRun &run);
// The same for a set of total labels: a list numbers "X/X" over its count.
QString numberSuffix(int diskNumber, NumberingStyle style, int total);

QString printerErrorMessage();

} // namespace LabelPrinting
