// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/JobPages.h"

namespace JobPages {

int count(const PrintRequest &)
{
    return 1;
}

LabelPrinting::PageEnd draw(PageSurface &surface, const PrintRequest &request,
                            const LabelArtwork &artwork, int page)
{
    Q_ASSERT(page >= 0 && page < count(request));
    return LabelPrinting::drawPrintPage(surface, request, artwork);
}

} // namespace JobPages
