#pragma once

#include "print/PageGeometry.h"

#include <QString>
#include <cups/cups.h>
#include <memory>
#include <optional>

// A CUPS destination looked up by its exact name, with the capabilities a job for it needs.
// Every lookup asks the scheduler afresh, so a default changed meanwhile (orientation, media)
// is what the next page uses.
class CupsDestination
{
public:
    // Nothing when the name is empty, no such destination exists or the scheduler does not
    // answer; never another queue in its place.
    static std::optional<CupsDestination> find(const QString &name);

    // The stored default orientation-requested; unset counts as portrait.
    PageGeometry::Orientation defaultOrientation() const;

    // The default media with its margins, laid out in the default orientation.
    std::optional<PageGeometry> defaultPage() const;

    cups_dest_t *dest() const { return m_dest.get(); }
    cups_dinfo_t *info() const { return m_info.get(); }

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

    std::unique_ptr<cups_dest_t, DestFree> m_dest;
    std::unique_ptr<cups_dinfo_t, InfoFree> m_info;
};
