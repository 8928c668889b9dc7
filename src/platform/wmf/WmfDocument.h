// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/wmf/WmfObjects.h"
#include "platform/wmf/WmfParams.h"
#include "platform/wmf/WmfRecordType.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QVector>
#include <optional>

// The part of a transfer's bitmap that the transfer draws, cut out once when the metafile is
// read: every label of a sheet then hands the page the very same image, which a page keeps
// once, rather than a copy of its own.
struct WmfBitmapPart
{
    QImage image;
    QRectF source; // where it lies in the bitmap, in the bitmap's own pixels
};

// One record of a metafile: its function and where its parameters lie in the file.
struct WmfRecord
{
    WmfRecordType type;
    qsizetype offset;
    qsizetype size;
};

// A Windows metafile checked and split into records, ready to be replayed any number of
// times. Every record lies wholly inside the file; a damaged tail is cut off, so what
// comes before it still draws. Embedded bitmaps are decoded once, here, and cut to what each
// transfer draws of them.
//
// A metafile is also played once when it is read, on a device that draws nothing: one that
// takes more work than MaxDrawingWork (see WmfPlayer) is refused as damaged, so that it is
// reported when the user chooses it rather than stalling each time it is shown or printed.
class WmfDocument
{
public:
    // Enough for detailed drawings of tens of thousands of points, and little enough that a
    // sheet of ten labels prints in a moment.
    static constexpr qint64 MaxDrawingWork = 100000;
    // Looking a face up takes about a millisecond, as long as drawing a thousand points or so;
    // it is done once, when the metafile is read, and comes out of the same budget.
    static constexpr qint64 FaceLookUpWork = 1000;

    static bool looksLikeMetafile(const QByteArray &bytes);
    static std::optional<WmfDocument> parse(const QByteArray &bytes);

    // The logical rectangle the picture occupies; a negative width or height means the
    // drawing is stored mirrored on that axis.
    QRectF frame() const { return m_frame; }
    const QVector<WmfRecord> &records() const { return m_records; }
    WmfParams params(const WmfRecord &record) const;
    const char *paramData(const WmfRecord &record) const;
    // What the transfer record at this index draws of its bitmap; nothing when it has no
    // bitmap, or draws none of it.
    const WmfBitmapPart *bitmap(int recordIndex) const;
    // The font of the font record at this index; nothing when the record is damaged.
    const WmfFont *font(int recordIndex) const;

private:
    void readRecords(qsizetype offset);
    bool readFonts();
    void decodeBitmaps();
    bool drawsWithinBudget() const;
    std::optional<QRectF> windowFromRecords() const;

    QByteArray m_bytes;
    QRectF m_frame;
    QVector<WmfRecord> m_records;
    QHash<int, WmfBitmapPart> m_bitmaps;
    QHash<int, WmfFont> m_fonts;
    qint64 m_faceWork = 0;
};
