// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf/WmfParams.h"

#include <QtEndian>

bool WmfParams::take(qsizetype count)
{
    if (!m_ok || count < 0 || count > remaining()) {
        m_ok = false;
        return false;
    }
    m_pos += count;
    return true;
}

quint8 WmfParams::uint8()
{
    return take(1) ? quint8(m_data[m_pos - 1]) : 0;
}

quint16 WmfParams::uint16()
{
    return take(2) ? qFromLittleEndian<quint16>(m_data + m_pos - 2) : 0;
}

std::int16_t WmfParams::int16()
{
    return take(2) ? qFromLittleEndian<std::int16_t>(m_data + m_pos - 2) : 0;
}

quint32 WmfParams::uint32()
{
    return take(4) ? qFromLittleEndian<quint32>(m_data + m_pos - 4) : 0;
}

qint32 WmfParams::int32()
{
    return take(4) ? qFromLittleEndian<qint32>(m_data + m_pos - 4) : 0;
}

QByteArray WmfParams::bytes(qsizetype count)
{
    return take(count) ? QByteArray(m_data + m_pos - count, count) : QByteArray();
}

void WmfParams::skip(qsizetype count)
{
    take(count);
}

QPointF WmfParams::pointYX()
{
    const qreal y = int16();
    const qreal x = int16();
    return {x, y};
}

QPointF WmfParams::pointXY()
{
    const qreal x = int16();
    const qreal y = int16();
    return {x, y};
}

QRectF WmfParams::rectBottomRightTopLeft()
{
    const QPointF bottomRight = pointYX();
    const QPointF topLeft = pointYX();
    return QRectF(topLeft, bottomRight);
}

QRectF WmfParams::rectLeftTopRightBottom()
{
    const QPointF topLeft = pointXY();
    const QPointF bottomRight = pointXY();
    return QRectF(topLeft, bottomRight);
}

QColor WmfParams::colorRef()
{
    const quint8 red = uint8();
    const quint8 green = uint8();
    const quint8 blue = uint8();
    skip(1);
    return QColor(red, green, blue);
}
