// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainterPath>
#include <QRectF>

// Cuts shapes down to the part of them that can show in an area before they are filled or
// stroked. A metafile may draw shapes millions of times larger than its frame, or pens wider
// than the whole picture; Qt would flatten, stroke and scan them whole, clipped or not.
// Curves are flattened only where they come near the area, to within tolerance (in the
// path's units), so the work depends on the area, not on the size of the shape; a shape
// is cut into a few thousand pieces at most. work grows by the points handled, which the
// caller counts against its budget.
namespace WmfPathCut {

// The region the path fills, cut to area: the same inside area for either fill rule.
QPainterPath fillWithin(const QPainterPath &path, const QRectF &area, qreal tolerance,
                        qint64 &work);

// The lines of the path cut to area, each stretch inside it an open subpath; subpaths that
// lie wholly inside are kept whole, closed ones closed. Stroked with a pen whose reach (how
// far its ink spreads from the line) is within the margin between area and what shows, the
// result looks the same as the whole path stroked.
QPainterPath linesWithin(const QPainterPath &path, const QRectF &area, qreal tolerance,
                         qint64 &work);

} // namespace WmfPathCut
