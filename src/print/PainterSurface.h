// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/CharacterAdvances.h"
#include "print/PageSurface.h"

#include <QFont>
#include <QPen>
#include <optional>

class QPainter;

// A page surface that paints on a QPainter in device units: PDF pages for the printer
// and the command line, images in the tests.
class PainterSurface : public PageSurface
{
public:
    // origin is the printable area's top-left corner in device units.
    PainterSurface(QPainter &painter, double dotsPerMm, const QPointF &origin);

    void setScaleMillimetres() override;
    void setLineStyle(LineStyle style) override;
    void drawLine(const QPointF &from, const QPointF &to, ColorValue color) override;
    void drawPicture(const Picture &picture, const QRectF &target) override;
    void setFont(const QString &name, float pointSize, bool bold, bool italic) override;
    void setTextColor(ColorValue color) override;
    void setCurrentPosition(const QPointF &position) override;
    void printText(const QString &text) override;
    void setTextArea(const QRectF &area) override;
    void endDocument() override;
    void cancelDocument() override;

    // The page is complete and may be delivered.
    bool ended() const { return m_ended && !m_cancelled; }

protected:
    double lineHeight() const override;
    double lineWidth(const QString &line) const override;

private:
    QPointF toDevice(const QPointF &p) const;
    CharacterAdvances &advances() const;

    QPainter &m_painter;
    const double m_dotsPerMm;
    const QPointF m_origin;
    // Device units per unit of the coordinates given: 1 until the scale is set to mm.
    double m_scale = 1;
    LineStyle m_lineStyle = LineStyle::Solid;
    QFont m_font;
    mutable std::optional<CharacterAdvances> m_advances; // of m_font, made when first needed
    QRectF m_textArea;                                   // in device units
    ColorValue m_textColor = 0;
    QPointF m_position;
    bool m_ended = false;
    bool m_cancelled = false;
};
