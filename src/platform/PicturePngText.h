// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace PicturePngText {

// The PNG file without its text chunks. Qt's reader copies every text a file holds into the
// image, several times over and widened, as soon as the size is asked: a file that is one text
// of sixty megabytes takes half a gigabyte. Korvalin shows none of it. Whatever follows damage in
// the sequence of chunks is kept as it is, for the decoder to refuse.
QByteArray withoutText(const QByteArray &png);

} // namespace PicturePngText
