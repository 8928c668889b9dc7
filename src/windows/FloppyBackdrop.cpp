#include "windows/FloppyBackdrop.h"

#include "windows/Millimetres.h"
#include "windows/WindowResources.h"

#include <QPainter>
#include <QSvgRenderer>

FloppyBackdrop::FloppyBackdrop(QWidget *parent) : QWidget(parent)
{
    setFixedSize(Millimetres::toPixels(QSizeF(SideMm, SideMm), *this));
}

void FloppyBackdrop::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_rendered.size() != pixels) {
        m_rendered = QPixmap(pixels);
        m_rendered.fill(Qt::transparent);
        QPainter onPixmap(&m_rendered);
        QSvgRenderer(WindowResources::floppyPath()).render(&onPixmap);
        m_rendered.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(0, 0, m_rendered);
}
