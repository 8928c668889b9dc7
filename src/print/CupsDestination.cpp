// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CupsDestination.h"

#include "print/CupsConnection.h"

#include <QScopeGuard>
#include <algorithm>
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

SchedulerAnswer<std::optional<CupsDestination>>
CupsDestination::lookUp(const QString &name, const CupsConnection &connection)
{
    if (name.isEmpty())
        return std::nullopt; // libcups would hand back the default destination for no name
    if (!connection.isOpen())
        return SchedulerAway{};

    // The whole list rather than cupsGetNamedDest: for a name it cannot find at once, that
    // one searches again on libcups's own connection, which knows no time limit.
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(connection.http(), &dests);
    const auto freeDests = qScopeGuard([&] { cupsFreeDests(count, dests); });
    if (!listingAnswered(count, connection)) {
        connection.warnFailure("listing the printers");
        return SchedulerAway{};
    }
    const QByteArray wanted = name.toUtf8();
    cups_dest_t *found = cupsGetDest(wanted.constData(), nullptr, count, dests);
    if (!found) {
        qCWarning(lcCups) << "no printer named" << name;
        return std::nullopt;
    }

    CupsDestination destination;
    destination.m_http = connection.http();
    cups_dest_t *copy = nullptr;
    if (cupsCopyDest(found, 0, &copy) != 1)
        return std::nullopt;
    destination.m_dest.reset(copy);
    destination.m_info.reset(cupsCopyDestInfo(connection.http(), copy));
    if (!destination.m_info) {
        connection.warnFailure("reading the printer's capabilities");
        return SchedulerAway{};
    }
    return destination;
}

std::optional<CupsDestination> CupsDestination::find(const QString &name,
                                                     const CupsConnection &connection)
{
    SchedulerAnswer<std::optional<CupsDestination>> answer = lookUp(name, connection);
    if (auto *found = std::get_if<std::optional<CupsDestination>>(&answer))
        return std::move(*found);
    return std::nullopt;
}

bool CupsDestination::listingAnswered(int count, const CupsConnection &connection)
{
    if (count > 0)
        return true;
    // A connection that failed or gave up heard no answer, whatever libcups's last error says.
    return httpError(connection.http()) == 0 && (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ||
                                                 CupsConnection::succeeded(cupsLastError()));
}

QByteArray CupsDestination::option(const char *name) const
{
    return QByteArray(cupsGetOption(name, m_dest->num_options, m_dest->options));
}

bool CupsDestination::isClass() const
{
    return option("printer-type").toInt() & CUPS_PRINTER_CLASS;
}

QByteArray orientationRequested(PageGeometry::Orientation orientation)
{
    return QByteArray::number(orientation == PageGeometry::Orientation::Landscape
                                  ? IPP_ORIENT_LANDSCAPE
                                  : IPP_ORIENT_PORTRAIT);
}

PageGeometry::Orientation CupsDestination::defaultOrientation() const
{
    const QByteArray value = option("orientation-requested");
    // Reverse landscape (5) is a landscape page too; ippEnumValue reads numbers and keywords.
    const int requested = value.isEmpty() ? 0 : ippEnumValue("orientation-requested", value);
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
    ipp_attribute_t *printerDefault = cupsFindDestDefault(m_http, dest(), info(), "media");
    const char *printerMedia = printerDefault ? ippGetString(printerDefault, 0, nullptr) : nullptr;

    // cupsGetDestMediaByName reads the name as a size, and finds no size in one that the
    // printer offers borderless ("iso_a4_210x297mm_borderless"): that one is looked up by name.
    const QList<cups_size_t> offered = this->media();
    cups_size_t media{};
    for (const char *name : {userMedia, printerMedia}) {
        if (!name)
            continue;
        const auto same =
            std::find_if(offered.cbegin(), offered.cend(), [name](const cups_size_t &size) {
                return qstrcmp(size.media, name) == 0;
            });
        if (same != offered.cend())
            return *same;
        if (cupsGetDestMediaByName(m_http, dest(), info(), name, CUPS_MEDIA_FLAGS_DEFAULT, &media))
            return media;
    }
    if (cupsGetDestMediaDefault(m_http, dest(), info(), CUPS_MEDIA_FLAGS_DEFAULT, &media))
        return media;
    return std::nullopt;
}

QString CupsDestination::defaultMediaKeyword() const
{
    const std::optional<cups_size_t> media = defaultMedia();
    return media ? QString::fromUtf8(media->media) : QString();
}

QList<cups_size_t> CupsDestination::media() const
{
    QList<cups_size_t> sizes;
    const int count = cupsGetDestMediaCount(m_http, dest(), info(), CUPS_MEDIA_FLAGS_DEFAULT);
    for (int i = 0; i < count; ++i) {
        cups_size_t size{};
        if (cupsGetDestMediaByIndex(m_http, dest(), info(), i, CUPS_MEDIA_FLAGS_DEFAULT, &size))
            sizes.append(size);
    }
    return sizes;
}

QString CupsDestination::mediaName(cups_size_t size) const
{
    const char *name =
        cupsLocalizeDestMedia(m_http, dest(), info(), CUPS_MEDIA_FLAGS_DEFAULT, &size);
    return QString::fromUtf8(name ? name : size.media);
}
