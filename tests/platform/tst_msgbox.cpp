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
    Qt::TextFormat format = Qt::AutoText;
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
        // The text shown is the prompt unless a row says otherwise.
        const auto row = [](const char *name, const MsgBoxCall &call, Qt::Key key,
                            MsgBoxResult result, QMessageBox::Icon icon, const QStringList &buttons,
                            const QString &text = QString()) {
            QTest::newRow(name) << call << key << result << (text.isNull() ? call.prompt : text)
                                << icon << buttons;
        };
        const QStringList ok{u"OK"_s}, okCancel{u"OK"_s, u"Cancel"_s}, yesNo{u"Yes"_s, u"No"_s};
        const MsgBoxCall error{u"Erreur sur l'imprimante !"_s, MsgBoxButtons::OKOnly,
                               MsgBoxIcon::Critical, u"Erreur"_s, MsgBoxDefault::First};
        row("OK, Enter", error, Qt::Key_Return, MsgBoxResult::OK, QMessageBox::Critical, ok);
        row("OK, Escape", error, Qt::Key_Escape, MsgBoxResult::OK, QMessageBox::Critical, ok);
        const MsgBoxCall question{u"Quitter ?"_s, MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                                  u"Fin"_s, MsgBoxDefault::First};
        MsgBoxCall questionNoFirst = question;
        questionNoFirst.defaultButton = MsgBoxDefault::Second;
        row("Yes/No, Enter on the first", question, Qt::Key_Return, MsgBoxResult::Yes,
            QMessageBox::Question, yesNo);
        row("Yes/No, Enter on the second", questionNoFirst, Qt::Key_Return, MsgBoxResult::No,
            QMessageBox::Question, yesNo);
        row("Yes/No, Escape", question, Qt::Key_Escape, MsgBoxResult::No, QMessageBox::Question,
            yesNo);
        const MsgBoxCall confirm{u"Imprimer ?"_s, MsgBoxButtons::OKCancel, MsgBoxIcon::Exclamation,
                                 u"Impression"_s, MsgBoxDefault::First};
        MsgBoxCall confirmCancelFirst = confirm;
        confirmCancelFirst.defaultButton = MsgBoxDefault::Second;
        row("OK/Cancel, Enter on the first", confirm, Qt::Key_Return, MsgBoxResult::OK,
            QMessageBox::Warning, okCancel);
        row("OK/Cancel, Enter on the second", confirmCancelFirst, Qt::Key_Return,
            MsgBoxResult::Cancel, QMessageBox::Warning, okCancel);
        row("OK/Cancel, Escape", confirm, Qt::Key_Escape, MsgBoxResult::Cancel,
            QMessageBox::Warning, okCancel);

        // Leaving a modified document: Enter saves, Escape leaves everything as it was.
        const MsgBoxCall leave{u"Enregistrer ?"_s, MsgBoxButtons::YesNoCancel,
                               MsgBoxIcon::Exclamation, u"Korvalin"_s, MsgBoxDefault::First};
        const QStringList yesNoCancel{u"Yes"_s, u"No"_s, u"Cancel"_s};
        row("Yes/No/Cancel, Enter", leave, Qt::Key_Return, MsgBoxResult::Yes, QMessageBox::Warning,
            yesNoCancel);
        row("Yes/No/Cancel, Escape", leave, Qt::Key_Escape, MsgBoxResult::Cancel,
            QMessageBox::Warning, yesNoCancel);

        // A lone CR and CR LF both break the line; nothing else of the prompt changes.
        const MsgBoxCall lines{u"Fichier\r modifié !\r\n  Enregistrer ? "_s, MsgBoxButtons::OKOnly,
                               MsgBoxIcon::Information, u"Note"_s, MsgBoxDefault::First};
        row("line breaks", lines, Qt::Key_Return, MsgBoxResult::OK, QMessageBox::Information, ok,
            u"Fichier\n modifié !\n  Enregistrer ? "_s);
        const MsgBoxCall plain{u"Sans icône"_s, MsgBoxButtons::OKOnly, MsgBoxIcon::None, QString(),
                               MsgBoxDefault::Second};
        row("no icon, second default of one button", plain, Qt::Key_Return, MsgBoxResult::OK,
            QMessageBox::NoIcon, ok);
        // Paths and names come from files: their markup is text, and nothing it names is read.
        const MsgBoxCall markup{
            u"Fichier icone <b><img src=/inexistant/logo.png></b> non trouvé !"_s,
            MsgBoxButtons::OKOnly, MsgBoxIcon::Critical, u"Erreur"_s, MsgBoxDefault::First};
        row("markup in the prompt", markup, Qt::Key_Return, MsgBoxResult::OK, QMessageBox::Critical,
            ok);
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
            shown.format = box->textFormat();
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
        QCOMPARE(shown.format, Qt::PlainText);
        std::sort(shown.buttons.begin(), shown.buttons.end());
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(shown.buttons, buttons);
        QCOMPARE(int(answered), int(result));
    }
};

QTEST_MAIN(TestMsgBox)
#include "tst_msgbox.moc"
