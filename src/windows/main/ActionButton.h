// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAction;
class QPushButton;
class QString;

// A push button that runs a command's action: it is available exactly when the action is
// and triggers it when clicked, so the command's state lives in the action alone. The
// button keeps its own caption and tip, which the window gives it.
QPushButton *actionButton(QAction *action, const QString &caption);
