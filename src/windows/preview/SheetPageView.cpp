// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/preview/SheetPageView.h"

#include <QPainter>
#include <algorithm>

namespace {

// Desk around the page, in pixels.
constexpr int DeskMargin = 8;

} // namespace

SheetPageView::SheetPageView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 160);
}

double SheetPageView::fittingScale(const QSizeF &paperMm) const
{
    if (paperMm.isEmpty())
        return 1;
    const double across = (width() - 2 * DeskMargin) / paperMm.width();
    const double down = (height() - 2 * DeskMargin) / paperMm.height();
    return std::max(0.1, std::min(across, down)) * devicePixelRatioF();
}

void SheetPageView::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_picture.setDevicePixelRatio(devicePixelRatioF());
    update();
}

QRectF SheetPageView::pagePlace() const
{
    const QSizeF room = QSizeF(size()) - QSizeF(2 * DeskMargin, 2 * DeskMargin);
    const QSizeF page = m_picture.deviceIndependentSize().scaled(room, Qt::KeepAspectRatio);
    return {QPointF((width() - page.width()) / 2, (height() - page.height()) / 2), page};
}

void SheetPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (m_picture.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pagePlace(), m_picture);
}

void SheetPageView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}
