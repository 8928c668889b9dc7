// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSizeF>
#include <QTransform>
#include <QWidget>

// The preview's white label panel. Its drawing runs in millimetres from 0 to 70.2 across
// and 0 to 50.2 down, each axis scaled on its own to the panel: the label's 70 x 50 fills
// it, and the 0.2 to spare keeps the outline's right and bottom lines inside. It keeps the
// outlines it was last asked for and draws them at every paint.
class PreviewPanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSizeF DrawingSizeMm{70.2, 50.2};

    explicit PreviewPanel(QWidget *parent = nullptr);

    // The frame is drawn before the cut outline, solid; the cut outline dash-dot.
    void setOutlines(bool frame, bool cutOutline);

    // From the panel's millimetres to its pixels.
    QTransform millimetresToPixels() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_frame = false;
    bool m_cutOutline = false;
};
