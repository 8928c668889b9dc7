#pragma once

#include "platform/Picture.h"

#include <QtGlobal>

// The drawing a picture asks of the page, counted call by call rather than timed, so that
// a check of it holds on any machine, however loaded.
struct PaintWork
{
    qint64 calls = 0;       // drawing calls that reach the page
    qint64 elements = 0;    // points, lines, rectangles, path elements and characters
    qint64 imagePixels = 0; // source pixels of the images drawn
};

// Draws the picture as renderPicture() does, on a page that only counts.
PaintWork measurePaintWork(const Picture &picture, qreal targetMm, int dotsPerInch);
