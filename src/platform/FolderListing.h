// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFuture>
#include <QString>
#include <QStringList>

class QThreadPool;

// The names of the files of a folder, read on one of threads, sorted as a file manager
// sorts them (case aside, numbers by value). A large folder gives two results: its first
// FirstBatch names as soon as they are read, then every name; a smaller one gives one.
// Cancelling the future stops the reading.
namespace FolderListing {

constexpr int FirstBatch = 200;

QFuture<QStringList> start(const QString &folder, QThreadPool *threads);

} // namespace FolderListing
