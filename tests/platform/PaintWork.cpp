#include "PaintWork.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>
#include <cmath>

namespace {

qint64 area(const QRectF &rect)
{
    return qint64(std::ceil(qAbs(rect.width()))) * qint64(std::ceil(qAbs(rect.height())));
}

class CountingEngine : public QPaintEngine
{
public:
    explicit CountingEngine(PaintWork &work) : QPaintEngine(AllFeatures), m_work(work) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return User; }

    void drawRects(const QRect *, int count) override { add(count); }
    void drawRects(const QRectF *, int count) override { add(count); }
    void drawLines(const QLine *, int count) override { add(count); }
    void drawLines(const QLineF *, int count) override { add(count); }
    void drawEllipse(const QRectF &) override { add(1); }
    void drawEllipse(const QRect &) override { add(1); }
    void drawPath(const QPainterPath &path) override { add(path.elementCount()); }
    void drawPoints(const QPointF *, int count) override { add(count); }
    void drawPoints(const QPoint *, int count) override { add(count); }
    void drawPolygon(const QPointF *, int count, PolygonDrawMode) override { add(count); }
    void drawPolygon(const QPoint *, int count, PolygonDrawMode) override { add(count); }
    void drawTextItem(const QPointF &, const QTextItem &item) override { add(item.text().size()); }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &source) override
    {
        add(1);
        m_work.imagePixels += area(source);
    }
    void drawTiledPixmap(const QRectF &target, const QPixmap &, const QPointF &) override
    {
        add(1);
        m_work.imagePixels += area(target);
    }
    void drawImage(const QRectF &, const QImage &, const QRectF &source,
                   Qt::ImageConversionFlags) override
    {
        add(1);
        m_work.imagePixels += area(source);
    }

private:
    void add(qint64 elements)
    {
        ++m_work.calls;
        m_work.elements += elements;
    }

    PaintWork &m_work;
};

class CountingDevice : public QPaintDevice
{
public:
    CountingDevice(PaintWork &work, int side, int dotsPerInch)
        : m_engine(work), m_side(side), m_dotsPerInch(dotsPerInch)
    {
    }

    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return m_side;
        case PdmWidthMM:
        case PdmHeightMM:
            return int(m_side * 25.4 / m_dotsPerInch);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dotsPerInch;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable CountingEngine m_engine;
    int m_side;
    int m_dotsPerInch;
};

} // namespace

PaintWork measurePaintWork(const Picture &picture, qreal targetMm, int dotsPerInch)
{
    PaintWork work;
    const qreal pixelsPerMm = dotsPerInch / 25.4;
    CountingDevice device(work, int(std::ceil(targetMm * pixelsPerMm)), dotsPerInch);
    QPainter painter(&device);
    painter.scale(pixelsPerMm, pixelsPerMm);
    picture.draw(painter, QRectF(0, 0, targetMm, targetMm));
    painter.end();
    return work;
}
