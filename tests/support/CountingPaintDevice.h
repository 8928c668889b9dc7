// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>
#include <memory>

// A page that draws nothing and keeps count of what it was handed: how much drawing work
// a picture or a label costs, measured where the work lands, whatever the code above did.
// Its size and resolution are those of a printed A4 page at 1200 dpi.
class CountingPaintDevice : public QPaintDevice
{
public:
    struct TextRun
    {
        QPointF position; // of the baseline's start, in device units
        QString text;
    };
    struct ImageDrawn
    {
        qint64 cacheKey;
        QSize size;
    };

    CountingPaintDevice();
    ~CountingPaintDevice() override;

    QPaintEngine *paintEngine() const override;

    // Points of shapes (path elements, polygon corners) and characters of text.
    qint64 points = 0;
    qint64 characters = 0;
    QList<TextRun> texts;
    QList<ImageDrawn> images;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> m_engine;
};
