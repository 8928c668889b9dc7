// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ProgramState.h"
#include "print/LabelArtwork.h"
#include "print/PageOutput.h"

class Printer;

// Delivers the page of a print command, a single label or a run as the state says, on
// a printer or into a PDF file. The line arrays must have been split just before.
namespace LabelOutput {

// False on any printer error; nothing of the job is printed then. A run of no labels
// sends no page.
bool print(const Printer &printer, ProgramState &state, const LabelArtwork &artwork);

// A PDF page whose printable area is the whole page, A4 portrait unless page says otherwise.
PdfFileOutcome writePdf(const QString &path, ProgramState &state, const LabelArtwork &artwork,
                        const PageGeometry &page = PageGeometry::a4Portrait());

} // namespace LabelOutput
