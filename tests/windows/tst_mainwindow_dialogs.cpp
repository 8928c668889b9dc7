// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview and the about box reached from the main window: every entry point, the modal
// nesting, and a preview that neither advances the disk number nor opens on stale lines.
#include "MainWindowHarness.h"

#include "label/ZoneLines.h"
#include "windows/about/AboutDialog.h"
#include "windows/preview/PreviewDialog.h"
#include "windows/preview/PreviewZone.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

// What a modal window opened by an action showed while it was open.
struct SeenModal
{
    QString className;
    QString title;
    QObject *parent = nullptr;
    QString zone3; // the preview's zone 3, as read out to assistive technology
    Qt::WindowModality modality = Qt::NonModal;
};

// Runs action; the first modal window it opens is looked at and closed as the user would
// close it ("&Quitter" for the preview, Escape for the about box). Nothing seen when no
// modal window opened.
std::optional<SeenModal> modalOpenedBy(QWidget *mainWindow, const std::function<void()> &action)
{
    std::optional<SeenModal> seen;
    QTimer::singleShot(0, mainWindow, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen = SeenModal{QLatin1String(modal->metaObject()->className()), modal->windowTitle(),
                         modal->parent(), QString(), modal->windowModality()};
        if (auto *preview = qobject_cast<PreviewDialog *>(modal)) {
            seen->zone3 = preview->findChild<PreviewZone *>(u"zoneBox3"_s)->accessibleName();
            preview->findChild<QAbstractButton *>(u"closeButton"_s)->click();
        } else {
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    action();
    // Lets the look run when the action opened nothing.
    QCoreApplication::processEvents();
    return seen;
}

} // namespace

class TestMainWindowWindows : public QObject
{
    Q_OBJECT

private slots:
    void entryPoints_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        const QString preview = u"PreviewDialog"_s;
        const QString previewTitle = u"Aperçu avant impression"_s;
        const QString about = u"AboutDialog"_s;
        const QString aboutTitle = u"A propos Korvalin"_s;
        QTest::newRow("menu Aperçu") << u"previewAction"_s << preview << previewTitle;
        QTest::newRow("Aperçu button") << u"previewButton"_s << preview << previewTitle;
        QTest::newRow("toolbar 5") << u"toolbar 5"_s << preview << previewTitle;
        QTest::newRow("menu A propos") << u"aboutAction"_s << about << aboutTitle;
        QTest::newRow("toolbar 14") << u"toolbar 14"_s << about << aboutTitle;
    }

    void entryPoints()
    {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QFETCH(QString, title);
        MainWindowHarness h;
        h.form->show();
        const std::optional<SeenModal> seen =
            modalOpenedBy(h.form.get(), [&] { h.runEntry(entry); });
        QVERIFY(seen.has_value());
        QCOMPARE(seen->className, window);
        QCOMPARE(seen->title, title);
        QCOMPARE(seen->parent, h.form.get());
        QCOMPARE(seen->modality, Qt::ApplicationModal);
        // Closed and discarded: the main window takes input again.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(h.form->findChildren<PreviewDialog *>().isEmpty());
        QVERIFY(h.form->findChildren<AboutDialog *>().isEmpty());
    }

    // The print settings window opens the preview over itself; closing the preview goes back to
    // it, still open and still modal.
    void previewOverAnotherModalWindow()
    {
        MainWindowHarness h;
        h.form->show();
        QDialog settingsWindow(h.form.get());
        std::optional<SeenModal> seen;
        QWidget *modalAfterPreview = nullptr;
        QTimer::singleShot(0, &settingsWindow, [&] {
            seen = modalOpenedBy(&settingsWindow, [&] {
                h.form->showPreview(h.state.print.request(), &settingsWindow);
            });
            modalAfterPreview = QApplication::activeModalWidget();
            settingsWindow.accept();
        });
        settingsWindow.exec();
        QVERIFY(seen.has_value());
        QCOMPARE(seen->className, u"PreviewDialog"_s);
        QCOMPARE(seen->parent, &settingsWindow);
        QCOMPARE(modalAfterPreview, &settingsWindow);
    }

    void previewNeverAdvancesTheDiskNumber()
    {
        MainWindowHarness h;
        h.form->show();
        h.clickZone(3);
        h.type(u"Disque"_s);
        h.state.print.run.autoNumbering = true;
        h.state.print.run.numberingStyle = NumberingStyle::NumberOfTotal;
        h.state.print.run.nextDiskNumber = 3;
        h.state.print.run.copyCount = 5;
        h.state.print.run.labelOrigin = {92, 60};
        for (int opening = 1; opening <= 2; ++opening) {
            const std::optional<SeenModal> seen =
                modalOpenedBy(h.form.get(), [&] { h.action("previewAction")->trigger(); });
            QVERIFY(seen.has_value());
            QCOMPARE(seen->zone3, u"Disque 3/5"_s);
        }
        QCOMPARE(h.state.print.run.nextDiskNumber, 3);
        // The origin a single label prints at stays where the print settings put it.
        QCOMPARE(h.state.print.run.labelOrigin, QPointF(92, 60));
    }

    void noPreviewWithTooManyLines()
    {
        MainWindowHarness h;
        h.form->show();
        h.clickZone(2);
        h.keys(u"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16"_s);
        h.msgBoxes.expect(errorBox(ZoneLines::tooManyLinesMessage()));
        const std::optional<SeenModal> seen =
            modalOpenedBy(h.form.get(), [&] { h.action("previewAction")->trigger(); });
        QVERIFY(h.msgBoxes.allSeen());
        QVERIFY(!seen.has_value());
    }
};

QTEST_MAIN(TestMainWindowWindows)
#include "tst_mainwindow_dialogs.moc"
