// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/shared/CommonDialog.h"

#include <QFont>
#include <optional>

class QWidget;

// The font dialog of a label zone. The zone names a font of another platform ("Arial"),
// the dialog lists the faces this machine has: it opens on the face drawn for the name and
// changes only what the user changed, so accepting it untouched changes nothing.
namespace LabelFontDialog {

// The choice, or nothing when cancelled. Strikethrough and underline are not offered and
// come back as given.
std::optional<FontChoice> choose(const FontChoice &initial, QWidget *parent);

// Each value the user changed from the font the dialog showed (shown), otherwise the value
// given. The family shown is the face drawn for the given name, so keeping it keeps the
// name ("Arial", not its stand-in).
FontChoice keptUnlessChanged(const FontChoice &given, const QFont &shown, const QFont &chosen);

} // namespace LabelFontDialog
