// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/UsedPositions.h"

#include <QString>

// The sheet whose used positions the user's settings keep: the one in a CUPS printer, by the
// printer's name, or the one that PDF files stand for. The marks outlive the program, as the
// sheet stays in the printer.
class MarkedSheet
{
public:
    static MarkedSheet inPrinter(const QString &printerName);
    static MarkedSheet ofPdfFiles();

    UsedPositions remembered() const;
    void remember(const UsedPositions &used) const;

private:
    explicit MarkedSheet(const QString &settingsKey) : m_settingsKey(settingsKey) {}

    QString m_settingsKey;
};
