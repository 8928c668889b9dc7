// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

// A print scheduler that takes connections and never answers, as a hung one does. Made
// before anything calls libcups, it points this process's CUPS clients, and the programs it
// starts, at itself.
class SilentScheduler
{
public:
    SilentScheduler();
    ~SilentScheduler();
    SilentScheduler(const SilentScheduler &) = delete;
    SilentScheduler &operator=(const SilentScheduler &) = delete;

    bool isListening() const { return m_socket >= 0; }
    QString socketPath() const { return m_dir.filePath(QStringLiteral("silent.sock")); }

private:
    QTemporaryDir m_dir;
    int m_socket = -1;
};
