// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RecoveryFolder.h"

#include "files/SmallFile.h"
#include "label/LabelFile.h"
#include "files/SaveReasons.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <filesystem>
#include <optional>
#include <unistd.h>

namespace {

const QString CopySuffix = QStringLiteral(".eti");
const QString RecordSuffix = QStringLiteral(".json");

QString readBootId()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.read(64)).trimmed();
}

// The program a process runs: empty when the process is gone or a zombie (killed, not yet
// reaped), nothing when the system does not tell (another user's process). A program
// replaced on disk while it runs is still the same program.
std::optional<QString> executableOf(const QString &processFolder)
{
    const QByteArray link = QFile::encodeName(processFolder + QStringLiteral("/exe"));
    QByteArray target(PATH_MAX, Qt::Uninitialized);
    const ssize_t size = ::readlink(link.constData(), target.data(), size_t(target.size()));
    if (size < 0)
        return errno == ENOENT || errno == ESRCH ? std::optional<QString>(QString()) : std::nullopt;
    QString path = QFile::decodeName(target.left(size));
    const QString replaced = QStringLiteral(" (deleted)");
    if (path.endsWith(replaced))
        path.chop(replaced.size());
    return path;
}

bool processExists(qint64 processId)
{
    // 0 and negative ids would name process groups.
    if (processId <= 0 || processId > INT_MAX)
        return false;
    return ::kill(pid_t(processId), 0) == 0 || errno == EPERM;
}

// True while the writer may still be running this program: same boot, the process there,
// and running this program's executable as far as the system tells.
bool writerRuns(const RecoveryFolder::Writer &writer, const QString &ownBootId)
{
    if (!writer.bootId.isEmpty() && !ownBootId.isEmpty() && writer.bootId != ownBootId)
        return false;
    if (!processExists(writer.processId))
        return false;
    const std::optional<QString> executable =
        executableOf(QStringLiteral("/proc/%1").arg(writer.processId));
    if (!executable)
        return true;
    return !executable->isEmpty() && executable == executableOf(QStringLiteral("/proc/self"));
}

struct Record
{
    RecoveryFolder::Writer writer;
    QString fileName;
};

QByteArray recordBytes(const Record &record)
{
    const QJsonObject object{{QStringLiteral("processId"), record.writer.processId},
                             {QStringLiteral("bootId"), record.writer.bootId},
                             {QStringLiteral("fileName"), record.fileName}};
    return QJsonDocument(object).toJson();
}

std::optional<Record> readRecord(const QString &path)
{
    const std::optional<QByteArray> bytes = SmallFile::read(path);
    if (!bytes)
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(*bytes).object();
    const QJsonValue processId = object.value(QStringLiteral("processId"));
    const QJsonValue bootId = object.value(QStringLiteral("bootId"));
    const QJsonValue fileName = object.value(QStringLiteral("fileName"));
    if (!processId.isDouble() || !bootId.isString() || !fileName.isString())
        return std::nullopt;
    return Record{{processId.toInteger(), bootId.toString()}, fileName.toString()};
}

QString copyPathOf(const QString &recordPath)
{
    return recordPath.chopped(RecordSuffix.size()) + CopySuffix;
}

} // namespace

RecoveryFolder::Writer RecoveryFolder::Writer::thisProcess()
{
    static const QString bootId = readBootId();
    return {QCoreApplication::applicationPid(), bootId};
}

RecoveryFolder::RecoveryFolder(const QString &path, const Writer &writer)
    : m_path(path), m_writer(writer)
{
}

QString RecoveryFolder::defaultPath()
{
    // The XDG rule: a relative value is no value.
    const QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base = QDir::isAbsolutePath(stateHome)
                             ? stateHome
                             : QDir::homePath() + QStringLiteral("/.local/state");
    return QDir(base).filePath(QStringLiteral("korvalin"));
}

RecoveryCopy RecoveryFolder::ownCopy() const
{
    const QString boot = m_writer.bootId.isEmpty() ? QString() : m_writer.bootId + u'-';
    const QString base =
        QDir(m_path).filePath(QStringLiteral("etiquette-%1%2").arg(boot).arg(m_writer.processId));
    return {base + CopySuffix, base + RecordSuffix, QString(), QDateTime()};
}

SmallFile::WriteResult RecoveryFolder::write(const LabelDocument &document,
                                             const QString &originalName) const
{
    const bool created = !QFileInfo::exists(m_path);
    std::error_code made;
    std::filesystem::create_directories(QFile::encodeName(m_path).toStdString(), made);
    const QFileInfo folder(m_path);
    if (made || !folder.isDir()) {
        // A file where the folder should be is no folder at all.
        const bool fileInPlace = folder.exists() && !folder.isDir();
        const int error = made && !fileInPlace ? made.value() : ENOTDIR;
        return {false, SaveReasons::fromError(error, SaveReasons::Refuser::Folder)};
    }
    // Unsaved labels are nobody else's business.
    if (created)
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const RecoveryCopy copy = ownCopy();
    if (SmallFile::WriteResult record =
            SmallFile::write(copy.recordPath, recordBytes({m_writer, originalName}));
        !record)
        return record;
    LabelDocument written = document;
    const LabelFile::SaveResult saved = LabelFile::save(copy.copyPath, written);
    return {saved.saved, saved.refusal};
}

QList<RecoveryCopy> RecoveryFolder::orphans() const
{
    const QString ownBootId = Writer::thisProcess().bootId;
    QList<RecoveryCopy> found;
    const QFileInfoList records =
        QDir(m_path).entryInfoList({QLatin1Char('*') + RecordSuffix}, QDir::Files);
    for (const QFileInfo &info : records) {
        const std::optional<Record> record = readRecord(info.filePath());
        if (!record || writerRuns(record->writer, ownBootId))
            continue;
        const QFileInfo copy(copyPathOf(info.filePath()));
        if (!copy.isFile()) {
            QFile::remove(info.filePath());
            continue;
        }
        found.append({copy.filePath(), info.filePath(), record->fileName, copy.lastModified()});
    }
    std::sort(found.begin(), found.end(), [](const RecoveryCopy &a, const RecoveryCopy &b) {
        return a.writtenAt > b.writtenAt;
    });
    return found;
}

void RecoveryFolder::remove(const RecoveryCopy &copy)
{
    QFile::remove(copy.copyPath);
    QFile::remove(copy.recordPath);
}
