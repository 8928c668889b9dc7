// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MsgBoxRecorder.h"
#include "ScriptedDialogs.h"

#include "windows/print-settings/KeyFilteredEdit.h"
#include "windows/print-settings/PrintSettingsDialog.h"
#include "windows/print-settings/SheetTile.h"
#include "windows/print-settings/Spinner.h"
#include "windows/shared/CommonDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <tuple>

// Replaces a box's text as a user does: select all, delete, then type key by key.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The print settings window as a test drives it: start-up choices, message boxes checked,
// file dialogs scripted; open() loads and shows it, so that it becomes active.
struct PrintSettingsHarness
{
    // Unloads the window if loaded, loads it again from what it held, or at first from
    // state, and shows it.
    PrintSettingsDialog &open()
    {
        if (form)
            state = form->choices();
        form.reset();
        form = std::make_unique<PrintSettingsDialog>(state, dialog);
        form->show();
        return *form;
    }
    // What the window holds, or will start from.
    const PrintChoices &choices() const { return form ? form->choices() : state; }

    template <typename T> T *find(const char *name) const
    {
        T *child = form->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("No %s in the print settings window", name);
        return child;
    }
    KeyFilteredEdit *box(const char *name) const { return find<KeyFilteredEdit>(name); }
    QAbstractButton *button(const char *name) const { return find<QAbstractButton>(name); }
    SheetTile *tile(int position) const
    {
        return find<SheetTile>(("positionTile" + std::to_string(position)).c_str());
    }
    Spinner *spinner(const char *name) const { return find<Spinner>(name); }
    bool shown(const char *name) const { return find<QWidget>(name)->isVisibleTo(form.get()); }

    void type(const char *name, const QString &text) const { typeInto(box(name), text); }
    // Presses a button whose file dialog gets the answer given.
    void pressAnswering(const char *name, const ScriptedDialogs::Answer &answer) const
    {
        dialogs->answerNext(answer);
        button(name)->click();
    }
    void expect(const QList<MsgBoxCall> &calls)
    {
        for (const MsgBoxCall &call : calls)
            msgBoxes.expect(call);
    }
    // The distance boxes, left margin to row gap, separated by "|".
    QString distances() const
    {
        return QStringList{box("leftMarginEdit")->text(), box("columnGapEdit")->text(),
                           box("topMarginEdit")->text(), box("rowGapEdit")->text()}
            .join(QLatin1Char('|'));
    }
    // The frame and cut outline switches as the window holds them, then as their boxes show.
    std::tuple<bool, bool, bool, bool> switches() const
    {
        return {choices().settings.layout.printFrame, choices().settings.layout.printCutOutline,
                button("frameCheck")->isChecked(), button("cutOutlineCheck")->isChecked()};
    }
    // Where the chosen label starts on the sheet, in mm.
    QPointF labelOrigin() const { return choices().run.labelOrigin; }

    PrintChoices state;
    MsgBoxRecorder msgBoxes; // before the window, whose load may show messages
    CommonDialog dialog;
    ScriptedDialogs *dialogs = ScriptedDialogs::installInto(dialog);
    std::unique_ptr<PrintSettingsDialog> form;
};

// The warning of a run past the sheet's last position; numbers with their leading blank (" 4").
inline MsgBoxCall pastSheetEndWarning(const char *positionsLeft, const char *start)
{
    return {QStringLiteral("Nombre maximun d'étiquettes = ") + QLatin1String(positionsLeft) +
                QStringLiteral("\r à partir de l'étiquette N° ") + QLatin1String(start),
            MsgBoxButtons::OKOnly, MsgBoxIcon::Exclamation, QStringLiteral("Avertissement"),
            MsgBoxDefault::First};
}
