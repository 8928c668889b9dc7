// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

class QProcess;

// Another user than root, for what permission bits decide: the suite runs as root in CI,
// and root may write anything. Programs run as "nobody" (with its group and no other),
// started through setpriv or runuser; the test makes the files it needs as root and hands
// them over.
namespace OtherUser {

inline constexpr uid_t Id = 65534;    // nobody
inline constexpr gid_t Group = 65534; // nogroup

// Why no program can be run as that user here; empty when one can.
QString unavailableReason();

// Starts program as that user.
void start(QProcess &process, const QString &program, const QStringList &arguments);

// Gives a file or folder the test made its owner, group and mode.
[[nodiscard]] bool hand(const QString &path, uid_t owner, gid_t group, mode_t mode);

} // namespace OtherUser
