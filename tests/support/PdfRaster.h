// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

// The first page of a PDF as pdftoppm renders it, in grey, without smoothing of lines,
// so that a test can look for a line at a given millimetre. Null when it cannot be read.
QImage renderPdfPage(const QString &pdfPath, int dotsPerInch);
