// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/LabelDocument.h"

#include "label/LabelFile.h"

namespace {

bool storesSameZone(const TextZone &a, const TextZone &b)
{
    return a.Caption == b.Caption && a.FontName == b.FontName && a.FontSize == b.FontSize &&
           a.FontBold == b.FontBold && a.FontItalic == b.FontItalic && a.ForeColor == b.ForeColor &&
           a.Alignment == b.Alignment;
}

} // namespace

QString LabelDocument::pictureEntry() const
{
    return picturePath.isEmpty() ? QLatin1String(LabelFile::NoIcon) : picturePath;
}

bool LabelDocument::operator==(const LabelDocument &other) const
{
    for (std::size_t i = 0; i < zones.size(); ++i) {
        if (!storesSameZone(zones[i], other.zones[i]))
            return false;
    }
    return pictureEntry() == other.pictureEntry();
}
