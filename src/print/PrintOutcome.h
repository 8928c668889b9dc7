// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageOutput.h"
#include "print/PrintRun.h"

#include <QString>

enum class PrintResult
{
    Printed,
    PrinterError,
    SaveError,   // the disk refused the PDF file
    LabelOffPage // refused before anything printed: a label would not be on the page
};

// How a page sent to the printer or written to a PDF file fared, with the run as a label
// job left it (the disk number after its last label), for a window that ran it on a copy.
struct PrintOutcome
{
    PrintResult result = PrintResult::Printed;
    // Why the disk refused the PDF file, for SaveError; the message that refused the job,
    // for LabelOffPage.
    QString refusal;
    PrintRun run;

    static PrintOutcome printed(bool printed, const PrintRun &run = PrintRun())
    {
        return {printed ? PrintResult::Printed : PrintResult::PrinterError, QString(), run};
    }
    static PrintOutcome written(const PdfFileOutcome &written, const PrintRun &run = PrintRun())
    {
        switch (written.result) {
        case PdfFileResult::Written:
            return {PrintResult::Printed, QString(), run};
        case PdfFileResult::DrawingFailed:
            return {PrintResult::PrinterError, QString(), run};
        case PdfFileResult::WriteFailed:
            break;
        }
        return {PrintResult::SaveError, written.reason, run};
    }
    static PrintOutcome offPage(const QString &message, const PrintRun &run)
    {
        return {PrintResult::LabelOffPage, message, run};
    }
};
