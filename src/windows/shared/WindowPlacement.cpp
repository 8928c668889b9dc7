// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/WindowPlacement.h"

QPoint centredWindowPosition(const QSize &window, const QRect &screen)
{
    return {screen.left() + screen.width() / 2 - window.width() / 2,
            screen.top() + screen.height() / 2 - window.height() / 2};
}
