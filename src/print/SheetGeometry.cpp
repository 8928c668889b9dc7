// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/SheetGeometry.h"

#include <QCoreApplication>

namespace {

// The number is right-aligned in two places, so the tenth reads "Etiquette10" and every
// caption has the same width.
const char *const PositionCaption = QT_TRANSLATE_NOOP("SheetGeometry", "Etiquette%1");

} // namespace

namespace SheetGeometry {

QPointF labelOrigin(int position, const std::array<double, 4> &spacing)
{
    const int row = (position - 1) / 2;
    const int column = (position - 1) % 2;
    return {spacing[0] + column * (LabelWidth + spacing[3]),
            spacing[1] + row * (LabelHeight + spacing[2])};
}

QString positionCaption(int position)
{
    return QString::fromLatin1(PositionCaption).arg(position, 2);
}

QString shownPositionCaption(int position)
{
    // A language that spaces its number ("Label %1") needs no padding before it.
    return QCoreApplication::translate("SheetGeometry", PositionCaption)
        .arg(position, 2)
        .simplified();
}

QString distanceName(SheetDistance distance)
{
    switch (distance) {
    case SheetDistance::LeftMargin:
        return QCoreApplication::translate("SheetGeometry", "Marge gauche");
    case SheetDistance::TopMargin:
        return QCoreApplication::translate("SheetGeometry", "Marge haute");
    case SheetDistance::RowGap:
        return QCoreApplication::translate("SheetGeometry", "Séparateur vertical");
    case SheetDistance::ColumnGap:
        break;
    }
    return QCoreApplication::translate("SheetGeometry", "Séparateur horizontal");
}

} // namespace SheetGeometry
