// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class CupsService;

// The CUPS module, loaded on first use and kept for the life of the process. It is looked for
// in the program's library folder (lib/korvalin beside bin/, in the build tree as once
// installed), or where KORVALIN_CUPS_MODULE names it, which the tests use.
namespace CupsModule {

// Null when the module cannot be loaded: the program then has no printer (see failure()).
// Loads it at the first call, from any thread.
CupsService *service();
// Why the module could not be loaded; empty when it was.
QString failure();

} // namespace CupsModule
