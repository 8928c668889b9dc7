// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/LabelArtwork.h"

std::optional<LabelArtwork> LabelArtwork::of(const LabelDocument &document)
{
    std::optional<LabelLines> lines = ZoneLines::split(document.zones);
    if (!lines)
        return std::nullopt;
    return LabelArtwork{document, std::move(*lines)};
}
