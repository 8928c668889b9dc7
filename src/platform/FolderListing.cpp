// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FolderListing.h"

#include <QCollator>
#include <QDirIterator>
#include <QLocale>
#include <QPromise>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace {

void sortNames(QStringList &names)
{
    // The program speaks French whatever the system's language, and sorts as it speaks.
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end(), collator);
}

void list(QPromise<QStringList> &promise, const QString &folder)
{
    QStringList names;
    bool firstSent = false;
    QDirIterator files(folder, QDir::Files);
    while (files.hasNext()) {
        if (promise.isCanceled())
            return;
        names.append(files.nextFileInfo().fileName());
        if (!firstSent && names.size() == FolderListing::FirstBatch) {
            QStringList first = names;
            sortNames(first);
            promise.addResult(first);
            firstSent = true;
        }
    }
    sortNames(names);
    promise.addResult(names);
}

} // namespace

namespace FolderListing {

QFuture<QStringList> start(const QString &folder, QThreadPool *threads)
{
    return QtConcurrent::run(threads, list, folder);
}

} // namespace FolderListing
