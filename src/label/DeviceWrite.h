#pragma once

#include "label/SmallFile.h"

#include <QByteArray>
#include <QString>

// Outputs that take the bytes as they come rather than as a file to replace: a character
// device or a pipe named by its path.
namespace DeviceWrite {

SmallFile::WriteResult intoPath(const QString &path, const QByteArray &bytes);

} // namespace DeviceWrite
