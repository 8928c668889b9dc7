// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/ActionButton.h"

#include <QAction>
#include <QPushButton>

QPushButton *actionButton(QAction *action, const QString &caption)
{
    auto *button = new QPushButton(caption);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    const auto followAction = [button, action] { button->setEnabled(action->isEnabled()); };
    QObject::connect(action, &QAction::changed, button, followAction);
    followAction();
    return button;
}
