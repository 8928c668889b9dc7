// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"
#include "MainWindowHarness.h"
#include "TestFiles.h"

#include "label/LabelFile.h"
#include "platform/LabelFonts.h"
#include "windows/shared/LabelFontDialog.h"
#include "windows/shared/QtDialogBackend.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// One line per font choice, so a comparison shows at once which value moved.
QString described(const FontChoice &font)
{
    return u"%1 %2%3%4"_s.arg(font.name)
        .arg(double(font.size))
        .arg(font.bold ? u" gras"_s : QString())
        .arg(font.italic ? u" italique"_s : QString());
}

QFont qtFont(const QString &family, qreal size, bool bold, bool italic)
{
    QFont font(family);
    font.setPointSizeF(size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// What the user changes in the font dialog before pressing OK; empty when nothing.
using FontChange = std::function<void(QFont &font)>;

// What the real dialog showed when it opened.
struct Opened
{
    bool seen = false;
    QFont font;
    bool effectsOffered = true;
};

// Answers the next font dialog, Qt's own, as the user would; notes what it showed.
void answerFontDialog(const FontChange &change, Opened &opened)
{
    QTimer::singleShot(0, [change, &opened] {
        auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        opened.seen = true;
        opened.font = dialog->currentFont();
        opened.effectsOffered = false;
        for (const QCheckBox *box : dialog->findChildren<QCheckBox *>())
            opened.effectsOffered = opened.effectsOffered || box->isVisibleTo(dialog);
        // The style named by the dialog's own font would override bold and italic.
        QFont font = opened.font;
        font.setStyleName(QString());
        if (change) {
            change(font);
            dialog->setCurrentFont(font);
        }
        dialog->accept();
    });
}

} // namespace

class TestQtDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keptUnlessChanged_data()
    {
        QTest::addColumn<FontChoice>("given");
        QTest::addColumn<QFont>("shown");
        QTest::addColumn<QFont>("chosen");
        QTest::addColumn<FontChoice>("expected");
        const FontChoice arial{u"Arial"_s, 8.25f, true, false};
        const QFont shown = qtFont(u"Liberation Sans"_s, 8, true, false);
        QTest::newRow("nothing changed") << arial << shown << shown << arial;
        QTest::newRow("another family")
            << arial << shown << qtFont(u"DejaVu Serif"_s, 8, true, false)
            << FontChoice{u"DejaVu Serif"_s, 8.25f, true, false};
        QTest::newRow("another size")
            << arial << shown << qtFont(u"Liberation Sans"_s, 14, true, false)
            << FontChoice{u"Arial"_s, 14, true, false};
        QTest::newRow("bold off") << arial << shown << qtFont(u"Liberation Sans"_s, 8, false, false)
                                  << FontChoice{u"Arial"_s, 8.25f, false, false};
        QTest::newRow("italic on") << arial << shown << qtFont(u"Liberation Sans"_s, 8, true, true)
                                   << FontChoice{u"Arial"_s, 8.25f, true, true};
        // A face without a bold style shows regular; leaving it alone keeps the zone bold.
        const FontChoice boldMono{u"Terminal"_s, 9, true, false};
        const QFont regular = qtFont(u"DejaVu Sans Mono"_s, 9, false, false);
        QTest::newRow("style the face lacks") << boldMono << regular << regular << boldMono;
    }

    void keptUnlessChanged()
    {
        QFETCH(FontChoice, given);
        QFETCH(QFont, shown);
        QFETCH(QFont, chosen);
        QFETCH(FontChoice, expected);
        QCOMPARE(described(LabelFontDialog::keptUnlessChanged(given, shown, chosen)),
                 described(expected));
    }

    void realDialog_data()
    {
        QTest::addColumn<FontChoice>("given");
        QTest::addColumn<FontChange>("change");
        QTest::addColumn<FontChoice>("expected");
        const FontChoice arial{u"Arial"_s, 12, true, false};
        const FontChoice times{u"Times New Roman"_s, 14, true, true};
        const FontChoice courier{u"Courier New"_s, 8.25f, false, false};
        const FontChoice comic{u"Comic Sans MS"_s, 10, false, true};
        const FontChange untouched;
        QTest::newRow("Arial 12 bold, untouched") << arial << untouched << arial;
        QTest::newRow("Times New Roman 14 bold italic, untouched") << times << untouched << times;
        QTest::newRow("Courier New 8.25, untouched") << courier << untouched << courier;
        QTest::newRow("Comic Sans MS 10 italic, untouched") << comic << untouched << comic;
        QTest::newRow("Arial, bold taken off")
            << arial << FontChange([](QFont &font) { font.setBold(false); })
            << FontChoice{u"Arial"_s, 12, false, false};
        QTest::newRow("Arial, italic put on")
            << arial << FontChange([](QFont &font) { font.setItalic(true); })
            << FontChoice{u"Arial"_s, 12, true, true};
        QTest::newRow("Courier New, other size")
            << courier << FontChange([](QFont &font) { font.setPointSize(20); })
            << FontChoice{u"Courier New"_s, 20, false, false};
        QTest::newRow("Times New Roman, other family")
            << times << FontChange([](QFont &font) { font.setFamily(u"DejaVu Serif"_s); })
            << FontChoice{u"DejaVu Serif"_s, 14, true, true};
    }

    void realDialog()
    {
        QFETCH(FontChoice, given);
        QFETCH(FontChange, change);
        QFETCH(FontChoice, expected);
        QtDialogBackend backend;
        Opened opened;
        answerFontDialog(change, opened);
        const std::optional<FontChoice> answer = backend.chooseFont(given, nullptr);
        QVERIFY(opened.seen);
        const QFont &font = opened.font;
        QCOMPARE(described({font.family(), float(font.pointSize()), font.bold(), font.italic()}),
                 described({LabelFonts::drawnFamily(given.name), float(qRound(given.size)),
                            given.bold, given.italic}));
        QVERIFY(!opened.effectsOffered);
        QVERIFY(answer);
        QCOMPARE(described(*answer), described(expected));
    }

    void cancelledRealDialogGivesNothing()
    {
        QtDialogBackend backend;
        QTimer::singleShot(0, [] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QVERIFY(!backend.chooseFont({u"Arial"_s, 12, true, false}, nullptr));
    }

    void everyControlIsNamed()
    {
        QtDialogBackend backend;
        QStringList nameless{u"the dialog did not open"_s};
        QTimer::singleShot(0, [&nameless] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                nameless = Accessibility::namelessControls(dialog);
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        backend.chooseFont({u"Arial"_s, 12, true, false}, nullptr);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char('\n'))));
    }

    void nameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("patterns in the description")
            << u"Fichiers étiquette (*.ETI)|*.eti"_s
            << QStringList{u"Fichiers étiquette (*.ETI)"_s};
        QTest::newRow("several patterns, none in the description")
            << u"Toutes les images|*.png;*.svg|Fichier image (*.GIF)|*.gif"_s
            << QStringList{u"Toutes les images (*.png *.svg)"_s, u"Fichier image (*.GIF)"_s};
    }

    // Qt reads the patterns from the parentheses, separated by blanks.
    void nameFilters()
    {
        QFETCH(QString, filter);
        QTEST(QtDialogBackend::nameFilters(filter), "shown");
    }

    void overwriteQuestion_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<bool>("askBeforeOverwrite");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<bool>("asked");
        const QString eti = u"disque.eti"_s;
        QTest::newRow("save over a file, asking") << true << true << true << eti << true;
        QTest::newRow("save over a file, not asking") << true << false << true << eti << false;
        QTest::newRow("save a new file, asking") << true << true << false << eti << false;
        QTest::newRow("open a file, asking") << false << true << true << eti << false;
        QTest::newRow("save, no extension typed") << true << true << false << u"disque"_s << false;
        QTest::newRow("save over a file, no extension typed")
            << true << true << true << u"disque"_s << true;
    }

    // Qt's file dialog, accepted on the typed name, asks before replacing a file exactly when
    // the request says so; the answer "Yes" gives the file back, with the filter's extension
    // when the name had none.
    void overwriteQuestion()
    {
        QFETCH(bool, save);
        QFETCH(bool, askBeforeOverwrite);
        QFETCH(bool, fileExists);
        QFETCH(QString, typedName);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"disque.eti"_s);
        if (fileExists)
            QVERIFY(writeBytes(path, "[Titre 1]\r\n"));
        FileRequest request;
        request.title = u"Enregistrer Sous"_s;
        request.filter = u"Fichiers étiquette (*.ETI)|*.eti"_s;
        request.proposedName = folder.filePath(typedName);
        request.askBeforeOverwrite = askBeforeOverwrite;
        bool question = false;
        QTimer::singleShot(0, [&question] {
            auto *fileDialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!fileDialog)
                return;
            // Qt asks from inside accept(): the next turn of the loop it runs answers.
            QTimer::singleShot(0, [&question] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    question = true;
                    box->button(QMessageBox::Yes)->click();
                }
            });
            static_cast<QDialog *>(fileDialog)->accept();
        });
        QtDialogBackend backend;
        const std::optional<QString> chosen = save ? backend.chooseFileToSave(request, nullptr)
                                                   : backend.chooseFileToOpen(request, nullptr);
        QTEST(question, "asked");
        QCOMPARE(chosen, std::optional<QString>(path));
    }

    void labelSurvivesTheDialogAndASave_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<FontChoice>("font");
        QTest::newRow("Arial 12 bold") << 1 << FontChoice{u"Arial"_s, 12, true, false};
        QTest::newRow("Times New Roman 14 bold italic")
            << 2 << FontChoice{u"Times New Roman"_s, 14, true, true};
        QTest::newRow("MS Sans Serif 8.25")
            << 3 << FontChoice{u"MS Sans Serif"_s, 8.25f, false, false};
    }

    // A label opened, its font dialog accepted untouched and saved: the file is as it was.
    void labelSurvivesTheDialogAndASave()
    {
        QFETCH(int, zone);
        QFETCH(FontChoice, font);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"police.eti"_s);
        LabelZones zones = LabelDocument::startUp().zones;
        zones[ZoneId(zone - 1)].text = u"Sauvegarde"_s;
        font.applyTo(zones[ZoneId(zone - 1)].style);
        LabelDocument document = LabelDocument::startUp();
        document.zones = zones;
        const std::optional<QByteArray> original = LabelFile::encode(document);
        QVERIFY(original && writeBytes(path, *original));
        MainWindowHarness h(path);
        h.form->commonDialog().setBackend(std::make_unique<QtDialogBackend>());
        h.clickZone(zone);
        Opened opened;
        answerFontDialog({}, opened);
        h.button("fontButton")->click();
        QVERIFY(opened.seen);
        QCOMPARE(h.zone(zone), zones[ZoneId(zone - 1)]);
        h.action("saveAction")->trigger();
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(fileBytes(path), *original);
    }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
