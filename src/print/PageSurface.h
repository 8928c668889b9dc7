// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/TextZone.h"

#include <QPointF>
#include <QRectF>
#include <QString>

class Picture;

// The page a label is drawn on, with the operations label printing needs. Coordinates
// are millimetres from the top-left corner of the printable area once the scale is set.
class PageSurface
{
public:
    enum class LineStyle
    {
        Solid,
        DashDot
    };

    virtual ~PageSurface() = default;

    virtual void setScaleMillimetres() = 0;
    virtual void setLineStyle(LineStyle style) = 0;
    virtual void drawLine(const QPointF &from, const QPointF &to, ColorValue color) = 0;
    virtual void drawPicture(const Picture &picture, const QRectF &target) = 0;
    virtual void setFont(const QString &name, float pointSize, bool bold, bool italic) = 0;
    virtual void setTextColor(ColorValue color) = 0;
    virtual void setCurrentPosition(const QPointF &position) = 0;
    // Prints text with its line cell's top-left corner at the current position; CR and
    // LF are not drawn.
    virtual void printText(const QString &text) = 0;
    // Where text can be seen, in the current scale: text is cut at its edges, and a surface
    // need not lay out text wholly outside it.
    virtual void setTextArea(const QRectF &area) { Q_UNUSED(area) }
    virtual void endDocument() = 0;
    virtual void cancelDocument() = 0;

    // The height of a text: the font's line height for each CR in it, plus one.
    double textHeight(const QString &text) const;
    // The width of a text: that of its widest part between CRs; CR and LF have no width.
    double textWidth(const QString &text) const;

protected:
    // Line height of the current font, and the width of a text without line breaks.
    virtual double lineHeight() const = 0;
    virtual double lineWidth(const QString &line) const = 0;
};
