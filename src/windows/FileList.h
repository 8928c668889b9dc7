#pragma once

#include <QListView>

class QFileSystemModel;

// The files of one folder that match a pattern (see FileMasks). The folder is listed on Qt's
// own listing thread: a folder of thousands of files shows its first names at once and the
// rest follows while the window keeps answering.
class FileList : public QListView
{
    Q_OBJECT

public:
    explicit FileList(QWidget *parent = nullptr);

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
    void forgetChoice();

    QFileSystemModel *m_model = nullptr;
    QString m_folder;
    // Rows leaving the list move the current row to a neighbour: that is no choice.
    bool m_rowsLeaving = false;
};
