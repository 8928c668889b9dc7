#pragma once

#include <QFuture>
#include <QString>
#include <QStringList>

class QThreadPool;

// The names of the files of a folder, read on one of threads. The future gives two
// results: the first names found, as soon as there are FirstBatch of them (or the folder is
// read), then every name, sorted as a file manager sorts them (case aside, numbers by value).
// Cancelling the future stops the reading.
namespace FolderListing {

constexpr int FirstBatch = 200;

QFuture<QStringList> start(const QString &folder, QThreadPool *threads);

} // namespace FolderListing
