#include "windows/FileList.h"

#include "windows/FileMasks.h"

#include <QFileSystemModel>

FileList::FileList(QWidget *parent) : QListView(parent), m_model(new QFileSystemModel(this))
{
    m_model->setFilter(QDir::Files);
    m_model->setNameFilterDisables(false);
    // Before the view's own selection model hears of rows leaving.
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this] { m_rowsLeaving = true; });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this] { m_rowsLeaving = false; });
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void FileList::setFolder(const QString &folder)
{
    forgetChoice();
    m_folder = folder;
    setRootIndex(m_model->setRootPath(folder));
}

void FileList::setPattern(const QString &pattern)
{
    forgetChoice();
    m_model->setNameFilters(FileMasks::nameFilters(pattern));
}

QStringList FileList::names() const
{
    QStringList names;
    const QModelIndex folder = rootIndex();
    for (int row = 0; row < m_model->rowCount(folder); ++row)
        names.append(m_model->fileName(m_model->index(row, 0, folder)));
    return names;
}

void FileList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    if (current.isValid() && !m_rowsLeaving)
        emit fileChosen(m_model->fileName(current));
}

void FileList::forgetChoice()
{
    selectionModel()->clear();
}
