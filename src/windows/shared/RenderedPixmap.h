// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
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
    // draw paints onto a transparent image whose size in device pixels is given.
    using Drawing = std::function<void(QPainter &painter, const QSize &pixels)>;

    const QPixmap &of(const QWidget &widget, const Drawing &draw);
    void invalidate() { m_pixmap = QPixmap(); }

    // The widget's size in device pixels, for drawing it beforehand.
    static QSize pixelSize(const QWidget &widget);
    // What of() would draw at that size. Unlike a pixmap, safe on any thread: a drawing that
    // takes long is made off the window's thread, then kept.
    static QImage drawn(const QSize &pixels, const Drawing &draw);
    // Keeps a drawing made beforehand; of() uses it while the widget keeps that size.
    void keep(const QImage &drawing, const QWidget &widget);

private:
    QPixmap m_pixmap;
};
