// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace PictureGifCheck {

// False when the first frame of a GIF file holds more pixels than the screen it is drawn on
// (or, without a screen, than any picture Korvalin decodes). The decoder walks every pixel a
// frame codes, on the screen or not, and twelve bits of file can code four thousand of them:
// a frame of 65535 x 65535 pixels on a small screen takes minutes to decode for a file of a
// few megabytes. Read from the headers alone, before anything is decoded.
bool decodingBounded(const QByteArray &gif);

} // namespace PictureGifCheck
