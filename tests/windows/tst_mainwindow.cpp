// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's shell: its start-up state, captions, tips, entry points, toolbar,
// status bar, help and the end of the program.
#include "DocumentQuestions.h"
#include "MainWindowHarness.h"

#include "label/LabelFile.h"
#include "windows/shared/WindowPlacement.h"

#include <QLocale>
#include <QMenu>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// What a command showed first: "message <title>", "open <title>", "save <title>", "font",
// "colour", "help contents", "help search", "printer", or "" for nothing. Message boxes are
// declined.
struct FirstEffect
{
    explicit FirstEffect(MainWindowHarness &h)
        : harness(h), guard([this](const MsgBoxCall &call) {
              messages.append(u"message "_s + call.title);
              return call.buttons == MsgBoxButtons::YesNo ? MsgBoxResult::No : MsgBoxResult::Cancel;
          })
    {
    }

    QString text() const
    {
        if (!messages.isEmpty())
            return messages.first();
        if (harness.dialogs->shown().isEmpty())
            return QString();
        const ScriptedDialogs::Shown &shown = harness.dialogs->shown().first();
        switch (shown.kind) {
        case ScriptedDialogs::Kind::Open:
            return u"open "_s + shown.title;
        case ScriptedDialogs::Kind::Save:
            return u"save "_s + shown.title;
        case ScriptedDialogs::Kind::Font:
            return u"font"_s;
        case ScriptedDialogs::Kind::Color:
            return u"colour"_s;
        case ScriptedDialogs::Kind::Printer:
            return u"printer"_s;
        case ScriptedDialogs::Kind::Help:
            return shown.helpPage == HelpRequest::Page::Search ? u"help search"_s
                                                               : u"help contents"_s;
        }
        return QString();
    }

    MainWindowHarness &harness;
    QStringList messages;
    ScopedMsgBoxHandler guard;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    // Each window opens in the middle of the screen it is on, also a second screen.
    void windowsOpenCentred()
    {
        QCOMPARE(centredWindowPosition(QSize(200, 100), QRect(0, 0, 1000, 800)), QPoint(400, 350));
        QCOMPARE(centredWindowPosition(QSize(200, 100), QRect(1920, 0, 1000, 800)),
                 QPoint(2320, 350));
    }

    void startUpState()
    {
        const QDate dayBefore = QDate::currentDate();
        MainWindowHarness h;
        const QDate dayAfter = QDate::currentDate();
        // The placeholder is where the desktop puts its modified mark; unmodified, it shows none.
        QCOMPARE(h.form->windowTitle(), u"Création d'étiquette pour disquette 3\"1/2[*]"_s);
        QVERIFY(!h.form->isWindowModified());
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SANS NOM"_s);
        // The date may change while the window starts.
        const QLocale french(QLocale::French, QLocale::France);
        QVERIFY2(h.panel(StatusPanels::Panel::Date) ==
                         french.toString(dayBefore, QLocale::ShortFormat) ||
                     h.panel(StatusPanels::Panel::Date) ==
                         french.toString(dayAfter, QLocale::ShortFormat),
                 qPrintable(h.panel(StatusPanels::Panel::Date)));
        QVERIFY2(QRegularExpression(u"^\\d\\d:\\d\\d:\\d\\d$"_s)
                     .match(h.panel(StatusPanels::Panel::Time))
                     .hasMatch(),
                 qPrintable(h.panel(StatusPanels::Panel::Time)));
        QCOMPARE(h.panel(StatusPanels::Panel::CapsLock), u"MAJ"_s);
        QCOMPARE(h.panel(StatusPanels::Panel::Insert), u"INSER"_s);
        QVERIFY(!h.panel(StatusPanels::Panel::ProgramName).isEmpty());
        QCOMPARE(h.selectionShown(),
                 (QStringList{u"c0c0c0 ffffff ffffff"_s, u"Edition du texte zone 1"_s,
                              u"Aligner texte 1"_s, u"alignmentOption1"_s, QString()}));
        QCOMPARE(h.text1()->font().family(), u"Arial"_s);
        QCOMPARE(h.text1()->font().pointSizeF(), 8.25);
        QCOMPARE(zoneNumber(h.state.label.selectedZone), 1);
        QVERIFY(!h.form->isModified());
        QCOMPARE(h.zone(1), TextZone::startUp(ZoneId::First));
        QCOMPARE(h.zone(2).style.color, WindowTextColor);
        QCOMPARE(h.zone(3), TextZone::startUp(ZoneId::Third));
        QCOMPARE(h.orientationShown(), QStringList{u"Aucune imprimante"_s});
        QVERIFY(h.msgBoxes.allSeen());
    }

