// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OtherUser.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString setpriv()
{
    return QStandardPaths::findExecutable(QStringLiteral("setpriv"));
}

QString runuser()
{
    return QStandardPaths::findExecutable(QStringLiteral("runuser"));
}

} // namespace

namespace OtherUser {

QString unavailableReason()
{
    if (::geteuid() != 0)
        return QStringLiteral("Running a program as another user needs root");
    if (setpriv().isEmpty() && runuser().isEmpty())
        return QStringLiteral("Neither setpriv nor runuser is installed");
    return QString();
}

void start(QProcess &process, const QString &program, const QStringList &arguments)
{
    const QString id = QString::number(Id), group = QString::number(Group);
    if (!setpriv().isEmpty()) {
        process.start(setpriv(),
                      QStringList{QStringLiteral("--reuid=") + id,
                                  QStringLiteral("--regid=") + group,
                                  QStringLiteral("--clear-groups"), QStringLiteral("--"), program} +
                          arguments);
    } else {
        process.start(runuser(), QStringList{QStringLiteral("-u"), QStringLiteral("nobody"),
                                             QStringLiteral("-g"), QStringLiteral("nogroup"),
                                             QStringLiteral("--"), program} +
                                     arguments);
    }
}

bool hand(const QString &path, uid_t owner, gid_t group, mode_t mode)
{
    const QByteArray native = QFile::encodeName(path);
    return ::lchown(native.constData(), owner, group) == 0 &&
           ::chmod(native.constData(), mode) == 0;
}

} // namespace OtherUser
