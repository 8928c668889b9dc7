// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QString>

// The pictures the windows draw with, compiled into the program.
namespace WindowResources {

// The floppy disk drawn behind the label, which is also the program's own picture.
QIcon floppy();

// A toolbar picture by its file's base name ("nouveau", "ouvrir", ...).
QIcon icon(const QString &name);

} // namespace WindowResources
