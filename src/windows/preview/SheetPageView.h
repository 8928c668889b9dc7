// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSizeF>
#include <QWidget>

// Shows one page as large as the widget allows, centred on a grey desk. Until the page is
// drawn again for a new size, the last picture is stretched to it.
class SheetPageView : public QWidget
{
    Q_OBJECT

public:
    explicit SheetPageView(QWidget *parent = nullptr);

    // The pixels per millimetre at which a page of that paper fits the widget.
    double fittingScale(const QSizeF &paperMm) const;

    void setPicture(const QImage &picture);
    bool hasPicture() const { return !m_picture.isNull(); }

signals:
    // The widget has a new size: its page is to be drawn again to fit it.
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRectF pagePlace() const;

    QImage m_picture;
};
