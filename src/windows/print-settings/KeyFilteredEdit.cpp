// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/print-settings/KeyFilteredEdit.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Refuses an edit that makes the text longer than the limit, or than the text the
// program put there, whichever is longer. The text that the program sets is not validated.
class LengthLimit : public QValidator
{
public:
    LengthLimit(int limit, QLineEdit *edit) : QValidator(edit), m_limit(limit)
    {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString &text) { m_shown = int(text.size()); });
    }

    State validate(QString &input, int &) const override
    {
        return input.size() <= qMax(m_limit, m_shown) ? Acceptable : Invalid;
    }

private:
    int m_limit;
    int m_shown = 0;
};

bool isDialogKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace

KeyFilteredEdit::KeyFilteredEdit(const QString &acceptedCharacters, int typingLimit,
                                 QWidget *parent)
    : QLineEdit(parent), m_accepted(acceptedCharacters)
{
    setValidator(new LengthLimit(typingLimit, this));
}

void KeyFilteredEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool accepted = typed.isEmpty() || isDialogKey(event->key()) ||
                          event->key() == Qt::Key_Backspace ||
                          (typed.size() == 1 && m_accepted.contains(typed.front()) &&
                           !(event->modifiers() & Qt::ControlModifier));
    if (!accepted) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
