// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Hostile pictures: small files that once kept a sheet printing for seconds or minutes. The
// tests read them from here; make_crafted_pictures writes them into a folder, for the fuzzer's
// seeds and for timing by hand.
namespace CraftedPictures {

// A metafile of count font-creation records, each a new face at a new size, none drawn.
QByteArray fontCreations(int count);

// A metafile of count transfers, each carrying its own run-length bitmap of side x side pixels
// of noise, drawn but for its last row and column over the whole frame: each copy of it a page
// receives weighs all its pixels.
QByteArray runLengthBitmaps(int count, int side);

// A grey progressive JPEG of side x side pixels whose scans after the first code nothing: each
// costs a few bytes of file and a walk over every block of the image.
QByteArray progressiveJpeg(int side, int scans);

// A GIF whose logical screen is screen x screen pixels and whose first frame is frame x frame,
// coded in full with the longest codes LZW has: each twelve bits of file stand for four
// thousand pixels, whether they fall on the screen or not.
QByteArray oversizedGifFrame(int screen, int frame);

// A metafile of count poly-polygon records, each of 65535 polygons without a point.
QByteArray emptyPolygons(int count);

// A metafile of count transfers, each carrying a run-length bitmap whose header claims side x
// side pixels and whose data ends at once: a few bytes each, millions of pixels to unpack.
QByteArray emptyRunLengthBitmaps(int count, int side);

// An SVG document holding one path of about this many bytes of path data.
QByteArray svgPathData(qsizetype bytes);

// A red square of side pixels, as a PNG file holds it.
QByteArray redPng(int side);

// A small PNG whose first chunk after the header is a text chunk of this many bytes.
QByteArray pngWithText(qsizetype textBytes);

// The bytes in a gzip wrapper, as compressed SVG files have them.
QByteArray gzipped(const QByteArray &bytes);

struct Named
{
    QString fileName;
    QByteArray bytes;
};

// Each kind at the sizes that once stalled a sheet for seconds to minutes, under the names
// make_crafted_pictures gives them.
QList<Named> reportedFiles();

} // namespace CraftedPictures
