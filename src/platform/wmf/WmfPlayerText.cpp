// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfPlayer.h"

#include "label/Cp1252.h"

#include <QFontMetricsF>

// Text is placed the way Windows places it in a metafile: the reference point follows the
// window mapping, but glyphs stay upright and unmirrored, scaled with the picture. Font
// sizes are in logical units; see WmfFont for how they stay exact on every device.

namespace {

enum TextAlign : quint16
{
    UpdateCurrentPosition = 0x0001,
    HorizontalMask = 0x0006,
    Right = 0x0002,
    Centre = 0x0006,
    VerticalMask = 0x0018,
    Bottom = 0x0008,
    Baseline = 0x0018,
};

// Placing a text costs as much as a detailed shape; then each character is measured and drawn.
constexpr qint64 TextWorkPerRecord = 32;
constexpr qint64 TextWorkPerCharacter = 2;
// Characters placed one by one are each drawn on their own.
constexpr qint64 TextWorkPerPlacedCharacter = 8;

enum ExtTextOption : quint16
{
    Opaque = 0x0002,
    Clipped = 0x0004
};

QByteArray readString(WmfParams &params, int length)
{
    const QByteArray bytes = params.bytes(length);
    params.skip(length % 2); // strings are padded to whole 16-bit words
    return bytes;
}

} // namespace

void WmfPlayer::textOut(WmfParams &params)
{
    const int length = params.int16();
    const QByteArray bytes = readString(params, length);
    const QPointF reference = params.pointYX();
    if (params.ok())
        drawText(reference, bytes, {});
}

void WmfPlayer::extTextOut(WmfParams &params)
{
    const QPointF reference = params.pointYX();
    const int length = params.int16();
    const quint16 options = params.uint16();
    QRectF rect;
    if (options & (Opaque | Clipped))
        rect = params.rectLeftTopRightBottom().normalized();
    const QByteArray bytes = readString(params, length);
    QVector<qreal> advances;
    if (params.ok() && params.remaining() >= qsizetype(length) * 2) {
        advances.reserve(length);
        for (int i = 0; i < length; ++i)
            advances.append(params.int16());
    }
    if (!params.ok())
        return;

    m_painter.save();
    if (options & Opaque)
        m_painter.fillRect(rect, m_state.backgroundColour);
    if (options & Clipped)
        m_painter.setClipRect(rect, Qt::IntersectClip);
    drawText(reference, bytes, advances);
    m_painter.restore();
}

bool WmfPlayer::mayShow(const QPointF &reference, qsizetype length, const QFontMetricsF &metrics,
                        qreal fontScale) const
{
    // However it is aligned or turned, the text stays within this distance of its reference
    // point, in logical units.
    const qreal glyphWidth = qMax(metrics.maxWidth(), metrics.height());
    const qreal reach = (qreal(length) * glyphWidth + 2 * metrics.height()) * fontScale;
    const QRectF area = visibleArea();
    return reference.x() + reach >= area.left() && reference.x() - reach <= area.right() &&
           reference.y() + reach >= area.top() && reference.y() - reach <= area.bottom();
}

QTransform WmfPlayer::textTransform(const QPointF &reference) const
{
    const QTransform window = windowTransform();
    const QPointF origin = window.map(reference);
    QTransform transform;
    transform.translate(origin.x(), origin.y());
    transform.scale(qAbs(window.m11()), qAbs(window.m22()));
    transform.rotate(-m_state.font.escapementDegrees);
    const qreal fontScale = m_state.font.scale();
    transform.scale(fontScale, fontScale);
    return transform * m_base;
}

void WmfPlayer::drawText(QPointF reference, const QByteArray &bytes, const QVector<qreal> &advances)
{
    if (bytes.isEmpty())
        return;
    const WmfFont &font = m_state.font;
    const QFontMetricsF metrics(font.font);
    const qreal fontScale = font.scale();
    const bool updatePosition = m_state.textAlign & UpdateCurrentPosition;
    if (updatePosition)
        reference = m_state.position;
    // Text that cannot reach the visible area is not laid out at all, unless the position it
    // moves needs its width.
    else if (!mayShow(reference, bytes.size(), metrics, fontScale))
        return;
    m_work +=
        TextWorkPerRecord +
        (advances.isEmpty() ? TextWorkPerCharacter : TextWorkPerPlacedCharacter) * bytes.size();
    const QString text = Cp1252::decode(bytes);

    // Everything below is in the font's reference units, along the baseline.
    QVector<qreal> offsets;
    qreal width = 0;
    if (advances.isEmpty()) {
        width = metrics.horizontalAdvance(text);
    } else {
        offsets.reserve(advances.size());
        for (qreal advance : advances) {
            offsets.append(width);
            width += advance / fontScale;
        }
    }

    qreal x = 0;
    switch (m_state.textAlign & HorizontalMask) {
    case Right:
        x = -width;
        break;
    case Centre:
        x = -width / 2;
        break;
    default:
        break;
    }
    qreal baseline = metrics.ascent();
    switch (m_state.textAlign & VerticalMask) {
    case Bottom:
        baseline = -metrics.descent();
        break;
    case Baseline:
        baseline = 0;
        break;
    default:
        break;
    }
    if (updatePosition) {
        // The position moves to the far end of the text from where it was anchored.
        const qreal direction = windowTransform().m11() < 0 ? -1 : 1;
        m_state.position.rx() += direction * (2 * x + width) * fontScale;
    }

    m_painter.save();
    m_painter.setWorldTransform(textTransform(reference));
    if (m_state.opaqueBackground) {
        m_painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                           m_state.backgroundColour);
    }
    m_painter.setFont(font.font);
    m_painter.setPen(m_state.textColour);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    if (offsets.isEmpty()) {
        m_painter.drawText(QPointF(x, baseline), text);
    } else {
        for (int i = 0; i < text.size() && i < offsets.size(); ++i)
            m_painter.drawText(QPointF(x + offsets.at(i), baseline), text.at(i));
    }
    m_painter.restore();
}
