// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/SaveTemporaries.h"

#include "files/SmallFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace {

// A target's name cut to this many characters leaves room for the rest within NAME_MAX.
constexpr int KeptNameLength = 40;

const QRegularExpression &temporaryName()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\..+\\.korvalin-([1-9][0-9]{0,9})-[0-9a-f]{8}$"));
    return pattern;
}

// What every temporary of target begins with.
QString prefixOf(const QString &target)
{
    QString name = QFileInfo(target).fileName();
    const int length = name.size() > KeptNameLength && name[KeptNameLength - 1].isHighSurrogate()
                           ? KeptNameLength - 1
                           : KeptNameLength;
    name.truncate(length);
    return QLatin1Char('.') + name + QStringLiteral(".korvalin-");
}

// A process that cannot be signalled for want of permission is still running.
bool isRunning(qint64 pid)
{
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() &&
           (::kill(pid_t(pid), 0) == 0 || errno != ESRCH);
}

} // namespace

namespace SaveTemporaries {

Temporary create(const QString &target)
{
    const QString stem = QFileInfo(target).dir().filePath(prefixOf(target)) +
                         QString::number(::getpid()) + QLatin1Char('-');
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString path = stem + QStringLiteral("%1").arg(QRandomGenerator::global()->generate(),
                                                             8, 16, QLatin1Char('0'));
        // Like any new file it gets what the umask allows; the writer gives it the
        // replaced file's owner and mode afterwards.
        const int descriptor = ::open(QFile::encodeName(path).constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return {descriptor, path};
    }
    return {-1, QString()};
}

void removeStale(const QString &target)
{
    const QString prefix = prefixOf(target);
    // Names are compared as they are: a wildcard filter would read the brackets or stars
    // of a target's name as patterns.
    QDirIterator entries(QFileInfo(target).absolutePath(),
                         QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (!entries.fileName().startsWith(prefix))
            continue;
        const QRegularExpressionMatch match = temporaryName().match(entries.fileName());
        // Someone else's folder may refuse; the leftover then stays, as before.
        if (match.hasMatch() && !isRunning(match.captured(1).toLongLong()))
            (void)::unlink(QFile::encodeName(path).constData());
    }
}

} // namespace SaveTemporaries

namespace SmallFile {

bool isTemporaryFileName(const QString &fileName)
{
    return temporaryName().match(fileName).hasMatch();
}

} // namespace SmallFile
