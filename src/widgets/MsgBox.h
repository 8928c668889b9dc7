// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through MsgBox, so that tests can check each
// prompt, title, button set, icon and default button and answer as scripted.

enum class MsgBoxButtons
{
    OKOnly,
    OKCancel,
    YesNo,
    YesNoCancel
};
enum class MsgBoxIcon
{
    None,
    Critical,
    Question,
    Exclamation,
    Information
};
enum class MsgBoxDefault
{
    First,
    Second
};
enum class MsgBoxResult
{
    OK,
    Cancel,
    Yes,
    No
};

struct MsgBoxCall
{
    QString prompt;
    MsgBoxButtons buttons = MsgBoxButtons::OKOnly;
    MsgBoxIcon icon = MsgBoxIcon::None;
    QString title;
    MsgBoxDefault defaultButton = MsgBoxDefault::First;

    bool operator==(const MsgBoxCall &other) const;
};

MsgBoxResult MsgBox(const QString &prompt, MsgBoxButtons buttons, MsgBoxIcon icon,
                    const QString &title, MsgBoxDefault defaultButton = MsgBoxDefault::First);

// The program's usual error message: an OK button, the critical icon and the title "Erreur".
void MsgBoxError(const QString &prompt);

// Replaces the real message box while the returned guard lives (tests only).
using MsgBoxHandler = std::function<MsgBoxResult(const MsgBoxCall &)>;

class ScopedMsgBoxHandler
{
public:
    explicit ScopedMsgBoxHandler(MsgBoxHandler handler);
    ~ScopedMsgBoxHandler();
    ScopedMsgBoxHandler(const ScopedMsgBoxHandler &) = delete;
    ScopedMsgBoxHandler &operator=(const ScopedMsgBoxHandler &) = delete;

private:
    MsgBoxHandler m_previous;
};
