// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/RunLimits.h"

#include "label/NumberText.h"

#include <QCoreApplication>

namespace RunLimits {

QString tooManyCopiesMessage()
{
    return QCoreApplication::translate("RunLimits", "Nombre maximum d'étiquettes identiques = 10");
}

QString tooFewCopiesMessage()
{
    return QCoreApplication::translate("RunLimits", "Nombre minimum d'étiquettes = 1");
}

QString pastSheetEndMessage(int startLabel)
{
    return QCoreApplication::translate(
               "RunLimits", "Nombre maximun d'étiquettes = %1\r à partir de l'étiquette N° %2")
        .arg(NumberText::signedForm(double(positionsFrom(startLabel))),
             NumberText::signedForm(double(startLabel)));
}

} // namespace RunLimits
