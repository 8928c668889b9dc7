// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
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

// Where a window of the given size goes to sit in the middle of the screen.
QPoint centredWindowPosition(const QSize &window, const QRect &screen);

// True when a regular file matches path; the name part may hold * and ? wildcards.
bool matchingFileExists(const QString &path);

// path with exactly one trailing "/" ("/" for an empty path).
QString withTrailingSlash(const QString &path);

// The file name the status bar shows for a path, in capitals.
QString documentName(const QString &path);
