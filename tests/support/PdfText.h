// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// The words of a PDF with their boxes, as pdftotext -bbox reads them: in points, from the
// top-left corner of each page as a viewer shows it.
struct PdfWord
{
    QString text;
    QRectF box;
};

struct PdfTextPage
{
    QSizeF size; // the page's media box, in points
    QList<PdfWord> words;
};

// One entry per page; empty when the file cannot be read.
QList<PdfTextPage> readPdfText(const QString &pdfPath);

// The first word equal to text on the page; an empty box when there is none.
PdfWord findWord(const PdfTextPage &page, const QString &text);

// The fonts a PDF uses, as pdffonts lists them, without the subset tag
// ("LiberationSans-Bold" for "ABCDEF+LiberationSans-Bold"); empty when it cannot be read.
QStringList readPdfFonts(const QString &pdfPath);

constexpr double mmPerPt = 25.4 / 72;
