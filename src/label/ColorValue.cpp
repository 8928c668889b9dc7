// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/ColorValue.h"

#include <array>

namespace {

// The classic default for each system colour index, as 0xRRGGBB.
constexpr std::array<quint32, 31> SystemColorDefaults = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0xF0F0F0, 0xF0F0F0,
};

} // namespace

QColor toQColor(ColorValue value)
{
    const auto bits = quint32(value);
    if (bits & 0x80000000u) {
        const quint32 index = bits & 0xFFu;
        return index < SystemColorDefaults.size() ? QColor(QRgb(SystemColorDefaults[index]))
                                                  : QColor(Qt::black);
    }
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

ColorValue toColorValue(const QColor &color)
{
    return ColorValue(color.red() + 256 * color.green() + 65536 * color.blue());
}
