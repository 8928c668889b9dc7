// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WmfBuilder.h"

#include <QtEndian>

namespace {

void append16(QByteArray &bytes, quint16 value)
{
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

void append32(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

} // namespace

WmfBuilder::WmfBuilder(const QRect &frame)
{
    if (!frame.isNull()) {
        append32(m_header, 0x9AC6CDD7);
        append16(m_header, 0);
        for (int value : {frame.left(), frame.top(), frame.left() + frame.width(),
                          frame.top() + frame.height()})
            append16(m_header, quint16(value));
        append16(m_header, 1440);
        append32(m_header, 0);
        append16(m_header, 0); // a wrong checksum, as many real files have
    }
}

QByteArray WmfBuilder::words(std::initializer_list<qint16> values)
{
    QByteArray bytes;
    for (qint16 value : values)
        append16(bytes, quint16(value));
    return bytes;
}

QByteArray WmfBuilder::dwords(std::initializer_list<quint32> values)
{
    QByteArray bytes;
    for (quint32 value : values) {
        append16(bytes, quint16(value));
        append16(bytes, quint16(value >> 16));
    }
    return bytes;
}

QByteArray WmfBuilder::colorRef(const QColor &colour)
{
    QByteArray bytes;
    bytes.append(char(colour.red()))
        .append(char(colour.green()))
        .append(char(colour.blue()))
        .append('\0');
    return bytes;
}

WmfBuilder &WmfBuilder::record(quint16 function, std::initializer_list<qint16> values)
{
    return record(function, words(values));
}

WmfBuilder &WmfBuilder::record(quint16 function, const QByteArray &params)
{
    QByteArray padded = params;
    if (padded.size() % 2)
        padded.append('\0');
    return rawRecord(quint32(3 + padded.size() / 2), function, padded);
}

WmfBuilder &WmfBuilder::rawRecord(quint32 sizeWords, quint16 function, const QByteArray &params)
{
    append32(m_records, sizeWords);
    append16(m_records, function);
    m_records.append(params);
    return *this;
}

WmfBuilder &WmfBuilder::window(const QRect &window)
{
    record(0x020B, {qint16(window.top()), qint16(window.left())});
    return record(0x020C, {qint16(window.height()), qint16(window.width())});
}

WmfBuilder &WmfBuilder::solidBrush(const QColor &colour)
{
    return record(0x02FC, words({0}) + colorRef(colour) + words({0}));
}

WmfBuilder &WmfBuilder::nullPen()
{
    return record(0x02FA, words({5, 0, 0}) + colorRef(Qt::black));
}

WmfBuilder &WmfBuilder::pen(qint16 width, const QColor &colour, quint16 style)
{
    return record(0x02FA, words({qint16(style), width, 0}) + colorRef(colour));
}

WmfBuilder &WmfBuilder::ellipse(const QRect &rect)
{
    return record(0x0418, {qint16(rect.top() + rect.height()), qint16(rect.left() + rect.width()),
                           qint16(rect.top()), qint16(rect.left())});
}

WmfBuilder &WmfBuilder::text(const QPoint &reference, const QByteArray &text)
{
    return record(0x0521, words({qint16(text.size())}) + text + QByteArray(text.size() % 2, '\0') +
                              words({qint16(reference.y()), qint16(reference.x())}));
}

WmfBuilder &WmfBuilder::select(quint16 index)
{
    return record(0x012D, {qint16(index)});
}

WmfBuilder &WmfBuilder::rectangle(const QRect &rect)
{
    return record(0x041B, {qint16(rect.top() + rect.height()), qint16(rect.left() + rect.width()),
                           qint16(rect.top()), qint16(rect.left())});
}

WmfBuilder &WmfBuilder::font(qint16 height, const QByteArray &face, qint16 escapement)
{
    QByteArray params = words({height, 0, escapement, escapement, 400});
    params.append(QByteArray(8, '\0'));
    params.append(face.left(31)).append('\0');
    return record(0x02FB, params);
}

QByteArray WmfBuilder::withoutEnd() const
{
    QByteArray header;
    append16(header, 1);
    append16(header, 9);
    append16(header, 0x0300);
    append32(header, quint32((18 + m_records.size() + 6) / 2));
    append16(header, 0);
    append32(header, 0);
    append16(header, 0);
    return m_header + header + m_records;
}

QByteArray WmfBuilder::finish() const
{
    QByteArray end;
    append32(end, 3);
    append16(end, 0);
    return withoutEnd() + end;
}
