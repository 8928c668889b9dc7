// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/wmf/WmfDocument.h"
#include "platform/wmf/WmfObjects.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <optional>

// Replays a metafile onto a painter, its frame stretched onto a target rectangle, the
// way Windows plays one into a device context whose viewport is that rectangle.
// Malformed records are skipped; the painter's state is changed freely, so callers
// save and restore around play().
//
// The player counts its work: one unit for each record, each point of a shape it draws or
// cuts, each character of text, each 64 pixels of bitmap. A crafted file can ask for far
// more work than its size suggests, so play() stops once the work passes a limit.
class WmfPlayer
{
public:
    WmfPlayer(const WmfDocument &document, QPainter &painter, const QRectF &target);
    // False when the work passed the limit and the rest of the records were left out.
    bool play(qint64 workLimit);
    qint64 work() const { return m_work; }

private:
    enum MapMode : quint16
    {
        Text = 1,
        Isotropic = 7,
        Anisotropic = 8
    };

    // The drawing state of the device context, saved and restored as a whole.
    struct State
    {
        QPen pen{QBrush(Qt::black), 0};
        QBrush brush{Qt::white};
        WmfFont font = WmfObjects::defaultFont();
        QColor textColour{Qt::black};
        QColor backgroundColour{Qt::white};
        bool opaqueBackground = true;
        quint16 textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        quint16 mapMode = Anisotropic;
        QPointF windowOrigin;
        QSizeF windowExtent;
        QPointF position;
        QRectF clip; // in the caller's coordinates
    };

    // Deeper nesting than this is ignored: no real drawing needs it.
    static constexpr int MaxSavedStates = 256;

    void playRecord(int index, const WmfRecord &record);
    void playStateRecord(const WmfRecord &record, WmfParams &params);
    void playObjectRecord(int index, const WmfRecord &record, WmfParams &params);
    void playShapeRecord(const WmfRecord &record, WmfParams &params);
    void playBlit(int index, const WmfRecord &record);

    // Window and clipping
    QTransform windowTransform() const;
    void applyWindow();
    void applyClip();
    void setWindowOrigin(const QPointF &origin);
    void setWindowExtent(const QSizeF &extent);
    void restoreState(int relativeOrAbsolute);

    // Drawing
    void prepareShape();
    QRectF visibleArea() const;
    qreal penReach() const;
    qreal flatteningTolerance() const;
    bool fitsVisibleArea(const QPainterPath &path) const;
    void drawPath(const QPainterPath &path); // filled and outlined
    void strokeLine(const QPainterPath &path);
    void drawArc(WmfRecordType type, WmfParams &params);
    void drawPolyPolygon(WmfParams &params);
    void fillBlitRectangle(const QRectF &rect, quint32 rasterOperation);

    // Text (WmfPlayerText.cpp)
    void textOut(WmfParams &params);
    void extTextOut(WmfParams &params);
    void drawText(QPointF reference, const QByteArray &bytes, const QVector<qreal> &advances);
    QTransform textTransform(const QPointF &reference) const;
    bool mayShow(const QPointF &reference, qsizetype length, const QFontMetricsF &metrics,
                 qreal fontScale) const;

    const WmfDocument &m_document;
    QPainter &m_painter;
    QRectF m_target;
    QTransform m_base;
    std::optional<QPainterPath> m_callerClip;
    State m_state;
    QVector<State> m_saved;
    WmfObjectTable m_objects;
    qint64 m_work = 0;
};
