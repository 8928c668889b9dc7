// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <optional>

// SVG pictures as Qt may draw them. Qt's SVG reader opens the files that a document names
// (the pictures of its <image> elements, the style sheets of its processing instructions),
// which would let a picture make the program read a pipe or a device, or wait on a network
// share, behind the rule that pictures are read only from regular files of bounded size. And
// its cost grows with the elements and path data a document holds, which a few megabytes
// make worth minutes.
namespace PictureSvgFilter {

// Beyond these a document is refused: far more than a drawing meant for a label holds, and
// few enough that Qt reads and draws any document within them in a fraction of a second.
constexpr qsizetype MaxDocumentBytes = 16 * 1024 * 1024;
constexpr int MaxElements = 100000;
constexpr qsizetype MaxPathDataCharacters = 4 * 1024 * 1024;
constexpr qsizetype MaxTextCharacters = 64 * 1024;

// The document rewritten with nothing that reads outside it: no processing instructions, no
// document type, and only those <image> elements whose picture lies inside the document and
// is a raster image within the bounds of any other picture. Compressed documents come
// inflated. Nothing when the document is not well-formed or passes the bounds above.
std::optional<QByteArray> selfContained(const QByteArray &document);

} // namespace PictureSvgFilter
