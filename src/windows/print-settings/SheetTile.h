// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QColor>

// One label position on the sheet mock-up of the print settings window: a bordered box
// with its name in bold, white, or light cyan when it is the chosen position. It is a
// button to assistive technology (its name and a press action) and to the keyboard.
class SheetTile : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr QRgb ChosenBackColor = qRgb(192, 255, 255);
    static constexpr QRgb NormalBackColor = qRgb(255, 255, 255);

    explicit SheetTile(const QString &caption, QWidget *parent = nullptr);

    void setChosen(bool chosen);
    QRgb backColor() const { return m_chosen ? ChosenBackColor : NormalBackColor; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_chosen = false;
};
