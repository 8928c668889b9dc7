// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/SmallFile.h"

namespace WriteSteps {

// True when a test has made that step fail (SmallFile::ScopedWriteFailure); errno then
// says what a failing disk says, so the error paths run as they would for a real one.
bool injectedFailure(SmallFile::WriteStep step);

} // namespace WriteSteps
