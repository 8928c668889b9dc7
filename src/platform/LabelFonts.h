// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

// Label files name the fonts of another platform ("Arial", "Times New Roman", ...). They
// are kept by name; what is drawn is the face fontconfig gives for the name, and every
// surface (the window, the PDF, the printer) builds its font here so they all agree.
namespace LabelFonts {

// Adds the program's own font aliases to fontconfig. Call it before the first font is
// resolved (main does, first thing); later calls do nothing. Should fontconfig refuse
// them, a warning says so and the machine's own substitutes are drawn.
void install();

// The font that draws a label zone's font, its name kept as the label gives it.
QFont font(const QString &name, qreal pointSize, bool bold, bool italic);

// The family really drawn for name ("Liberation Sans" for "Arial").
QString drawnFamily(const QString &name);

} // namespace LabelFonts
