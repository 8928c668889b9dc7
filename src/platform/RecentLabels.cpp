// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RecentLabels.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString SettingsKey = QStringLiteral("recentLabels");

QString normalised(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentLabels::RecentLabels(const QStringList &paths)
{
    // Oldest first, so that each add leaves the earlier ones after it.
    for (auto path = paths.crbegin(); path != paths.crend(); ++path)
        add(*path);
}

RecentLabels RecentLabels::readFrom(const QSettings &settings)
{
    return RecentLabels(settings.value(SettingsKey).toStringList());
}

void RecentLabels::writeTo(QSettings &settings) const
{
    settings.setValue(SettingsKey, m_paths);
}

void RecentLabels::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString entry = normalised(path);
    m_paths.removeAll(entry);
    m_paths.prepend(entry);
    while (m_paths.size() > MaxCount)
        m_paths.removeLast();
}

void RecentLabels::remove(const QString &path)
{
    if (!path.isEmpty())
        m_paths.removeAll(normalised(path));
}
