// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemInfoTool.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace SystemInfoTool {

namespace {

// Longer values are taken as no value: they name no program, and no path is that long.
constexpr int LongestNamedPath = 1024;

} // namespace

QString systemSettingsPath()
{
    return QStringLiteral("/etc/xdg/korvalin/korvalin.conf");
}

QStringList wellKnownPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"), QStringLiteral("cpu-x")};
}

QString namedProgram(const QSettings &systemSettings)
{
    const QVariant stored = systemSettings.value(QLatin1String(PathKey));
    // An unquoted text with commas comes back as a list.
    QString named = stored.userType() == QMetaType::QStringList
                        ? stored.toStringList().join(QLatin1Char(','))
                        : stored.toString();
    // A text exported from a registry may keep its terminating zero ("\0" in the file).
    if (named.endsWith(QChar(0)))
        named.chop(1);
    return named.size() > LongestNamedPath ? QString() : named;
}

QString locate(const QSettings &systemSettings)
{
    // A relative folder or path would find whatever lies in the folder the program was
    // started from, which anyone may have put there.
    const QString named = namedProgram(systemSettings);
    if (!named.isEmpty())
        return QDir::isAbsolutePath(named) ? named : QString();
    QStringList folders = qEnvironmentVariable("PATH").split(QLatin1Char(':'));
    folders.removeIf([](const QString &folder) { return !QDir::isAbsolutePath(folder); });
    // Given no folder at all, Qt would search the whole PATH.
    if (folders.isEmpty())
        return QString();
    for (const QString &program : wellKnownPrograms()) {
        const QString found = QStandardPaths::findExecutable(program, folders);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

} // namespace SystemInfoTool
