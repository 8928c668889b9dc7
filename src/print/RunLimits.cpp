// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/RunLimits.h"

#include "label/NumberText.h"

namespace RunLimits {

QString tooManyCopiesMessage()
{
    return QStringLiteral("Nombre maximum d'étiquettes identiques = 10");
}

QString tooFewCopiesMessage()
{
    return QStringLiteral("Nombre minimum d'étiquettes = 1");
}

QString pastSheetEndMessage(int startLabel)
{
    return QStringLiteral("Nombre maximun d'étiquettes = ") +
           NumberText::signedForm(double(positionsFrom(startLabel))) + QLatin1Char('\r') +
           QStringLiteral(" à partir de l'étiquette N° ") +
           NumberText::signedForm(double(startLabel));
}

} // namespace RunLimits
