// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/MsgBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

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
        return u"OK"_s;
    case QMessageBox::Cancel:
        return u"Cancel"_s;
    case QMessageBox::Yes:
        return u"Yes"_s;
    case QMessageBox::No:
        return u"No"_s;
    default:
        return u"?"_s;
    }
}

} // namespace

// The production message box, shown by Qt on the offscreen platform: no recorder here.
class TestMsgBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void realBox_data()
    {
        QTest::addColumn<MsgBoxCall>("call");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<MsgBoxResult>("result");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QStringList>("buttons");

        const QStringList ok{u"OK"_s};
        const QStringList okCancel{u"OK"_s, u"Cancel"_s};
        const QStringList yesNo{u"Yes"_s, u"No"_s};
        const MsgBoxCall error{u"Erreur sur l'imprimante !"_s, MsgBoxButtons::OKOnly,
                               MsgBoxIcon::Critical, u"Erreur"_s, MsgBoxDefault::First};
        QTest::newRow("OK, Enter") << error << Qt::Key_Return << MsgBoxResult::OK
                                   << u"Erreur sur l'imprimante !"_s << QMessageBox::Critical << ok;
        QTest::newRow("OK, Escape")
            << error << Qt::Key_Escape << MsgBoxResult::OK << u"Erreur sur l'imprimante !"_s
            << QMessageBox::Critical << ok;

        const MsgBoxCall question{u"Quitter ?"_s, MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                                  u"Fin"_s, MsgBoxDefault::First};
        MsgBoxCall questionNoFirst = question;
        questionNoFirst.defaultButton = MsgBoxDefault::Second;
        QTest::newRow("Yes/No, Enter on the first")
            << question << Qt::Key_Return << MsgBoxResult::Yes << u"Quitter ?"_s
            << QMessageBox::Question << yesNo;
        QTest::newRow("Yes/No, Enter on the second")
            << questionNoFirst << Qt::Key_Return << MsgBoxResult::No << u"Quitter ?"_s
            << QMessageBox::Question << yesNo;
        QTest::newRow("Yes/No, Escape") << question << Qt::Key_Escape << MsgBoxResult::No
                                        << u"Quitter ?"_s << QMessageBox::Question << yesNo;

        const MsgBoxCall confirm{u"Imprimer ?"_s, MsgBoxButtons::OKCancel, MsgBoxIcon::Exclamation,
                                 u"Impression"_s, MsgBoxDefault::First};
        MsgBoxCall confirmCancelFirst = confirm;
        confirmCancelFirst.defaultButton = MsgBoxDefault::Second;
        QTest::newRow("OK/Cancel, Enter on the first")
            << confirm << Qt::Key_Return << MsgBoxResult::OK << u"Imprimer ?"_s
            << QMessageBox::Warning << okCancel;
        QTest::newRow("OK/Cancel, Enter on the second")
            << confirmCancelFirst << Qt::Key_Return << MsgBoxResult::Cancel << u"Imprimer ?"_s
            << QMessageBox::Warning << okCancel;
        QTest::newRow("OK/Cancel, Escape") << confirm << Qt::Key_Escape << MsgBoxResult::Cancel
                                           << u"Imprimer ?"_s << QMessageBox::Warning << okCancel;

        // Leaving a modified document: Enter saves, Escape leaves everything as it was.
        const MsgBoxCall leave{u"Enregistrer ?"_s, MsgBoxButtons::YesNoCancel,
                               MsgBoxIcon::Exclamation, u"Korvalin"_s, MsgBoxDefault::First};
        const QStringList yesNoCancel{u"Yes"_s, u"No"_s, u"Cancel"_s};
        QTest::newRow("Yes/No/Cancel, Enter")
            << leave << Qt::Key_Return << MsgBoxResult::Yes << u"Enregistrer ?"_s
            << QMessageBox::Warning << yesNoCancel;
        QTest::newRow("Yes/No/Cancel, Escape")
            << leave << Qt::Key_Escape << MsgBoxResult::Cancel << u"Enregistrer ?"_s
            << QMessageBox::Warning << yesNoCancel;

        // A lone CR and CR LF both break the line; nothing else of the prompt changes.
        const MsgBoxCall lines{u"Fichier\r modifié !\r\n  Enregistrer ? "_s, MsgBoxButtons::OKOnly,
                               MsgBoxIcon::Information, u"Note"_s, MsgBoxDefault::First};
        QTest::newRow("line breaks")
            << lines << Qt::Key_Return << MsgBoxResult::OK
            << u"Fichier\n modifié !\n  Enregistrer ? "_s << QMessageBox::Information << ok;
        const MsgBoxCall plain{u"Sans icône"_s, MsgBoxButtons::OKOnly, MsgBoxIcon::None, QString(),
                               MsgBoxDefault::Second};
        QTest::newRow("no icon, second default of one button")
            << plain << Qt::Key_Return << MsgBoxResult::OK << u"Sans icône"_s << QMessageBox::NoIcon
            << ok;
    }

    void realBox()
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
};

QTEST_MAIN(TestMsgBox)
#include "tst_msgbox.moc"
