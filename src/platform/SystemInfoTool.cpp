// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemInfoTool.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QStandardPaths>

namespace SystemInfoTool {

QStringList wellKnownPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"), QStringLiteral("cpu-x")};
}

QString locate(const KeyValueStore &settings)
{
    // A relative folder or path would find whatever lies in the folder the program was
    // started from, which anyone may have put there.
    QString named;
    if (GetKeyValue(settings, HKEY_LOCAL_MACHINE, QLatin1String(Key), QLatin1String(PathValue),
                    named) &&
        !named.isEmpty())
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
