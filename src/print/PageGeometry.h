// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

// One page as a job will print it: the paper and the area the printer can reach, both in
// millimetres on the page as oriented (x to the right, y downwards from the top-left corner).
struct PageGeometry
{
    enum class Orientation
    {
        Portrait,
        Landscape
    };

    QSizeF paperSizeMm;
    QRectF printableAreaMm;
    Orientation orientation = Orientation::Portrait;
    QString mediaKeyword; // the CUPS media name, e.g. "iso_a4_210x297mm"

    // A PDF page: nothing stops it short of its edges.
    static PageGeometry a4(Orientation orientation)
    {
        const QSizeF upright(210, 297);
        const QSizeF a4 = orientation == Orientation::Landscape ? upright.transposed() : upright;
        return {a4, QRectF(QPointF(0, 0), a4), orientation, QStringLiteral("iso_a4_210x297mm")};
    }
    // The page of `korvalin --pdf`.
    static PageGeometry a4Portrait() { return a4(Orientation::Portrait); }

    // The word an orientation is stored and passed under: "portrait" or "landscape".
    static QString orientationName(Orientation orientation)
    {
        return orientation == Orientation::Landscape ? QStringLiteral("landscape")
                                                     : QStringLiteral("portrait");
    }
    // The orientation such a word names; nothing for any other word.
    static std::optional<Orientation> orientationNamed(const QString &name)
    {
        for (const Orientation orientation : {Orientation::Portrait, Orientation::Landscape}) {
            if (name == orientationName(orientation))
                return orientation;
        }
        return std::nullopt;
    }
};
