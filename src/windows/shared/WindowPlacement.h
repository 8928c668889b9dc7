// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of the given size goes to sit in the middle of the screen.
QPoint centredWindowPosition(const QSize &window, const QRect &screen);
