// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/LabelList.h"

#include <QTimer>
#include <QWidget>
#include <optional>

class CommonDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The list of different labels in the print settings window: the box the user types or
// pastes it into, its file, and how many labels on how many sheets it makes, or the first
// line that cannot print. The list is read a moment after typing stops, so that typing in a
// long list never waits for it.
class LabelListPanel : public QWidget
{
    Q_OBJECT

public:
    explicit LabelListPanel(CommonDialog &commonDialog, QWidget *parent = nullptr);

    // "Liste d'étiquettes": the mode and the panel's group are named alike.
    static QString caption();

    void setList(const QString &text, const QString &fileName);
    QString text() const;
    // The file the list was last loaded from or saved to.
    QString fileName() const { return m_fileName; }
    // The labels of the list as last read; none while it is empty or does not read.
    int labelCount() const { return m_labelCount; }
    // The list's first line that cannot print, as last read.
    const std::optional<ListRefusal> &refusal() const { return m_refusal; }
    // The list fills its sheets from there.
    void setStartPosition(int position);
    // Reads the list now rather than after the pause.
    void readNow();

signals:
    // On every change of the text, at once, and when the list is saved under another name.
    void listChanged();
    // Once the list is read again after a change.
    void labelCountChanged(int count);

private:
    void readList();
    void showCount();
    void loadList();
    void saveList();

    CommonDialog &m_commonDialog;
    QPlainTextEdit *m_edit = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QLabel *m_countLabel = nullptr;
    QTimer m_readTimer;
    QString m_fileName;
    int m_labelCount = 0;
    std::optional<ListRefusal> m_refusal;
    int m_startPosition = 1;
};
