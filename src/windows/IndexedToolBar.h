#pragma once

#include <QList>
#include <QToolBar>

// A toolbar whose entries are numbered from 1 in the order they were added, separators
// included. A click on a button is reported by its number; separators report nothing.
class IndexedToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit IndexedToolBar(QWidget *parent = nullptr);

    void addButton(const QIcon &icon, const QString &tipText);
    void addSeparatorEntry();

    // The entry at index (1-based), or nullptr.
    QAction *entry(int index) const;
    int count() const { return int(m_entries.size()); }

signals:
    void buttonClicked(int index);

private:
    QList<QAction *> m_entries;
};
