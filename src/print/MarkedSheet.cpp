// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/MarkedSheet.h"

#include <QSettings>

MarkedSheet MarkedSheet::inPrinter(const QString &printerName)
{
    // A CUPS printer's name holds no "/", so it cannot reach outside its group.
    return MarkedSheet(QStringLiteral("usedPositions/printers/") + printerName);
}

MarkedSheet MarkedSheet::ofPdfFiles()
{
    return MarkedSheet(QStringLiteral("usedPositions/pdfFiles"));
}

UsedPositions MarkedSheet::remembered() const
{
    // Written by hand without quotes, "1,2" reads as a list of two.
    const QStringList stored = QSettings().value(m_settingsKey).toStringList();
    return UsedPositions::fromStoredForm(stored.join(QLatin1Char(',')));
}

void MarkedSheet::remember(const UsedPositions &used) const
{
    QSettings settings;
    if (used.isEmpty())
        settings.remove(m_settingsKey);
    else
        settings.setValue(m_settingsKey, used.storedForm());
}
