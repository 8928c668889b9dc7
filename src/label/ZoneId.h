// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

// One of the label's three text zones: the title right of the picture, the middle zone and
// the single line at the bottom, which runs number.
enum class ZoneId
{
    First,
    Second,
    Third
};

inline constexpr std::array<ZoneId, 3> AllZones{ZoneId::First, ZoneId::Second, ZoneId::Third};

// The zone's number as the window and the label file show it: 1, 2 or 3.
constexpr int zoneNumber(ZoneId zone)
{
    return int(zone) + 1;
}

// One value for each zone, reached by the zone.
template <typename T> struct PerZone
{
    std::array<T, 3> values{};

    T &operator[](ZoneId zone) { return values[std::size_t(zone)]; }
    const T &operator[](ZoneId zone) const { return values[std::size_t(zone)]; }
    auto begin() { return values.begin(); }
    auto end() { return values.end(); }
    auto begin() const { return values.begin(); }
    auto end() const { return values.end(); }
    bool operator==(const PerZone &other) const { return values == other.values; }
    bool operator!=(const PerZone &other) const { return !(*this == other); }
};
