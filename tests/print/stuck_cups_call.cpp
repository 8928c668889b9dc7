// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the print scheduler for its printers on a pool thread, as the window does, with a budget
// of an hour; quits as soon as a line comes on its input, whether the question was answered or
// not. The drip scheduler's test runs it to see that a stuck question does not hold the exit.
#include "print/CupsConnection.h"
#include "print/CupsPrinters.h"

#include <QCoreApplication>
#include <QtConcurrent/QtConcurrentRun>
#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const auto printers = QtConcurrent::run([] {
        const CupsConnection connection(3600 * 1000);
        return CupsPrinters::installedPrinters(connection);
    });
    std::string line;
    std::getline(std::cin, line);
    return printers.isFinished() ? 1 : 0;
}
