// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MsgBoxRecorder.h"

#include <QTest>

using namespace Qt::StringLiterals;

MsgBoxRecorder::MsgBoxRecorder() : m_guard([this](const MsgBoxCall &call) { return answer(call); })
{
}

MsgBoxRecorder::~MsgBoxRecorder()
{
    // A box the script waited for and that never came is a fault as much as an extra one.
    for (const Expectation &missing : std::as_const(m_expected))
        fail(u"Expected message box never shown: %1"_s.arg(described(missing.call)));
}

void MsgBoxRecorder::expect(const MsgBoxCall &call, MsgBoxResult answer,
                            std::function<void()> whileShown)
{
    m_expected.append({call, answer, std::move(whileShown)});
}

bool MsgBoxRecorder::allSeen() const
{
    return m_expected.isEmpty() && !m_unexpected;
}

MsgBoxResult MsgBoxRecorder::answer(const MsgBoxCall &call)
{
    m_calls.append(call);
    if (m_expected.isEmpty()) {
        fail(u"Unexpected message box: %1"_s.arg(described(call)));
        return MsgBoxResult::Cancel;
    }
    const Expectation next = m_expected.takeFirst();
    if (!(next.call == call)) {
        fail(u"Message box differs.\n   Actual: %1\n Expected: %2"_s.arg(described(call),
                                                                         described(next.call)));
    }
    if (next.whileShown)
        next.whileShown();
    return next.answer;
}

// The box comes from deep inside the code under test, often within a modal loop, where a
// QVERIFY could not return from the test function: the failure is recorded for the running
// test all the same, and allSeen() stays false.
void MsgBoxRecorder::fail(const QString &message)
{
    m_unexpected = true;
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

QString MsgBoxRecorder::described(const MsgBoxCall &call)
{
    char *text = toString(call);
    const QString result = QString::fromUtf8(text);
    delete[] text;
    return result;
}

char *toString(const MsgBoxCall &call)
{
    static const char *const buttons[] = {"OKOnly", "OKCancel", "YesNo", "YesNoCancel"};
    static const char *const icons[] = {"None", "Critical", "Question", "Exclamation",
                                        "Information"};
    const QString text = u"{prompt \"%1\", %2, %3, title \"%4\", default %5}"_s.arg(
        QString(call.prompt)
            .replace(QLatin1Char('\r'), "\\r"_L1)
            .replace(QLatin1Char('\n'), "\\n"_L1),
        QLatin1String(buttons[int(call.buttons)]), QLatin1String(icons[int(call.icon)]), call.title,
        call.defaultButton == MsgBoxDefault::First ? "first"_L1 : "second"_L1);
    return qstrdup(text.toUtf8().constData());
}
