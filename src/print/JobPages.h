// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/LabelPrinting.h"
#include "print/PageSurface.h"
#include "print/PrintRequest.h"

// The pages of the job a print command makes, one by one: what the printer, the PDF file
// and the whole-sheet preview each draw, so that the preview shows what comes out.
namespace JobPages {

// How many pages the job has: one for a single label or a run, which stay on one sheet.
int count(const PrintRequest &request);

// Draws page `page` (0 to count - 1) of the job and ends it, or cancels it on an error.
LabelPrinting::PageEnd draw(PageSurface &surface, const PrintRequest &request,
                            const LabelArtwork &artwork, int page);

} // namespace JobPages
