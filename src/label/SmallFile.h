#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Whole-file reads and writes for the program's small text files (labels, settings).
namespace SmallFile {

// Larger files are refused unread: no label or settings file comes near this.
inline constexpr qint64 MaxSize = 1024 * 1024;

// The file's bytes, or nothing when it is missing, unreadable, not a regular file or
// larger than MaxSize.
std::optional<QByteArray> read(const QString &path);

// Writes a temporary file beside path and renames it over path only once every byte is
// written and flushed, so a failed save leaves the previous file exactly as it was.
bool write(const QString &path, const QByteArray &bytes);

} // namespace SmallFile
