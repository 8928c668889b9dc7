// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// What the keyboard's own lights say, where the window system tells: on X11 the Caps Lock
// light; elsewhere (Wayland, the offscreen platform) nothing is known.
namespace KeyboardIndicators {

std::optional<bool> capsLock();

} // namespace KeyboardIndicators
