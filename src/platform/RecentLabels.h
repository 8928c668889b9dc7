// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The labels last opened or saved, most recent first, as the File menu lists them. A path
// is kept once, in its absolute clean form, so that a label reached by two spellings of
// its folder is listed once.
class RecentLabels
{
public:
    static constexpr int MaxCount = 4;

    RecentLabels() = default;
    explicit RecentLabels(const QStringList &paths);

    // Read from and written to the user's settings; entries beyond MaxCount, empty ones and
    // repeats found there are dropped.
    static RecentLabels readFrom(const QSettings &settings);
    void writeTo(QSettings &settings) const;

    // path becomes the most recent; the oldest goes when there are more than MaxCount.
    void add(const QString &path);
    void remove(const QString &path);

    const QStringList &paths() const { return m_paths; }

private:
    QStringList m_paths;
};
