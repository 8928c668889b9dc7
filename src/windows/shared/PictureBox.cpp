// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

namespace {

void drawStretched(const Picture &picture, QPainter &painter, const QSize &pixels)
{
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
}

} // namespace

void PictureBox::setPicture(const Picture &picture, const QImage &drawn)
{
    m_picture = picture;
    m_rendered.invalidate();
    if (!drawn.isNull())
        m_rendered.keep(drawn, *this);
    update();
}

QSize PictureBox::pixelSize() const
{
    return RenderedPixmap::pixelSize(*this);
}

QImage PictureBox::drawnFor(const Picture &picture, const QSize &pixels)
{
    return RenderedPixmap::drawn(pixels, [&picture](QPainter &painter, const QSize &size) {
        drawStretched(picture, painter, size);
    });
}

void PictureBox::setEmptyPlaceShown(bool shown)
{
    m_emptyPlaceShown = shown;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        if (!m_emptyPlaceShown)
            return;
        // Shows where a picture would go; nothing of it is printed.
        painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    const QPixmap &shown = m_rendered.of(*this, [this](QPainter &onImage, const QSize &pixels) {
        drawStretched(m_picture, onImage, pixels);
    });
    painter.drawPixmap(0, 0, shown);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
