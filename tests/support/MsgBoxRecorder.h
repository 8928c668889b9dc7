// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/MsgBox.h"

#include <QList>

#include <functional>

// Stands in for the message box during a test: each expected call is checked argument
// by argument and answered as scripted; an unexpected call, or an expected one that never
// came by the time the recorder goes, fails the running test.
class MsgBoxRecorder
{
public:
    MsgBoxRecorder();
    ~MsgBoxRecorder();

    // The next message box must be exactly call; it is answered with answer, after
    // whileShown has looked at the program as the box stands over it.
    void expect(const MsgBoxCall &call, MsgBoxResult answer = MsgBoxResult::OK,
                std::function<void()> whileShown = {});

    // Every call seen so far, expected or not.
    const QList<MsgBoxCall> &calls() const { return m_calls; }
    // True when every expected call has come and nothing else did.
    bool allSeen() const;

private:
    MsgBoxResult answer(const MsgBoxCall &call);
    void fail(const QString &message);
    static QString described(const MsgBoxCall &call);

    struct Expectation
    {
        MsgBoxCall call;
        MsgBoxResult answer;
        std::function<void()> whileShown;
    };
    QList<Expectation> m_expected;
    QList<MsgBoxCall> m_calls;
    bool m_unexpected = false;
    ScopedMsgBoxHandler m_guard;
};

// The program's usual error message (MsgBoxError), as the recorder expects it.
inline MsgBoxCall errorBox(const QString &prompt)
{
    return {prompt, MsgBoxButtons::OKOnly, MsgBoxIcon::Critical, QStringLiteral("Erreur"),
            MsgBoxDefault::First};
}

// Readable failure output for QCOMPARE on message-box calls.
char *toString(const MsgBoxCall &call);
