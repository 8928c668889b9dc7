// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/Picture.h"
#include "windows/shared/RenderedPixmap.h"

#include <QWidget>

// The label's picture on screen, stretched over the whole box whatever its proportions.
// It is rendered once per picture and size, so a metafile is not replayed at each paint.
// A double click asks for another picture.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // drawn, when given, is the picture as drawnFor drew it for this box's present size, off
    // the window's thread: the box shows it without drawing the picture itself.
    void setPicture(const Picture &picture, const QImage &drawn = QImage());
    // The box's size in device pixels, and how a box of that size shows picture; safe on any
    // thread.
    QSize pixelSize() const;
    static QImage drawnFor(const Picture &picture, const QSize &pixels);
    const Picture &picture() const { return m_picture; }
    // Whether an empty box shows where a picture would go (on by default). Off where the
    // box shows the label as it prints, which has no such outline.
    void setEmptyPlaceShown(bool shown);

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Picture m_picture;
    bool m_emptyPlaceShown = true;
    RenderedPixmap m_rendered;
};
