// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QTextStream;

// Printing from the command line, without a window:
//   korvalin --pdf OUT.pdf [options] LABEL.eti
//   korvalin --print [--printer NAME] [options] LABEL.eti
//   korvalin --calibration --pdf OUT.pdf | --print [--printer NAME] [--settings F.PAR]
namespace CommandLine {

// Whether the arguments (without the program's name) ask for a headless print or for
// the usage, rather than the main window.
bool wantsHeadless(const QStringList &arguments);

// False, with the reason on err, when an argument is not the bytes of any name the program
// reads it as (not valid UTF-8): the label or PDF it names could be neither read nor
// written under that name.
bool argumentsAreNames(int argc, const char *const argv[], QTextStream &err);

// Runs the headless print; the exit status of the program. Needs a QGuiApplication.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace CommandLine
