// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/KeyboardIndicators.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>

namespace KeyboardIndicators {

std::optional<bool> capsLock()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return std::nullopt;
    unsigned int lights = 0;
    if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &lights) != Success)
        return std::nullopt;
    return (lights & 1u) != 0; // the first indicator is Caps Lock on every X keyboard map
}

} // namespace KeyboardIndicators
