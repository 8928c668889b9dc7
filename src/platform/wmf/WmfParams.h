// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <cstdint>
#include <QColor>
#include <QPointF>
#include <QRectF>

// Reads the parameters of one metafile record, little-endian, never past their end.
// Reading too far yields zeros and marks the reader failed, so a record handler reads
// everything it needs first and then checks ok() once before acting on it.
class WmfParams
{
public:
    WmfParams(const char *data, qsizetype size) : m_data(data), m_size(size) {}

    bool ok() const { return m_ok; }
    qsizetype remaining() const { return m_size - m_pos; }

    std::int16_t int16();
    quint16 uint16();
    quint32 uint32();
    qint32 int32();
    quint8 uint8();
    QByteArray bytes(qsizetype count);
    void skip(qsizetype count);

    // Most records store coordinates last to first: y before x, bottom-right before top-left.
    QPointF pointYX();
    QPointF pointXY();
    QRectF rectBottomRightTopLeft();
    QRectF rectLeftTopRightBottom();
    QColor colorRef();

private:
    bool take(qsizetype count);

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_ok = true;
};
