// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace PictureBmpCheck {

// True when a bitmap file holds all the pixel data its headers promise. Qt's reader fills
// what is missing with black and reports success, which would show a damaged file as a
// plausible picture.
bool pixelDataComplete(const QByteArray &bmpFile);

} // namespace PictureBmpCheck
