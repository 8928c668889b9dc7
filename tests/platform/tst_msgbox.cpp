#include "platform/widgets/MsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(MsgBoxCall)
Q_DECLARE_METATYPE(MsgBoxResult)
Q_DECLARE_METATYPE(Qt::Key)

namespace {

// What the real box showed before a key answered it.
struct Shown
{
    bool seen = false;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

QString buttonName(QMessageBox &box, QAbstractButton *button)
{
    switch (box.standardButton(button)) {
    case QMessageBox::Ok:
        return QStringLiteral("OK");
    case QMessageBox::Cancel:
        return QStringLiteral("Cancel");
    case QMessageBox::Yes:
        return QStringLiteral("Yes");
    case QMessageBox::No:
        return QStringLiteral("No");
    default:
        return QStringLiteral("?");
    }
}

} // namespace

// The production message box, shown by Qt on the offscreen platform: no recorder here.
class TestMsgBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realBox_data();
    void realBox();
};

void TestMsgBox::realBox_data()
{
    QTest::addColumn<MsgBoxCall>("call");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<MsgBoxResult>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QStringList>("buttons");

    const QStringList ok{QStringLiteral("OK")};
    const QStringList okCancel{QStringLiteral("OK"), QStringLiteral("Cancel")};
    const QStringList yesNo{QStringLiteral("Yes"), QStringLiteral("No")};
    const MsgBoxCall error{QStringLiteral("Erreur sur l'imprimante !"), MsgBoxButtons::OKOnly,
                           MsgBoxIcon::Critical, QStringLiteral("Erreur"), MsgBoxDefault::First};
    QTest::newRow("OK, Enter") << error << Qt::Key_Return << MsgBoxResult::OK
                               << QStringLiteral("Erreur sur l'imprimante !")
                               << QMessageBox::Critical << ok;
    QTest::newRow("OK, Escape") << error << Qt::Key_Escape << MsgBoxResult::OK
                                << QStringLiteral("Erreur sur l'imprimante !")
                                << QMessageBox::Critical << ok;

    const MsgBoxCall question{QStringLiteral("Quitter ?"), MsgBoxButtons::YesNo,
                              MsgBoxIcon::Question, QStringLiteral("Fin"), MsgBoxDefault::First};
    MsgBoxCall questionNoFirst = question;
    questionNoFirst.defaultButton = MsgBoxDefault::Second;
    QTest::newRow("Yes/No, Enter on the first")
        << question << Qt::Key_Return << MsgBoxResult::Yes << QStringLiteral("Quitter ?")
        << QMessageBox::Question << yesNo;
    QTest::newRow("Yes/No, Enter on the second")
        << questionNoFirst << Qt::Key_Return << MsgBoxResult::No << QStringLiteral("Quitter ?")
        << QMessageBox::Question << yesNo;
    QTest::newRow("Yes/No, Escape")
        << question << Qt::Key_Escape << MsgBoxResult::No << QStringLiteral("Quitter ?")
        << QMessageBox::Question << yesNo;

    const MsgBoxCall confirm{QStringLiteral("Imprimer ?"), MsgBoxButtons::OKCancel,
                             MsgBoxIcon::Exclamation, QStringLiteral("Impression"),
                             MsgBoxDefault::First};
    MsgBoxCall confirmCancelFirst = confirm;
    confirmCancelFirst.defaultButton = MsgBoxDefault::Second;
    QTest::newRow("OK/Cancel, Enter on the first")
        << confirm << Qt::Key_Return << MsgBoxResult::OK << QStringLiteral("Imprimer ?")
        << QMessageBox::Warning << okCancel;
    QTest::newRow("OK/Cancel, Enter on the second")
        << confirmCancelFirst << Qt::Key_Return << MsgBoxResult::Cancel
        << QStringLiteral("Imprimer ?") << QMessageBox::Warning << okCancel;
    QTest::newRow("OK/Cancel, Escape")
        << confirm << Qt::Key_Escape << MsgBoxResult::Cancel << QStringLiteral("Imprimer ?")
        << QMessageBox::Warning << okCancel;

    // A lone CR and CR LF both break the line; nothing else of the prompt changes.
    const MsgBoxCall lines{QStringLiteral("Fichier\r modifié !\r\n  Enregistrer ? "),
                           MsgBoxButtons::OKOnly, MsgBoxIcon::Information, QStringLiteral("Note"),
                           MsgBoxDefault::First};
    QTest::newRow("line breaks") << lines << Qt::Key_Return << MsgBoxResult::OK
                                 << QStringLiteral("Fichier\n modifié !\n  Enregistrer ? ")
                                 << QMessageBox::Information << ok;
    const MsgBoxCall plain{QStringLiteral("Sans icône"), MsgBoxButtons::OKOnly, MsgBoxIcon::None,
                           QString(), MsgBoxDefault::Second};
    QTest::newRow("no icon, second default of one button")
        << plain << Qt::Key_Return << MsgBoxResult::OK << QStringLiteral("Sans icône")
        << QMessageBox::NoIcon << ok;
}

void TestMsgBox::realBox()
{
    QFETCH(MsgBoxCall, call);
    QFETCH(Qt::Key, key);
    QFETCH(MsgBoxResult, result);
    QFETCH(QString, text);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QStringList, buttons);

    Shown shown;
    QTimer::singleShot(0, [&shown, key] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown.seen = true;
        shown.text = box->text();
        shown.title = box->windowTitle();
        shown.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            shown.buttons.append(buttonName(*box, button));
        QTest::keyClick(box, key);
    });
    // A box that ignores the key must not hang the suite: it is closed after a while, and
    // the checks below tell what went wrong.
    QObject scope;
    QTimer::singleShot(5000, &scope, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    const MsgBoxResult answered =
        MsgBox(call.prompt, call.buttons, call.icon, call.title, call.defaultButton);

    QVERIFY(shown.seen);
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.title, call.title);
    QCOMPARE(shown.icon, icon);
    std::sort(shown.buttons.begin(), shown.buttons.end());
    std::sort(buttons.begin(), buttons.end());
    QCOMPARE(shown.buttons, buttons);
    QCOMPARE(int(answered), int(result));
}

QTEST_MAIN(TestMsgBox)
#include "tst_msgbox.moc"
