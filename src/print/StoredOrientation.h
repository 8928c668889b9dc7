// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PageGeometry.h"
#include "print/SchedulerAnswer.h"

#include <optional>

// A printer's stored default orientation (portrait also when unset); none when there is no
// printer, or the scheduler knows none by its name.
using StoredOrientation = std::optional<PageGeometry::Orientation>;
// What the scheduler answered about it.
using OrientationAnswer = SchedulerAnswer<StoredOrientation>;
