// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/PageGeometry.h"
#include "print/PrintRequest.h"
#include "print/UsedPositions.h"

#include <QImage>

// One page of a print job as a picture for the screen: the paper, the margins the printer
// cannot reach shaded, and within the printable area the page drawn by the same code from
// the same page as the printer or the PDF file gets, at pixelsPerMm, with the positions
// already used shaded over it. Safe off the window's thread.
namespace SheetPageImage {

QImage render(const PageGeometry &page, const PrintRequest &request, const LabelArtwork &artwork,
              int pageIndex, double pixelsPerMm, const UsedPositions &used = UsedPositions());

} // namespace SheetPageImage
