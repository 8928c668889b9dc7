// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfDryRunDevice.h"

namespace {

constexpr int Dpi = 96;

class DiscardingEngine : public QPaintEngine
{
public:
    // Every feature claimed, so that QPainter hands everything over instead of emulating it.
    DiscardingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &,
                   Qt::ImageConversionFlags) override
    {
    }
    void drawTextItem(const QPointF &, const QTextItem &) override {}
    Type type() const override { return QPaintEngine::User; }
};

} // namespace

WmfDryRunDevice::WmfDryRunDevice(int side) : m_side(side), m_engine(new DiscardingEngine) {}

WmfDryRunDevice::~WmfDryRunDevice() = default;

QPaintEngine *WmfDryRunDevice::paintEngine() const
{
    return m_engine.get();
}

int WmfDryRunDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return m_side;
    case PdmWidthMM:
    case PdmHeightMM:
        return m_side * 254 / (10 * Dpi);
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
