// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPlainTextEdit>

// The edit box of the selected zone. Its text separates lines with CR LF, as the zones
// do. The Insert key switches between inserting and overwriting. It refuses the characters a label
// file cannot hold (outside Windows-1252), whether typed, pasted, dropped or composed, so that
// whatever is typed can be saved. It keeps no undo history of its own: the keys of undo and
// redo go to the window, which undoes the label's changes.
class ZoneTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ZoneTextEdit(QWidget *parent = nullptr);

    QString text() const;
    // Replaces the text; textChanged follows only when the text really changes.
    void setText(const QString &text);

signals:
    void insertModeChanged(bool inserting);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    // A label or picture file dragged over the box is the window's to open, not text.
    bool canInsertFromMimeData(const QMimeData *source) const override;

private:
    // Lines break at word boundaries unless text holds a word too long for that to be cheap.
    void wrapFor(QStringView text);
};
