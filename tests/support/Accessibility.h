// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

// What a screen reader finds in a window, walked through QAccessible as assistive technology
// walks it.
namespace Accessibility {

// One line per control (button, box, list, check box, option, spinner, menu item...) that has no
// accessible name, or group box not named by its own caption, giving its role and object name;
// empty when every control is named.
QStringList namelessControls(QWidget *window);

// The accessible names of every control of the window, in tree order.
QStringList controlNames(QWidget *window);

} // namespace Accessibility
