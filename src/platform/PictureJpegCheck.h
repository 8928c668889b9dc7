// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace PictureJpegCheck {

// False when a JPEG file asks its decoder for more passes over the image than any encoder
// writes: a progressive file may hold any number of scans, and the decoder walks every
// block of the image for each, however few bytes the scan takes. Read from the marker
// segments alone, before anything is decoded.
bool decodingBounded(const QByteArray &jpeg);

} // namespace PictureJpegCheck
