// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Label and settings files are Windows-1252, so that they travel between this program
// and older systems. Qt has no codec for it, hence this small one.
namespace Cp1252 {

// Every byte decodes; the five bytes the code page leaves undefined become the control
// characters of the same number, so any file survives a read and a write unchanged.
QString decode(const QByteArray &bytes);

// Nothing when the text holds a character the code page cannot hold.
std::optional<QByteArray> encode(const QString &text);

bool canEncode(QChar c);

} // namespace Cp1252
