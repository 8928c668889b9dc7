#include "label/SmallFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

bool write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace SmallFile
