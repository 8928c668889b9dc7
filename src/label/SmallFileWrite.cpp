#include "label/SmallFile.h"

#include "label/DeviceWrite.h"
#include "label/FileReplacement.h"
#include "label/SaveReasons.h"
#include "label/SaveTarget.h"

namespace SmallFile {

WriteResult write(const QString &path, const QByteArray &bytes, OtherTarget other)
{
    const SaveTarget target = SaveTarget::of(path);
    const bool intoOthers = other == OtherTarget::WriteInto;
    switch (target.kind) {
    case SaveTarget::Kind::NewFile:
    case SaveTarget::Kind::RegularFile:
        return FileReplacement::write(target.path, bytes);
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
        return {false, SaveReasons::fromError(target.error, SaveReasons::Refuser::Folder)};
    }
    return {false, SaveReasons::notAFile()};
}

} // namespace SmallFile
