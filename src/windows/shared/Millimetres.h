// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QRectF>
#include <QWidget>

// The label is shown at the size it prints: millimetres become pixels through the
// screen's logical resolution, the same one that turns the zones' point sizes into pixels.
namespace Millimetres {

inline constexpr double PerInch = 25.4;

inline int toPixels(double mm, int dotsPerInch)
{
    return qRound(mm * dotsPerInch / PerInch);
}

inline QSize toPixels(const QSizeF &mm, const QWidget &onScreen)
{
    return {toPixels(mm.width(), onScreen.logicalDpiX()),
            toPixels(mm.height(), onScreen.logicalDpiY())};
}

inline QRect toPixels(const QRectF &mm, const QWidget &onScreen)
{
    return {
        QPoint(toPixels(mm.x(), onScreen.logicalDpiX()), toPixels(mm.y(), onScreen.logicalDpiY())),
        toPixels(mm.size(), onScreen)};
}

// Puts widget at mm within its parent.
inline void place(QWidget &widget, const QRectF &mm)
{
    widget.setGeometry(toPixels(mm, widget));
}

} // namespace Millimetres
