// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTreeView>

class QFileSystemModel;
class DriveFolders;

// The folders of one drive as a tree, opened down to the current folder. The file system
// is read on Qt's own listing thread, so a drive with many folders never stops the window.
class FolderTree : public QTreeView
{
    Q_OBJECT

public:
    explicit FolderTree(QWidget *parent = nullptr);

    // Shows the drive mounted at rootPath, its tree opened down to folder.
    void showDrive(const QString &rootPath, const QString &folder);
    // Opens the tree down to folder and makes it the current folder.
    void setFolder(const QString &folder);
    const QString &folder() const { return m_folder; }

signals:
    // The current folder changed, by the user or by the program.
    void folderChanged(const QString &folder);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    bool viewportEvent(QEvent *event) override;

private:
    QModelIndex shownIndexOf(const QString &path) const;
    void followCurrent();

    QFileSystemModel *m_model = nullptr;
    DriveFolders *m_driveOnly = nullptr;
    QString m_folder;
    bool m_followCurrent = false;
};
