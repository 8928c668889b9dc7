#include "print/CupsDestination.h"

#include <initializer_list>

namespace {

PageGeometry pageFromMedia(const cups_size_t &media, PageGeometry::Orientation orientation)
{
    // libcups measures in hundredths of a millimetre, margins given for the sheet upright.
    const double width = media.width / 100.0;
    const double length = media.length / 100.0;
    const double left = media.left / 100.0;
    const double right = media.right / 100.0;
    const double top = media.top / 100.0;
    const double bottom = media.bottom / 100.0;

    PageGeometry page;
    page.orientation = orientation;
    page.mediaKeyword = QString::fromUtf8(media.media);
    if (orientation == PageGeometry::Orientation::Portrait) {
        page.paperSizeMm = QSizeF(width, length);
        page.printableAreaMm = QRectF(left, top, width - left - right, length - top - bottom);
    } else {
        // A landscape page lies on the sheet turned a quarter anticlockwise: its top runs
        // along the sheet's left edge and its left side along the sheet's bottom edge.
        page.paperSizeMm = QSizeF(length, width);
        page.printableAreaMm = QRectF(bottom, left, length - bottom - top, width - left - right);
    }
    return page;
}

} // namespace

std::optional<CupsDestination> CupsDestination::find(const QString &name)
{
    if (name.isEmpty())
        return std::nullopt; // libcups would hand back the default destination instead

    CupsDestination destination;
    destination.m_dest.reset(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toUtf8().constData(), nullptr));
    if (!destination.m_dest)
        return std::nullopt;
    destination.m_info.reset(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination.dest()));
    if (!destination.m_info)
        return std::nullopt;
    return destination;
}

PageGeometry::Orientation CupsDestination::defaultOrientation() const
{
    const char *value =
        cupsGetOption("orientation-requested", m_dest->num_options, m_dest->options);
    // Reverse landscape (5) is a landscape page too; ippEnumValue reads numbers and keywords.
    const int requested = value ? ippEnumValue("orientation-requested", value) : 0;
    return requested == IPP_ORIENT_LANDSCAPE || requested == IPP_ORIENT_REVERSE_LANDSCAPE
               ? PageGeometry::Orientation::Landscape
               : PageGeometry::Orientation::Portrait;
}

std::optional<PageGeometry> CupsDestination::defaultPage() const
{
    const std::optional<cups_size_t> media = defaultMedia();
    if (!media)
        return std::nullopt;
    return pageFromMedia(*media, defaultOrientation());
}

std::optional<cups_size_t> CupsDestination::defaultMedia() const
{
    // cupsGetDestMediaDefault looks only at a user's "media" option and otherwise assumes US
    // Letter, even for a printer whose own default is A4; a job sent with that media would
    // come out on the wrong paper. So the user's choice first, then the printer's default.
    const char *userMedia = cupsGetOption("media", m_dest->num_options, m_dest->options);
    ipp_attribute_t *printerDefault =
        cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest(), info(), "media");
    const char *printerMedia = printerDefault ? ippGetString(printerDefault, 0, nullptr) : nullptr;

    cups_size_t media{};
    for (const char *name : {userMedia, printerMedia}) {
        if (name && cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest(), info(), name,
                                           CUPS_MEDIA_FLAGS_DEFAULT, &media))
            return media;
    }
    if (cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest(), info(), CUPS_MEDIA_FLAGS_DEFAULT,
                                &media))
        return media;
    return std::nullopt;
}
