// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Where the program finds its own files: beside the executable when it runs from its build
// folder, and under the installation prefix (bin/../share/korvalin) once installed.
namespace ProgramFiles {

// The folder that holds the help file: the executable's own when the file is there, else
// the installed data folder when it is there, else the executable's own again, so that
// the help window names the file it expected.
QString folder(const QString &executableFolder);

// The help file in that folder, in the language the program speaks.
QString helpFile(const QString &executableFolder);

// The help file in the given language: a translated help file lies beside the French one
// in a folder named after its language (en/KORVALIN.HLP). The French one where there is
// no translation.
QString translatedHelpFile(const QString &frenchHelpFile, const QString &language);

} // namespace ProgramFiles
