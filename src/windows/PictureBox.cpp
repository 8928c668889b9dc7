#include "windows/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_rendered = QPixmap();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isNull()) {
        // Shows where a picture would go; nothing of it is printed.
        painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_rendered.size() != pixels) {
        m_rendered = QPixmap(pixels);
        m_rendered.fill(Qt::transparent);
        QPainter onPixmap(&m_rendered);
        onPixmap.setRenderHint(QPainter::SmoothPixmapTransform);
        onPixmap.setRenderHint(QPainter::Antialiasing);
        m_picture.draw(onPixmap, QRectF(QPointF(0, 0), QSizeF(pixels)));
        m_rendered.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(0, 0, m_rendered);
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    m_rendered = QPixmap();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
