// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for the tests' own files.
QByteArray fileBytes(const QString &path); // empty when it cannot be read
[[nodiscard]] bool writeBytes(const QString &path, const QByteArray &bytes);
