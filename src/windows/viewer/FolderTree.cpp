// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/viewer/FolderTree.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTimer>

// Keeps the drive's own root folder at the top of the tree and hides the folders beside
// it, which belong to other drives.
class DriveFolders : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setRootPath(const QString &rootPath)
    {
        m_rootPath = rootPath;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const auto *files = static_cast<const QFileSystemModel *>(sourceModel());
        const QString path = files->filePath(files->index(row, 0, parent));
        return m_rootPath == QLatin1String("/") || path == m_rootPath ||
               path.startsWith(m_rootPath + QLatin1Char('/'));
    }

private:
    QString m_rootPath = QStringLiteral("/");
};

FolderTree::FolderTree(QWidget *parent)
    : QTreeView(parent), m_model(new QFileSystemModel(this)), m_driveOnly(new DriveFolders(this))
{
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setOption(QFileSystemModel::DontUseCustomDirectoryIcons);
    m_driveOnly->setSourceModel(m_model);
    setModel(m_driveOnly);
    for (int column = 1; column < m_model->columnCount(); ++column)
        hideColumn(column);
    header()->hide();
    setUniformRowHeights(true);
    // The folders around the current one are read, then sorted, after it was selected: each
    // batch moves it, so it is brought back into view until the user takes the tree over.
    connect(m_driveOnly, &QAbstractItemModel::rowsInserted, this, &FolderTree::followCurrent);
    connect(m_driveOnly, &QAbstractItemModel::layoutChanged, this, &FolderTree::followCurrent);
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this,
            [this] { m_followCurrent = false; });
}

void FolderTree::followCurrent()
{
    if (m_followCurrent)
        QTimer::singleShot(0, this, [this] {
            if (m_followCurrent)
                scrollTo(currentIndex(), PositionAtCenter);
        });
}

bool FolderTree::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Wheel || event->type() == QEvent::MouseButtonPress)
        m_followCurrent = false;
    return QTreeView::viewportEvent(event);
}

void FolderTree::showDrive(const QString &rootPath, const QString &folder)
{
    m_driveOnly->setRootPath(rootPath);
    m_model->setRootPath(rootPath);
    const QString above =
        rootPath == QLatin1String("/") ? QString() : QFileInfo(rootPath).absolutePath();
    setRootIndex(m_driveOnly->mapFromSource(m_model->index(above)));
    setFolder(folder);
}

void FolderTree::setFolder(const QString &folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    m_followCurrent = true;
    const QModelIndex shown = shownIndexOf(folder);
    if (shown.isValid()) {
        for (QModelIndex above = shown.parent(); above.isValid(); above = above.parent())
            expand(above);
        setCurrentIndex(shown);
        scrollTo(shown, PositionAtCenter);
    }
    emit folderChanged(folder);
}

void FolderTree::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    if (!current.isValid())
        return;
    const QString path = m_model->filePath(m_driveOnly->mapToSource(current));
    if (path == m_folder)
        return;
    m_followCurrent = false;
    m_folder = path;
    emit folderChanged(path);
}

QModelIndex FolderTree::shownIndexOf(const QString &path) const
{
    return m_driveOnly->mapFromSource(m_model->index(path));
}
