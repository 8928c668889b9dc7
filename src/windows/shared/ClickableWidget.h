// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPainter;

// A drawn area that acts as a button: a click with the left button, or Space or Enter
// when it has the keyboard focus, presses it. Assistive technology sees a push button
// with the widget's accessible name and a press action, so screen readers and UI
// automation can find and press it like any other control.
class ClickableWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ClickableWidget(QWidget *parent = nullptr);

    // Presses the area as a click would.
    void press() { emit clicked(); }

    // Makes assistive technology see clickable areas as buttons; once per program.
    static void installAccessibility();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    // Where a subclass shows that the area has the keyboard focus.
    void drawFocusFrame(QPainter &painter) const;

private:
    bool m_pressed = false;
};
