// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the program speaks: the desktop's, when the program has it. French is the
// language its texts are written in; every other one is a translation built into the
// program (translations/*.ts). Files, printed pages, options and settings never depend on it.
namespace InterfaceLanguage {

// The language texts are written in, and the one shown when the desktop asks for none the
// program has (C and POSIX included).
inline const QString Source = QStringLiteral("fr");

// The first of the desktop's languages, in its order of preference ("en-GB", "de"), that
// is French or has a translation among the given ones; French when none is.
QString choose(const QStringList &uiLanguages, const QStringList &translated);

// The languages built into the program besides French.
QStringList translated();

// Chooses from QLocale::system().uiLanguages() (so LANGUAGE, LC_ALL, LC_MESSAGES and LANG
// count, as in every Qt program; LANGUAGE not under the C locale, as in gettext), loads the
// program's translation and Qt's own catalogue of the same language, and returns the
// language.
QString install(QCoreApplication &app);

// The language install() chose; French before it runs.
QString current();

} // namespace InterfaceLanguage
