// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageSurface.h"

#include <QList>

// A page surface that keeps every call, in millimetres, for the tests to inspect. Its
// fonts are simple: each character is 0.25 mm per point wide and a line is 0.5 mm per
// point high (an 8-point line is 4 mm high, "abc" in 8 points is 6 mm wide).
class RecordingSurface : public PageSurface
{
public:
    struct Line
    {
        QPointF from, to;
        LineStyle style;
        ColorValue color;
        bool operator==(const Line &other) const
        {
            return from == other.from && to == other.to && style == other.style &&
                   color == other.color;
        }
    };
    struct Text
    {
        QPointF position;
        QString text;
        QString font;
        float pointSize;
        bool bold, italic;
        ColorValue color;
    };

    void setScaleMillimetres() override { m_scaleSet = true; }
    void setLineStyle(LineStyle style) override { m_style = style; }
    void drawLine(const QPointF &from, const QPointF &to, ColorValue color) override;
    void drawPicture(const Picture &picture, const QRectF &target) override;
    void setFont(const QString &name, float pointSize, bool bold, bool italic) override;
    void setTextColor(ColorValue color) override { m_color = color; }
    void setCurrentPosition(const QPointF &position) override { m_position = position; }
    void printText(const QString &text) override;
    void setTextArea(const QRectF &area) override { textArea = area; }
    void endDocument() override { ++ended; }
    void cancelDocument() override { ++cancelled; }

    static double charWidth(float pointSize) { return 0.25 * pointSize; }
    static double lineHeightOf(float pointSize) { return 0.5 * pointSize; }

    QList<Line> lines;
    QList<Text> texts;
    QList<QRectF> pictures;
    QRectF textArea;
    int ended = 0;
    int cancelled = 0;

protected:
    double lineHeight() const override { return lineHeightOf(m_pointSize); }
    double lineWidth(const QString &line) const override
    {
        return line.size() * charWidth(m_pointSize);
    }

private:
    bool m_scaleSet = false;
    LineStyle m_style = LineStyle::Solid;
    QString m_font;
    float m_pointSize = 8.25f;
    bool m_bold = false;
    bool m_italic = false;
    ColorValue m_color = 0;
    QPointF m_position;
};
