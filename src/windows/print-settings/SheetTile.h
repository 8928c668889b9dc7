// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QColor>

// One label position on the sheet mock-up of the print settings window: a bordered box
// with its name in bold, white, or light cyan when it is the chosen position; grey and
// hatched, with "(utilisée)" under its name, when a label was printed there already. It is
// a button to assistive technology (its name and a press action) and to the keyboard.
class SheetTile : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr QRgb ChosenBackColor = qRgb(192, 255, 255);
    static constexpr QRgb NormalBackColor = qRgb(255, 255, 255);
    static constexpr QRgb UsedBackColor = qRgb(240, 240, 240);
    static constexpr QRgb UsedHatchColor = qRgb(160, 160, 160);

    explicit SheetTile(const QString &caption, QWidget *parent = nullptr);

    void setChosen(bool chosen);
    void setUsed(bool used);
    bool isUsed() const { return m_used; }
    QRgb backColor() const
    {
        return m_chosen ? ChosenBackColor : m_used ? UsedBackColor : NormalBackColor;
    }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static QString usedCaption();

    bool m_chosen = false;
    bool m_used = false;
};
