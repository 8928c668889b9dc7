// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// How the program was started: from which folder, and with which label file named on its
// command line.
struct ProgramStart
{
    // Where the help file is found, and where the file dialogs and the image viewer start.
    QString programFolder;
    bool withDocument = false;
    // The label file named on the command line, absolute.
    QString labelFileName;

    // commandLineArgument is the label file named on the command line (empty for none);
    // a relative name is taken from currentDir.
    static ProgramStart from(const QString &programFolder, const QString &commandLineArgument,
                             const QString &currentDir);
};
