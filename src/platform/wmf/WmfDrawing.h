// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/VectorDrawing.h"
#include "platform/wmf/WmfDocument.h"

// A label's picture kept as a Windows metafile, replayed at each size it is drawn.
class WmfDrawing : public VectorDrawing
{
public:
    explicit WmfDrawing(WmfDocument document) : m_document(std::move(document)) {}

    QSizeF naturalSize() const override;
    void draw(QPainter &painter, const QRectF &target) const override;

private:
    WmfDocument m_document;
};
