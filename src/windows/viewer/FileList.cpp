// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/viewer/FileList.h"

#include "platform/FileMasks.h"
#include "platform/FolderListing.h"
#include "windows/shared/BackgroundTask.h"

#include <QAbstractListModel>
#include <QFileSystemWatcher>
#include <algorithm>
#include <utility>

// The names shown, one per row.
class FileNameModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_names.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_names.size())
            return {};
        return m_names.at(index.row());
    }
    void setNames(const QStringList &names)
    {
        beginResetModel();
        m_names = names;
        endResetModel();
    }
    const QStringList &names() const { return m_names; }

private:
    QStringList m_names;
};

FileList::FileList(QWidget *parent)
    : QListView(parent), m_model(new FileNameModel(this)), m_watcher(new QFileSystemWatcher(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &FileList::readFolder);
}

FileList::~FileList()
{
    if (m_reading)
        m_reading->cancel();
}

void FileList::setFolder(const QString &folder)
{
    forgetChoice();
    if (!m_folder.isEmpty())
        m_watcher->removePath(m_folder);
    m_folder = folder;
    m_folderNames.clear();
    showMatchingNames();
    m_watcher->addPath(folder);
    readFolder();
}

void FileList::setPattern(const QString &pattern)
{
    forgetChoice();
    m_masks = FileMasks::expressions(pattern);
    showMatchingNames();
}

QStringList FileList::names() const
{
    return m_model->names();
}

void FileList::readFolder()
{
    if (m_reading) {
        m_reading->cancel();
        m_reading->disconnect(this);
        m_reading->deleteLater();
    }
    m_reading = new QFutureWatcher<QStringList>(this);
    connect(m_reading, &QFutureWatcherBase::resultReadyAt, this, &FileList::namesRead);
    // Not on Qt's shared pool, which Qt paints with: a folder on a slow volume would hold it.
    m_reading->setFuture(FolderListing::start(m_folder, backgroundThreads()));
}

void FileList::namesRead(int resultIndex)
{
    m_folderNames = m_reading->resultAt(resultIndex);
    showMatchingNames();
}

void FileList::showMatchingNames()
{
    QStringList shown;
    for (const QString &name : std::as_const(m_folderNames)) {
        const bool matches =
            m_masks.isEmpty() ||
            std::any_of(m_masks.cbegin(), m_masks.cend(), [&](const QRegularExpression &mask) {
                return mask.match(name).hasMatch();
            });
        if (matches)
            shown.append(name);
    }
    if (shown == m_model->names())
        return;
    // The chosen file keeps its place in the list when it is still there.
    const QString current = currentIndex().data().toString();
    m_refilling = true;
    m_model->setNames(shown);
    const int row = int(shown.indexOf(current));
    if (row >= 0)
        setCurrentIndex(m_model->index(row));
    m_refilling = false;
}

void FileList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    if (current.isValid() && !m_refilling)
        emit fileChosen(m_model->names().at(current.row()));
}

void FileList::forgetChoice()
{
    selectionModel()->clear();
}
