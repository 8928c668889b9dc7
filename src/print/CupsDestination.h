// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageGeometry.h"
#include "print/SchedulerAnswer.h"

#include <QList>
#include <QString>
#include <cups/cups.h>
#include <memory>
#include <optional>

class CupsConnection;

// The orientation-requested value CUPS takes for a page orientation.
QByteArray orientationRequested(PageGeometry::Orientation orientation);

// A CUPS destination looked up by its exact name, with the capabilities a job for it needs.
// Every lookup asks the scheduler afresh, so a default changed meanwhile (orientation, media)
// is what the next page uses. Its options are the defaults as this user sees them: the
// queue's own, overridden by the user's saved ones. It asks through the connection it was
// found on, which must outlive it.
class CupsDestination
{
public:
    // Nothing when the name is empty or the scheduler knows no such destination; never
    // another queue in its place.
    static SchedulerAnswer<std::optional<CupsDestination>> lookUp(const QString &name,
                                                                  const CupsConnection &connection);
    // Nothing either when the scheduler does not answer.
    static std::optional<CupsDestination> find(const QString &name,
                                               const CupsConnection &connection);
    // Whether count destinations from cupsGetDests2 on connection is the scheduler's answer:
    // none comes both from a scheduler that has none and from one that failed.
    static bool listingAnswered(int count, const CupsConnection &connection);

    // A default option ("orientation-requested", "sides", "media", "copies", ...); empty when
    // neither the queue nor the user sets it.
    QByteArray option(const char *name) const;

    // The stored default orientation-requested; unset counts as portrait.
    PageGeometry::Orientation defaultOrientation() const;

    // The default media with its margins, laid out in the default orientation.
    std::optional<PageGeometry> defaultPage() const;

    // The media the destination offers, each with its margins.
    QList<cups_size_t> media() const;
    // The name of a medium as CUPS shows it to people ("A4", "US Letter").
    QString mediaName(cups_size_t size) const;
    // The default media keyword: the user's choice, else the printer's own default.
    QString defaultMediaKeyword() const;

    // Whether the destination is a class of printers rather than one queue.
    bool isClass() const;

    cups_dest_t *dest() const { return m_dest.get(); }
    cups_dinfo_t *info() const { return m_info.get(); }
    http_t *http() const { return m_http; }

private:
    struct DestFree
    {
        void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
    };
    struct InfoFree
    {
        void operator()(cups_dinfo_t *info) const { cupsFreeDestInfo(info); }
    };

    std::optional<cups_size_t> defaultMedia() const;

    http_t *m_http = nullptr;
    std::unique_ptr<cups_dest_t, DestFree> m_dest;
    std::unique_ptr<cups_dinfo_t, InfoFree> m_info;
};
