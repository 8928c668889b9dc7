// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/OrientationSwitch.h"
#include "print/PageGeometry.h"

#include <QDeadlineTimer>
#include <QString>

// The orientation switch's change of a printer's stored defaults (see
// OrientationSwitch::storeOrientation).
namespace CupsOrientation {

OrientationSwitch::SwitchResult store(PageGeometry::Orientation orientation, const QString &printer,
                                      const QDeadlineTimer &budget);

} // namespace CupsOrientation
