// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/Picture.h"

#include <QColor>
#include <QImage>
#include <QList>

class QPaintDevice;

// A picture drawn the way the program draws it: on a surface measured in millimetres, into
// a square target with a margin of magenta around it, so that drawing outside shows.
struct RenderedPicture
{
    QImage image;
    QRectF target; // in pixels of image

    // The colour at a point of the target given as fractions of its width and height.
    QColor at(qreal fx, qreal fy) const;
    // Pixels of the target close to colour, as a fraction of all its pixels.
    qreal share(const QColor &colour, int tolerance = 40) const;
};

constexpr qreal MarginMm = 2;
extern const QColor Margin;

RenderedPicture renderPicture(const Picture &picture, qreal targetMm, int dotsPerInch);
// Draws the picture into each target in turn with one painter, as a sheet of labels does.
void drawPicture(QPaintDevice &device, const Picture &picture, const QList<QRectF> &targets);

bool similar(const QColor &a, const QColor &b, int tolerance = 40);
