// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/SmallFile.h"

#include "files/DeviceWrite.h"
#include "files/FileReplacement.h"
#include "files/InPlaceWrite.h"
#include "files/SaveReasons.h"
#include "files/SaveTarget.h"
#include "files/SaveTemporaries.h"

#include <QFile>
#include <QLoggingCategory>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcSave, "korvalin.label.save", QtWarningMsg)

using SaveReasons::Refuser;
using SmallFile::WriteResult;

WriteResult refused(int error, Refuser refuser)
{
    return {false, SaveReasons::fromError(error, refuser)};
}

WriteResult writeRegularFile(const QString &path, const QByteArray &bytes)
{
    const QByteArray nativePath = QFile::encodeName(path);
    struct stat replaced;
    if (::stat(nativePath.constData(), &replaced) != 0)
        return refused(errno, Refuser::File);
    // A folder that lets the user rename over a file does not make the file theirs to write.
    if (::faccessat(AT_FDCWD, nativePath.constData(), W_OK, AT_EACCESS) != 0)
        return refused(errno, Refuser::File);
    SaveTemporaries::removeStale(path);
    // Replacing would leave the file's other names with the old bytes.
    if (replaced.st_nlink > 1)
        return InPlaceWrite::write(path, bytes);
    const FileReplacement replacement = FileReplacement::write(path, bytes, &replaced);
    switch (replacement.outcome) {
    case FileReplacement::Outcome::Finished:
        break;
    case FileReplacement::Outcome::FolderRefusesTemporary:
        qCWarning(lcSave).noquote()
            << "the folder of" << path << "takes no new file: the file is rewritten in place";
        return InPlaceWrite::write(path, bytes);
    case FileReplacement::Outcome::OwnerCannotBeKept:
        // Another user's file that this user may write stays theirs.
        return InPlaceWrite::write(path, bytes);
    }
    return replacement.result;
}

WriteResult writeNewFile(const QString &path, const QByteArray &bytes)
{
    SaveTemporaries::removeStale(path);
    return FileReplacement::write(path, bytes, nullptr).result;
}

} // namespace

namespace SmallFile {

WriteResult write(const QString &path, const QByteArray &bytes, OtherTarget other)
{
    const SaveTarget target = SaveTarget::of(path);
    const bool intoOthers = other == OtherTarget::WriteInto;
    switch (target.kind) {
    case SaveTarget::Kind::NewFile:
        return writeNewFile(target.path, bytes);
    case SaveTarget::Kind::RegularFile:
        return writeRegularFile(target.path, bytes);
    case SaveTarget::Kind::Folder:
        return {false, SaveReasons::folder()};
    case SaveTarget::Kind::Disk:
        return {false, SaveReasons::disk()};
    case SaveTarget::Kind::Device:
    case SaveTarget::Kind::Pipe:
        return intoOthers ? DeviceWrite::intoPath(target.path, bytes)
                          : WriteResult{false, SaveReasons::notAFile()};
    case SaveTarget::Kind::Descriptor:
        return intoOthers ? DeviceWrite::intoDescriptor(target.descriptor, bytes)
                          : WriteResult{false, SaveReasons::notAFile()};
    case SaveTarget::Kind::Socket:
        return {false, SaveReasons::notAFile()};
    case SaveTarget::Kind::Unreachable:
        return refused(target.error, Refuser::Folder);
    }
    return {false, SaveReasons::notAFile()};
}

} // namespace SmallFile
