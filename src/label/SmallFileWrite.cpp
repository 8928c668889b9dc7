#include "label/SmallFile.h"

#include "label/DeviceWrite.h"
#include "label/FileReplacement.h"
#include "label/SaveReasons.h"

#include <QFileInfo>

#include <cerrno>

namespace SmallFile {

WriteResult write(const QString &path, const QByteArray &bytes, OtherTarget other)
{
    if (path.isEmpty())
        return {false, SaveReasons::fromError(ENOENT, SaveReasons::Refuser::Folder)};
    const QFileInfo info(path);
    if (!info.exists())
        return FileReplacement::write(path, bytes);
    if (info.isFile())
        return FileReplacement::write(info.canonicalFilePath(), bytes);
    if (info.isDir())
        return {false, SaveReasons::folder()};
    if (other == OtherTarget::Refuse)
        return {false, SaveReasons::notAFile()};
    return DeviceWrite::intoPath(path, bytes);
}

} // namespace SmallFile
