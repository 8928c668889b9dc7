// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ColorValue.h"
#include "label/TextZone.h"

#include "windows/shared/ClickableWidget.h"

// One text zone on the on-screen label, drawn the way it prints: in the zone's font,
// colour and alignment, wrapped at word boundaries and cut at the bottom edge. Its
// background tells whether it is the zone being edited; pressing it asks to edit it.
// Assistive technology reads the zone's text as the control's description.
class ZoneDisplay : public ClickableWidget
{
    Q_OBJECT

public:
    static constexpr ColorValue SelectedBackColor = 12632256; // light grey, 0xC0C0C0
    static constexpr ColorValue NormalBackColor = 16777215;   // white

    explicit ZoneDisplay(QWidget *parent = nullptr);

    void setZone(const TextZone &zone);
    void setBackColor(ColorValue color);
    ColorValue backColor() const { return m_backColor; }

    // The font a zone is drawn with.
    static QFont fontOf(const TextZone &zone);
    // Draws a zone's text into area the way it prints: its font, colour and alignment,
    // wrapped at word boundaries and cut at area's edges.
    static void drawText(QPainter &painter, const QRect &area, const TextZone &zone);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TextZone m_zone;
    ColorValue m_backColor = NormalBackColor;
};
