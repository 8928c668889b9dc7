// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/TextZone.h"

#include <QWidget>

// One text zone of the preview: white, drawn as the main window draws its zones, but only
// to be looked at. Assistive technology reads the text shown as its name.
class PreviewZone : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewZone(QWidget *parent = nullptr);

    void setZone(const TextZone &zone);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TextZone m_zone;
};
