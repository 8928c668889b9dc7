// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelArtwork.h"
#include "print/PageOutput.h"
#include "print/PrintRequest.h"

class Printer;

// Delivers the page of a print command, a single label or a run as the request says, on
// a printer or into a PDF file. runAfter, when given, gets the run carried on from where
// the page left the numbering.
namespace LabelOutput {

// False on any printer error; nothing of the job is printed then. A run of no labels
// sends no page.
bool print(const Printer &printer, const PrintRequest &request, const LabelArtwork &artwork,
           PrintRun *runAfter = nullptr);

// A PDF page whose printable area is the whole page, A4 portrait unless page says otherwise.
PdfFileOutcome writePdf(const QString &path, const PrintRequest &request,
                        const LabelArtwork &artwork,
                        const PageGeometry &page = PageGeometry::a4Portrait(),
                        PrintRun *runAfter = nullptr);

} // namespace LabelOutput
