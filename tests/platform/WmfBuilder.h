// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QVector>
#include <initializer_list>

// Writes small Windows metafiles record by record, so that each test states exactly the
// drawing, or the damage, it is about.
class WmfBuilder
{
public:
    // A placeable header with this frame, or none when the frame is null.
    explicit WmfBuilder(const QRect &frame = QRect(0, 0, 1000, 1000));

    // A record of 16-bit words, written as given (records list most coordinates last first).
    WmfBuilder &record(quint16 function, std::initializer_list<qint16> words);
    WmfBuilder &record(quint16 function, const QByteArray &params);
    // A record whose size field claims this many words, whatever follows.
    WmfBuilder &rawRecord(quint32 sizeWords, quint16 function, const QByteArray &params = {});

    WmfBuilder &window(const QRect &window);
    WmfBuilder &solidBrush(const QColor &colour);
    WmfBuilder &nullPen();
    WmfBuilder &pen(qint16 width, const QColor &colour, quint16 style = 0);
    WmfBuilder &ellipse(const QRect &rect);
    WmfBuilder &text(const QPoint &reference, const QByteArray &text);
    WmfBuilder &select(quint16 index);
    WmfBuilder &rectangle(const QRect &rect);
    WmfBuilder &font(qint16 height, const QByteArray &face = "Liberation Sans",
                     qint16 escapement = 0);

    QByteArray finish() const; // with the end record
    QByteArray withoutEnd() const;

    static QByteArray words(std::initializer_list<qint16> words);
    static QByteArray dwords(std::initializer_list<quint32> dwords); // little-endian too
    static QByteArray colorRef(const QColor &colour);

private:
    QByteArray m_header;
    QByteArray m_records;
};
