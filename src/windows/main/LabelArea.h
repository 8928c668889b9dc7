// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// The label itself, white and at print size; the zone displays and the picture box sit on
// it at their printed places.
class LabelArea : public QWidget
{
    Q_OBJECT

public:
    explicit LabelArea(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
