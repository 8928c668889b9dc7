#pragma once

#include "label/SmallFile.h"

#include <QByteArray>
#include <QString>

// Writes a temporary file beside target and renames it over target once every write, the
// flush and the sync to the disk succeeded, so that a failed save leaves the previous file
// byte for byte and no temporary behind.
namespace FileReplacement {

SmallFile::WriteResult write(const QString &target, const QByteArray &bytes);

} // namespace FileReplacement
