// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/TextZone.h"

#include <QColor>

// Colour values of zones and dialogs. System colours are drawn with the classic
// defaults of the platform they come from (window text is black), so a label looks the
// same on screen and on paper whatever the desktop theme.
QColor toQColor(ColorValue value);
ColorValue toColorValue(const QColor &color);
