// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QRectF>
#include <QWidget>

// The 3.5-inch floppy disk drawn behind the label area, at its real size.
class FloppyBackdrop : public QWidget
{
    Q_OBJECT

public:
    static constexpr double SideMm = 93.0;
    // Where the label area sits on the disk, in mm from the disk's top-left corner.
    static constexpr QRectF LabelPlaceMm{10.5, 37.5, 72.0, 51.0};

    explicit FloppyBackdrop(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_disk;
};
