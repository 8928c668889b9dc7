// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CountingPaintDevice.h"

#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Dpi = 1200;
constexpr int WidthMm = 210;
constexpr int HeightMm = 297;

class CountingEngine : public QPaintEngine
{
public:
    explicit CountingEngine(CountingPaintDevice &device)
        : QPaintEngine(QPaintEngine::AllFeatures), m_device(device)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPath(const QPainterPath &path) override { m_device.points += path.elementCount(); }
    void drawPolygon(const QPointF *, int pointCount, PolygonDrawMode) override
    {
        m_device.points += pointCount;
    }
    void drawPixmap(const QRectF &, const QPixmap &pixmap, const QRectF &) override
    {
        m_device.images.append({pixmap.cacheKey(), pixmap.size()});
    }
    void drawImage(const QRectF &, const QImage &image, const QRectF &,
                   Qt::ImageConversionFlags) override
    {
        m_device.images.append({image.cacheKey(), image.size()});
    }
    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        m_device.characters += item.text().size();
        m_device.texts.append({state->transform().map(position), item.text()});
    }
    Type type() const override { return QPaintEngine::User; }

private:
    CountingPaintDevice &m_device;
};

} // namespace

CountingPaintDevice::CountingPaintDevice() : m_engine(new CountingEngine(*this)) {}

CountingPaintDevice::~CountingPaintDevice() = default;

QPaintEngine *CountingPaintDevice::paintEngine() const
{
    return m_engine.get();
}

int CountingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return int(WidthMm * Dpi / 25.4);
    case PdmHeight:
        return int(HeightMm * Dpi / 25.4);
    case PdmWidthMM:
        return WidthMm;
    case PdmHeightMM:
        return HeightMm;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return Dpi;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return INT_MAX;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}
