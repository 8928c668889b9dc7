#include "windows/IndexedToolBar.h"

#include <QAction>

IndexedToolBar::IndexedToolBar(QWidget *parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void IndexedToolBar::addButton(const QIcon &icon, const QString &tipText)
{
    QAction *button = addAction(icon, tipText);
    button->setToolTip(tipText);
    m_entries.append(button);
    const int index = int(m_entries.size());
    connect(button, &QAction::triggered, this, [this, index] { emit buttonClicked(index); });
}

void IndexedToolBar::addSeparatorEntry()
{
    m_entries.append(addSeparator());
}

QAction *IndexedToolBar::entry(int index) const
{
    return index >= 1 && index <= m_entries.size() ? m_entries[index - 1] : nullptr;
}
