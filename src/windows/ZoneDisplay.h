#pragma once

#include "label/ColorValue.h"
#include "label/TextZone.h"

#include <QWidget>

// One text zone on the on-screen label, drawn the way it prints: in the zone's font,
// colour and alignment, wrapped at word boundaries and cut at the bottom edge. Its
// background tells whether it is the zone being edited; a click asks to edit it.
class ZoneDisplay : public QWidget
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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TextZone m_zone;
    ColorValue m_backColor = NormalBackColor;
    bool m_pressed = false;
};
