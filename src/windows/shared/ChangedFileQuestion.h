// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"

// Before a save to target: true when it may go ahead, which it may without a word unless
// another program changed the file since the program read or wrote it; then only if the
// user says so.
bool mayReplaceChangedFile(const KnownFile &known, const QString &target);
