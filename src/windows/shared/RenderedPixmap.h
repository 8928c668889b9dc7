// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <functional>

class QPainter;
class QWidget;

// A drawing kept as a pixmap of a widget's size on its screen, so that vector art and
// metafiles are not replayed at every paint. It is drawn again only when the size or the
// screen's pixel ratio changes, or after invalidate().
class RenderedPixmap
{
public:
    // draw paints onto a transparent pixmap whose size in device pixels is given.
    using Drawing = std::function<void(QPainter &painter, const QSize &pixels)>;

    const QPixmap &of(const QWidget &widget, const Drawing &draw);
    void invalidate() { m_pixmap = QPixmap(); }

private:
    QPixmap m_pixmap;
};
