#include "windows/ShownPicture.h"

#include "platform/PictureLoader.h"

namespace ShownPicture {

std::optional<Picture> load(const QString &path, const QSize &boxPixels)
{
    std::optional<Picture> picture = PictureLoader::load(path);
    if (!picture || picture->isMetafile() || boxPixels.isEmpty())
        return picture;
    const QImage image = picture->image();
    if (image.width() <= boxPixels.width() && image.height() <= boxPixels.height())
        return picture;
    // The boxes stretch the picture anyway, so its proportions need not be kept here.
    return Picture(image.scaled(boxPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace ShownPicture
