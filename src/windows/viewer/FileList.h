// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFutureWatcher>
#include <QListView>
#include <QRegularExpression>

class FileNameModel;
class QFileSystemWatcher;

// The files of one folder that match a pattern (see FileMasks). The folder is read on a
// pool thread: a folder of thousands of files shows its first names at once, the whole
// sorted list follows, and the window keeps answering meanwhile. Files that come and go
// while the folder is shown are followed.
class FileList : public QListView
{
    Q_OBJECT

public:
    explicit FileList(QWidget *parent = nullptr);
    ~FileList() override;

    void setFolder(const QString &folder);
    void setPattern(const QString &pattern);
    const QString &folder() const { return m_folder; }
    // The names listed so far, in their order.
    QStringList names() const;

signals:
    // The user moved to a file, by a click or with the keyboard.
    void fileChosen(const QString &name);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void readFolder();
    void namesRead(int resultIndex);
    void showMatchingNames();
    void forgetChoice();

    FileNameModel *m_model = nullptr;
    QFileSystemWatcher *m_watcher = nullptr;
    QFutureWatcher<QStringList> *m_reading = nullptr;
    QString m_folder;
    QStringList m_folderNames; // every file of the folder read so far, sorted
    QList<QRegularExpression> m_masks;
    // The list is being refilled by the program: the current row moving is no choice.
    bool m_refilling = false;
};
