#include "MsgBoxRecorder.h"

#include <QTest>

MsgBoxRecorder::MsgBoxRecorder() : m_guard([this](const MsgBoxCall &call) { return answer(call); })
{
}

MsgBoxRecorder::~MsgBoxRecorder()
{
    // A box the script waited for and that never came is a fault as much as an extra one.
    for (const Expectation &missing : std::as_const(m_expected))
        fail(QStringLiteral("Expected message box never shown: %1").arg(described(missing.call)));
}

void MsgBoxRecorder::expect(const MsgBoxCall &call, MsgBoxResult answer)
{
    m_expected.append({call, answer});
}

bool MsgBoxRecorder::allSeen() const
{
    return m_expected.isEmpty() && !m_unexpected;
}

MsgBoxResult MsgBoxRecorder::answer(const MsgBoxCall &call)
{
    m_calls.append(call);
    if (m_expected.isEmpty()) {
        fail(QStringLiteral("Unexpected message box: %1").arg(described(call)));
        return MsgBoxResult::Cancel;
    }
    const Expectation next = m_expected.takeFirst();
    if (!(next.call == call)) {
        fail(QStringLiteral("Message box differs.\n   Actual: %1\n Expected: %2")
                 .arg(described(call), described(next.call)));
    }
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
    static const char *const buttons[] = {"OKOnly", "OKCancel", "YesNo"};
    static const char *const icons[] = {"None", "Critical", "Question", "Exclamation",
                                        "Information"};
    const QString text =
        QStringLiteral("{prompt \"%1\", %2, %3, title \"%4\", default %5}")
            .arg(QString(call.prompt)
                     .replace(QLatin1Char('\r'), QLatin1String("\\r"))
                     .replace(QLatin1Char('\n'), QLatin1String("\\n")),
                 QLatin1String(buttons[int(call.buttons)]), QLatin1String(icons[int(call.icon)]),
                 call.title,
                 call.defaultButton == MsgBoxDefault::First ? QLatin1String("first")
                                                            : QLatin1String("second"));
    return qstrdup(text.toUtf8().constData());
}
