// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/OrientationSwitch.h"

#include <QDeadlineTimer>
#include <QString>

// The orientation switch's change of a printer's stored defaults (see
// OrientationSwitch::storeOrientation).
namespace CupsOrientation {

OrientationSwitch::SwitchResult store(int duplex, qint16 orientation, const QString &printer,
                                      const QDeadlineTimer &budget);

} // namespace CupsOrientation
