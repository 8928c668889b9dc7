// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

// A text box that takes from the keyboard only the characters it was given, plus
// backspace; letters, blanks and the control characters of shortcuts are dropped. At
// most typingLimit characters can be typed or pasted, but the program may show a longer
// text (a disk number past 99), which the user can then shorten.
class KeyFilteredEdit : public QLineEdit
{
    Q_OBJECT

public:
    KeyFilteredEdit(const QString &acceptedCharacters, int typingLimit, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_accepted;
};
