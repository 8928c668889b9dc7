// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ColorValue.h"
#include "label/TextZone.h"

#include "windows/shared/ClickableWidget.h"

// One text zone on the on-screen label, drawn the way it prints: in the zone's font,
// colour and alignment, wrapped at word boundaries and cut at the bottom edge. Its
// background tells whether it is the zone being edited; pressing it asks to edit it. A zone
// whose text does not fit is marked in its corner and says so in its tooltip.
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
    // Whether the text, as last drawn, runs past the zone's edges.
    bool isTextCut() const { return m_textCut; }

    // The font a zone is drawn with.
    static QFont fontOf(const TextZone &zone);
    // Draws a zone's text into area the way it prints: its font, colour and alignment,
    // wrapped at word boundaries and cut at area's edges. True when some of it was cut.
    static bool drawText(QPainter &painter, const QRect &area, const TextZone &zone);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawCutMark(QPainter &painter) const;

    TextZone m_zone;
    ColorValue m_backColor = NormalBackColor;
    bool m_textCut = false;
};
