// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/PageOutput.h"
#include "print/PrintOutcome.h"
#include "print/PrintRequest.h"

class Printer;

// Delivers the page of a print command, a single label or a run as the request says, on
// a printer or into a PDF file. The outcome's run is the run carried on from where the page
// left the numbering. A job with a label that its distances put off the printable area is
// refused before anything is printed or written.
namespace LabelOutput {

// Nothing of the job is printed on any error. A run of no labels sends no page.
PrintOutcome print(const Printer &printer, const PrintRequest &request,
                   const LabelArtwork &artwork);

// A PDF page whose printable area is the whole page, A4 portrait unless page says otherwise.
PrintOutcome writePdf(const QString &path, const PrintRequest &request, const LabelArtwork &artwork,
                      const PageGeometry &page = PageGeometry::a4Portrait());

} // namespace LabelOutput
