// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/SaveTarget.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the kernel itself follows before it gives up with ELOOP.
constexpr int MaxLinks = 40;

// /proc/PID/fd or /proc/PID/task/TID/fd of this process.
bool isOwnDescriptorFolder(const QString &folder)
{
    static const QRegularExpression pattern(QStringLiteral("^/proc/(\\d+)(/task/\\d+)?/fd$"));
    const QRegularExpressionMatch match = pattern.match(folder);
    return match.hasMatch() && match.captured(1).toLongLong() == ::getpid();
}

std::optional<int> descriptorNumber(const QString &name)
{
    bool ok = false;
    const int number = name.toInt(&ok);
    return ok && number >= 0 ? std::optional<int>(number) : std::nullopt;
}

std::optional<QString> linkTarget(const QString &link)
{
    char target[PATH_MAX];
    const ssize_t size = ::readlink(QFile::encodeName(link).constData(), target, sizeof target);
    if (size < 0)
        return std::nullopt;
    return QFile::decodeName(QByteArray(target, int(size)));
}

SaveTarget::Kind kindOf(mode_t mode)
{
    using Kind = SaveTarget::Kind;
    if (S_ISREG(mode))
        return Kind::RegularFile;
    if (S_ISDIR(mode))
        return Kind::Folder;
    if (S_ISBLK(mode))
        return Kind::Disk;
    if (S_ISCHR(mode))
        return Kind::Device;
    if (S_ISFIFO(mode))
        return Kind::Pipe;
    return Kind::Socket;
}

} // namespace

SaveTarget SaveTarget::of(const QString &name)
{
    const QString absolute =
        name.startsWith(QLatin1Char('/')) ? name : QDir::currentPath() + QLatin1Char('/') + name;
    QStringList pending = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString walked; // empty for the root folder
    int links = 0;
    while (!pending.isEmpty()) {
        const QString part = pending.takeFirst();
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            walked.truncate(std::max<qsizetype>(0, walked.lastIndexOf(QLatin1Char('/'))));
            continue;
        }
        if (pending.isEmpty() && isOwnDescriptorFolder(walked)) {
            if (const std::optional<int> descriptor = descriptorNumber(part))
                return {Kind::Descriptor, name, *descriptor, 0};
        }
        const QString next = walked + QLatin1Char('/') + part;
        struct stat status;
        if (::lstat(QFile::encodeName(next).constData(), &status) != 0) {
            const int error = errno;
            if (error == ENOENT && pending.isEmpty())
                return {Kind::NewFile, next, -1, 0};
            return {Kind::Unreachable, next, -1, error};
        }
        if (!S_ISLNK(status.st_mode)) {
            walked = next;
            continue;
        }
        if (++links > MaxLinks)
            return {Kind::Unreachable, next, -1, ELOOP};
        const std::optional<QString> target = linkTarget(next);
        if (!target)
            return {Kind::Unreachable, next, -1, errno};
        pending = target->split(QLatin1Char('/'), Qt::SkipEmptyParts) + pending;
        if (target->startsWith(QLatin1Char('/')))
            walked.clear();
    }
    const QString path = walked.isEmpty() ? QStringLiteral("/") : walked;
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return {Kind::Unreachable, path, -1, errno};
    return {kindOf(status.st_mode), path, -1, 0};
}
