// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ProgramState.h"
#include "print/PageOutput.h"

#include <QString>

enum class PrintResult
{
    Printed,
    PrinterError,
    SaveError // the disk refused the PDF file
};

// How a page sent to the printer or written to a PDF file fared, with the state as the job
// left it (the disk number after its last label), for a window that ran it on a copy.
struct PrintOutcome
{
    PrintResult result = PrintResult::Printed;
    QString refusal; // why the disk refused the PDF file, for SaveError
    ProgramState state;

    static PrintOutcome printed(bool printed, const ProgramState &state)
    {
        return {printed ? PrintResult::Printed : PrintResult::PrinterError, QString(), state};
    }
    static PrintOutcome written(const PdfFileOutcome &written, const ProgramState &state)
    {
        switch (written.result) {
        case PdfFileResult::Written:
            return {PrintResult::Printed, QString(), state};
        case PdfFileResult::DrawingFailed:
            return {PrintResult::PrinterError, QString(), state};
        case PdfFileResult::WriteFailed:
            break;
        }
        return {PrintResult::SaveError, written.reason, state};
    }
};
