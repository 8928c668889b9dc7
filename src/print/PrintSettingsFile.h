// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/SmallFile.h"
#include "print/SheetLayout.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// The print settings file (*.PAR): two lines, the four distances (left margin, top
// margin, column gap, row gap) and then the frame and cut-mark switches, e.g.
//   10,4,10,4
//   #TRUE#,#TRUE#
namespace PrintSettingsFile {

using Layout = SheetLayout;

QByteArray encode(const Layout &layout);

// Takes six fields in sequence, commas and line ends alike separating them; nothing
// unless all six read.
std::optional<Layout> decode(const QByteArray &bytes);

// Why a refused write was refused goes on the save message's second line.
SmallFile::WriteResult write(const QString &path, const Layout &layout);
std::optional<Layout> read(const QString &path);

} // namespace PrintSettingsFile