    // The captions of menus, items and buttons, and the tips of controls.
    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("tip");
        QTest::addColumn<QString>("text");
        const auto rows = [](bool tip, const QString &entries) {
            for (const QString &entry : entries.split(QLatin1Char('|'))) {
                const QString name = entry.section(QLatin1Char('='), 0, 0);
                QTest::addRow("%s %s", qPrintable(name), tip ? "tip" : "caption")
                    << name << tip << entry.section(QLatin1Char('='), 1);
            }
        };
        rows(false,
             QStringLiteral(
                 "newAction=&Nouveau|openAction=&Ouvrir|saveAction=&Enregistrer|"
                 "saveAsAction=Enregistrer &Sous...|previewAction=&Aperçu|printAction=&Imprimer|"
                 "printerSetupAction=Configurer l'imprimante|"
                 "portraitAction=Imprimante en mode Portrait|"
                 "landscapeAction=Imprimante en mode Paysage|quitAction=&Quitter|"
                 "helpContentsAction=&Sommaire de l'aide|"
                 "helpSearchAction=&Rechercher dans l'aide|aboutAction=A propos|"
                 "fileMenu=&Fichier|helpMenu=?|fontButton=&Police...|colorButton=&Couleur...|"
                 "pictureButton=&Logo Icone|quitButton=&Quitter|printButton=Imprimer|"
                 "clearPictureButton=&Pas d'icone|helpButton=&Aide|"
                 "imageViewerButton=&Visualiser les images...|previewButton=Aperçu|"
                 "pastePictureButton=Coller l'image|alignmentOption1=Gauche|"
                 "alignmentOption2=Droite|alignmentOption3=Centre"));
        rows(true, QStringLiteral(
                       "zoneDisplay1=Cliquez ici pour éditer la zone de texte 1|"
                       "zoneDisplay2=Cliquez ici pour éditer la zone de texte 2|"
                       "zoneDisplay3=Cliquez ici pour éditer la zone de texte 3|"
                       "pictureBox=Double clic pour charger une image|"
                       "fontButton=Affecte une police de caractère à la zone de texte sélectionnée|"
                       "colorButton=Affecte une couleur à la police de caractère à la zone de "
                       "texte sélectionnée|"
                       "alignmentGroup=Aligne le texte de la zone sélectionée|"
                       "pictureButton=Charge une image|clearPictureButton=Efface l'image|"
                       "imageViewerButton=Exécute la visionneuse|"
                       "previewButton=Donne un aperçu avant impression|"
                       "printButton=Lance la feuille du paramétrage d'impression|"
                       "quitButton=Quitte le programme|helpButton=Exécute l'aide de Korvalin|"
                       "pastePictureButton=Colle l'image sélectionnée en icône"));
    }

    void texts()
    {
        QFETCH(QString, name);
        QFETCH(bool, tip);
        QFETCH(QString, text);
        MainWindowHarness h;
        const QByteArray objectName = name.toLatin1();
        if (tip)
            QCOMPARE(h.find<QWidget>(objectName.constData())->toolTip(), text);
        else if (auto *menu = h.form->findChild<QMenu *>(name))
            QCOMPARE(menu->title(), text);
        else if (auto *button = h.form->findChild<QAbstractButton *>(name))
            QCOMPARE(button->text(), text);
        else
            QCOMPARE(h.action(objectName.constData())->text(), text);
        // The frames carry their captions too, whatever their names.
        QStringList frames;
        for (const QGroupBox *frame : h.form->findChildren<QGroupBox *>())
            frames.append(frame->title());
        for (const QString &title : {u"Iimprimante "_s, u"Logo / Icône"_s, u"Texte"_s})
            QVERIFY2(frames.contains(title), qPrintable(title));
    }

    void toolbarTips_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("tip"); // empty for a separator
        // Separators have no tip.
        const QStringList tips =
            QStringLiteral("Nouveau|Ouvrir|Enregistrer|Enregistrer sous|Aperçu|Imprimer||Police|"
                           "Couleur|Icône|Visualiser les images||Aide|A propos||Quitter")
                .split(QLatin1Char('|'));
        for (int index = 1; index <= 16; ++index)
            QTest::addRow("button %d", index) << index << tips[index - 1];
    }

    void toolbarTips()
    {
        QFETCH(int, index);
        QFETCH(QString, tip);
        MainWindowHarness h;
        QCOMPARE(h.find<QToolBar>("toolBar")->actions().size(), 16);
        QAction *entry = h.toolbarEntry(index);
        QCOMPARE(entry->isSeparator(), tip.isEmpty());
        if (!tip.isEmpty()) {
            QCOMPARE(entry->toolTip(), tip);
            QVERIFY(!entry->icon().isNull());
            QVERIFY(!entry->icon().pixmap(24, 24).isNull());
        }
    }

    void commandsOfLaterWindowsAreVisiblyDisabled_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("pastePictureButton") << u"pastePictureButton"_s << false;
        for (const char *name :
             {"newAction",          "printAction",      "printerSetupAction", "portraitAction",
              "landscapeAction",    "helpSearchAction", "pictureButton",      "printButton",
              "clearPictureButton", "helpButton",       "toolbar 1",          "toolbar 6",
              "toolbar 10",         "toolbar 13",       "toolbar 16",         "previewAction",
              "previewButton",      "toolbar 5",        "aboutAction",        "toolbar 14",
              "imageViewerButton",  "toolbar 11"})
            QTest::newRow(name) << QString(QLatin1String(name)) << true;
    }

    void commandsOfLaterWindowsAreVisiblyDisabled()
    {
        QFETCH(QString, entry);
        QFETCH(bool, enabled);
        MainWindowHarness h;
        h.form->show();
        if (entry.startsWith("toolbar "_L1)) {
            QCOMPARE(h.toolbarEntry(entry.mid(8).toInt())->isEnabled(), enabled);
        } else if (auto *button = h.form->findChild<QAbstractButton *>(entry)) {
            QCOMPARE(button->isEnabled(), enabled);
            QVERIFY(button->isVisible());
        } else {
            QCOMPARE(h.action(entry.toLatin1().constData())->isEnabled(), enabled);
            QVERIFY(h.action(entry.toLatin1().constData())->isVisible());
        }
    }

    // Every entry point of a command runs the same handler: menu item, button and toolbar
    // button show the same first dialog or question.
    void entryPoints_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("effect");
        const auto rows = [](const char *effect, std::initializer_list<const char *> entries) {
            for (const char *entry : entries)
                QTest::newRow(entry) << entry << effect;
        };
        rows("message Création d'une étiquette", {"newAction", "toolbar 1"});
        rows("open Ouvrir", {"openAction", "toolbar 2"});
        // Enregistrer on an untitled label asks for a name.
        rows("save Enregistrer Sous", {"saveAction", "toolbar 3", "saveAsAction", "toolbar 4"});
        rows("font", {"fontButton", "toolbar 8"});
        rows("colour", {"colorButton", "toolbar 9"});
        rows("open Ouvrir un icone", {"pictureButton", "toolbar 10"});
        rows("help contents", {"helpContentsAction", "helpButton", "toolbar 13"});
        rows("help search", {"helpSearchAction"});
        rows("printer", {"printerSetupAction"});
        rows("message Quitter le programme", {"quitAction", "quitButton", "toolbar 16"});
    }

    void entryPoints()
    {
        QFETCH(QString, entry);
        QFETCH(QString, effect);
        MainWindowHarness h;
        h.dialogs->answerNext(ScriptedDialogs::Cancel{});
        FirstEffect first(h);
        h.runEntry(entry);
        // The printer set-up asks CUPS what to offer before its dialog comes.
        QTRY_COMPARE_WITH_TIMEOUT(first.text(), effect, 30000);
    }

    void toolbarSeparatorsDoNothing_data()
    {
        QTest::addColumn<int>("index");
        for (int index : {7, 12, 15})
            QTest::addRow("%d", index) << index;
    }

    void toolbarSeparatorsDoNothing()
    {
        QFETCH(int, index);
        MainWindowHarness h;
        h.clickZone(2);
        h.type(u"texte"_s);
        FirstEffect first(h);
        h.toolbarEntry(index)->trigger();
        QCOMPARE(first.text(), QString());
        QCOMPARE(zoneNumber(h.state.label.selectedZone), 2);
        QCOMPARE(h.zone(2).text, u"texte"_s);
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SANS NOM"_s);
    }

    void clockTicksEverySecond()
    {
        MainWindowHarness h;
        QTimer *clock = nullptr;
        for (QTimer *timer : h.form->findChildren<QTimer *>(Qt::FindDirectChildrenOnly)) {
            if (timer->isActive() && timer->interval() == 1000)
                clock = timer;
        }
        QVERIFY(clock);
        // One tick, made at once rather than waited for: the panel shows the time it was made.
        h.form->findChild<StatusPanels *>()->setPanelText(StatusPanels::Panel::Time, QString());
        QSignalSpy ticks(clock, &QTimer::timeout);
        const QTime before = QTime::currentTime();
        clock->start(0);
        QVERIFY(ticks.wait());
        const QTime after = QTime::currentTime();
        const QTime shown = QTime::fromString(h.panel(StatusPanels::Panel::Time), u"HH:mm:ss"_s);
        QVERIFY2(shown.isValid(), qPrintable(h.panel(StatusPanels::Panel::Time)));
        const QTime from(before.hour(), before.minute(), before.second());
        // Midnight may pass between the two readings.
        const bool inRun =
            from <= after ? shown >= from && shown <= after : shown >= from || shown <= after;
        QVERIFY2(inRun, qPrintable(h.panel(StatusPanels::Panel::Time)));
    }

    void insertKeySwitchesToOverwriting()
    {
        MainWindowHarness h;
        auto *panels = h.form->findChild<StatusPanels *>();
        // Without an X keyboard to ask, the Caps Lock panel keeps its start-up look.
        QVERIFY(panels->panelLit(StatusPanels::Panel::CapsLock));
        QVERIFY(panels->panelLit(StatusPanels::Panel::Insert));
        h.clickZone(1);
        h.type(u"abc"_s);
        QTest::keyClick(h.text1(), Qt::Key_Home);
        QTest::keyClick(h.text1(), Qt::Key_Insert);
        QVERIFY(!panels->panelLit(StatusPanels::Panel::Insert));
        h.keys(u"X"_s);
        QCOMPARE(h.zone(1).text, u"Xbc"_s);
        QTest::keyClick(h.text1(), Qt::Key_Insert);
        QVERIFY(panels->panelLit(StatusPanels::Panel::Insert));
        h.keys(u"Y"_s);
        QCOMPARE(h.zone(1).text, u"XYbc"_s);
        QVERIFY(panels->panelLit(StatusPanels::Panel::CapsLock));
    }

    void helpFileBesideTheProgram_data()
    {
        QTest::addColumn<QString>("appPath");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("helpFile");
        QTest::addColumn<HelpRequest::Page>("page");
        const auto rows = [](const char *where, const char *appPath, const char *helpFile) {
            QTest::addRow("contents, %s", where)
                << appPath << "helpContentsAction" << helpFile << HelpRequest::Page::Contents;
            QTest::addRow("search, %s", where)
                << appPath << "helpSearchAction" << helpFile << HelpRequest::Page::Search;
        };
        rows("root", "/", "/KORVALIN.HLP");
        rows("folder", "/opt/korvalin", "/opt/korvalin/KORVALIN.HLP");
    }

    void helpFileBesideTheProgram()
    {
        QFETCH(QString, appPath);
        QFETCH(QString, entry);
        QFETCH(QString, helpFile);
        QFETCH(HelpRequest::Page, page);
        MainWindowHarness h(QString(), appPath);
        h.action(entry.toLatin1().constData())->trigger();
        QCOMPARE(h.dialogs->shown().size(), 1);
        const ScriptedDialogs::Shown &shown = h.dialogs->shown().first();
        QCOMPARE(shown.kind, ScriptedDialogs::Kind::Help);
        QCOMPARE(shown.helpFile, helpFile);
        QCOMPARE(shown.helpPage, page);
        // The search starts on an empty keyword.
        if (page == HelpRequest::Page::Search)
            QCOMPARE(shown.helpKey, QString());
    }

    void printerSetUpReplacesThePrinter_data()
    {
        QTest::addColumn<ScriptedDialogs::Answer>("answer");
        QTest::addColumn<QString>("printerAfter");
        const PrinterSetupChoice office{u"Bureau"_s, u"iso_a4_210x297mm"_s,
                                        PageGeometry::Orientation::Landscape};
        QTest::newRow("chosen") << ScriptedDialogs::Answer(office) << u"Bureau"_s;
        QTest::newRow("cancelled")
            << ScriptedDialogs::Answer(ScriptedDialogs::Cancel{}) << u"Atelier"_s;
    }

    // Without a print scheduler: the dialog still comes, and a choice that cannot be stored
    // is told, once the scheduler's silence is known.
    void printerSetUpReplacesThePrinter()
    {
        QFETCH(ScriptedDialogs::Answer, answer);
        QFETCH(QString, printerAfter);
        MainWindowHarness h{Printer(u"Atelier"_s)};
        QSignalSpy shownAgain(h.form.get(), &MainWindow::orientationShown);
        // The start-up answer first: one about a printer no longer chosen is never shown.
        QTRY_COMPARE_WITH_TIMEOUT(shownAgain.size(), 1, 30000);
        h.dialogs->answerNext(answer);
        const bool chosen = std::holds_alternative<PrinterSetupChoice>(answer);
        if (chosen)
            h.msgBoxes.expect(errorBox(QStringLiteral(
                "Le papier et l'orientation choisis n'ont pas pu être enregistrés.")));
        h.action("printerSetupAction")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(h.dialogs->shown().size(), 1, 30000);
        const ScriptedDialogs::Shown &shown = h.dialogs->shown().first();
        QCOMPARE(shown.kind, ScriptedDialogs::Kind::Printer);
        QCOMPARE(shown.printer, u"Atelier"_s);
        QCOMPARE(h.printer.name(), printerAfter);
        if (chosen) {
            QTRY_COMPARE_WITH_TIMEOUT(shownAgain.size(), 2, 30000);
            QVERIFY(h.msgBoxes.allSeen());
            QCOMPARE(h.find<QLabel>("printerStateLabel")->text(), u"Imprimante non disponible"_s);
        }
        QVERIFY(h.msgBoxes.allSeen());
    }

    void commandLineDocument_data()
    {
        QTest::addColumn<QString>("argument"); // %1 stands for the temporary folder
        QTest::addColumn<QString>("name");
        QTest::newRow("absolute") << u"%1/disque.eti"_s << u"DISQUE.ETI"_s;
        QTest::newRow("quoted") << u"\"%1/disque.eti\""_s << u"DISQUE.ETI"_s;
        QTest::newRow("bare name in the current folder") << u"disque.eti"_s << u"DISQUE.ETI"_s;
        QTest::newRow("relative path") << u"sous/../disque.eti"_s << u"DISQUE.ETI"_s;
    }

    void commandLineDocument()
    {
        QFETCH(QString, argument);
        QFETCH(QString, name);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(u"sous"_s));
        LabelZones zones = LabelDocument::startUp().zones;
        zones[ZoneId::First].text = u"Sauvegarde"_s;
        zones[ZoneId::First].style.alignment = ZoneAlignment::Centre;
        zones[ZoneId::Third].text = u"Janvier"_s;
        LabelDocument written{zones, {}};
        QVERIFY(LabelFile::save(folder.filePath(u"disque.eti"_s), written));
        const QString previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        MainWindowHarness h(argument.contains("%1"_L1) ? argument.arg(folder.path()) : argument);
        QDir::setCurrent(previousFolder);
        QVERIFY(h.msgBoxes.allSeen());
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), name);
        QCOMPARE(QFileInfo(h.state.label.fileName).canonicalFilePath(),
                 QFileInfo(folder.filePath(u"disque.eti"_s)).canonicalFilePath());
        QCOMPARE(h.zone(1).text, u"Sauvegarde"_s);
        QCOMPARE(h.zone(3).text, u"Janvier"_s);
        QVERIFY(!h.form->isModified());
        QCOMPARE(h.selectionShown(),
                 (QStringList{u"c0c0c0 ffffff ffffff"_s, u"Edition du texte zone 1"_s,
                              u"Aligner texte 1"_s, u"alignmentOption3"_s, u"Sauvegarde"_s}));
    }

    void commandLineDocumentThatCannotBeRead()
    {
        QTemporaryDir folder;
        MainWindowHarness h(folder.filePath(u"absent.eti"_s), openError());
        QVERIFY(h.msgBoxes.allSeen());
        // The window loads all the same, on the empty label, untitled: a Save must not
        // write where the file would not open.
        QCOMPARE(h.panel(StatusPanels::Panel::DocumentName), u"SANS NOM"_s);
        QCOMPARE(h.state.label.fileName, QString());
        QCOMPARE(h.zone(1), TextZone::startUp(ZoneId::First));
        QCOMPARE(h.find<QGroupBox>("alignmentGroup")->title(), u"Aligner texte 1"_s);
    }

    // A modified label is asked about first (tst_mainwindow_document); one typed and erased
    // again is not modified.
    void closingAnUnmodifiedLabelEndsWithoutQuestion()
    {
        QTemporaryDir folder;
        MainWindowHarness h;
        h.form->show();
        h.type(u"pas enregistré"_s);
        QVERIFY(h.form->isModified());
        h.type(QString());
        QVERIFY(!h.form->isModified());
        h.state.label.fileName = folder.filePath(u"jamais.eti"_s);
        QVERIFY(programEnds([&] { QVERIFY(h.form->close()); }));
        QVERIFY(h.msgBoxes.calls().isEmpty());
        QVERIFY(h.dialogs->shown().isEmpty());
        QVERIFY(!QFileInfo::exists(h.state.label.fileName));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
