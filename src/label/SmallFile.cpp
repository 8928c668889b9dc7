#include "label/SmallFile.h"

#include <QFile>
#include <QFileInfo>

namespace SmallFile {

std::optional<QByteArray> read(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSize)
        return std::nullopt;
    QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxSize)
        return std::nullopt;
    return bytes;
}

} // namespace SmallFile
