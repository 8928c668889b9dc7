// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelDocument.h"
#include "label/LabelFile.h"
#include "label/LabelModel.h"
#include "platform/FileStamp.h"
#include "platform/LabelLoader.h"
#include "platform/RecentLabels.h"
#include "print/LabelArtwork.h"
#include "print/MarkedSheet.h"
#include "print/OrientationSwitch.h"
#include "print/PrintDestination.h"
#include "windows/main/ProgramSession.h"
#include "windows/shared/CommonDialog.h"

#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class BusyPointer;
class BusyPointerAfterAMoment;
struct DroppedFile;
class PrintSettingsDialog;
class PictureBox;
class Printer;
struct LabelArtwork;
struct PrintOutcome;
class RecoveryKeeper;
struct RecoveryCopy;
class QAction;
class QButtonGroup;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSessionManager;
class QTimer;
class QToolBar;
class StatusPanels;
class ZoneDisplay;
class ZoneTextEdit;
namespace LabelLoader {
struct Loaded;
}

// The main window, where the label is designed: the label at print size on a floppy disk
// with its three text zones and its picture, the edit box of the selected zone, and the
// commands of the program from the menus, the toolbar and the buttons. It edits the label
// through its model, which printing and the preview read, with every change undoable, and
// knows whether it differs from what was last opened, saved or created; every way of leaving
// a modified document asks first, and a recovery copy keeps its edits through a crash.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Builds and loads the window, which keeps its memory in session. printer is the
    // program's printer object, which the printer set-up dialog replaces.
    MainWindow(ProgramSession &session, Printer &printer, QWidget *parent = nullptr);
    ~MainWindow() override;

    const LabelDocument &document() const { return m_model->document(); }
    bool isModified() const;
    // The common-dialog object that the program's windows share.
    CommonDialog &commonDialog() { return m_commonDialog; }

    // The label as printing and the preview draw it; nothing, once the user is told, when a
    // zone has too many lines.
    std::optional<LabelArtwork> printedArtwork();
    // The image viewer has put a picture aside: "Coller l'image" becomes available.
    void enablePastePicture();
    // Splits the zone texts and shows the preview modally over the window over; no preview
    // when a zone has too many lines, as its lines would be those of an earlier text.
    void showPreview(const PrintRequest &request, QWidget *over);
    // The whole-sheet preview of what request prints, modal over the window over, on the
    // page of the print destination; no preview either when a zone has too many lines.
    void showSheetPreview(const PrintRequest &request, QWidget *over);
    // Makes the system's default printer the program's printer once CUPS names it; the
    // window goes on meanwhile.
    void findDefaultPrinter();
    // The session is ending (log-out). Where the session lets the program ask, a modified
    // document is asked about as when the window closes; false when the user would rather
    // keep the session. Otherwise the recovery copy is written now and kept for the next
    // start.
    bool mayEndSession(bool userMayBeAsked);
    // Offers, one at a time, the recovery copies of labels whose program ended without
    // saving them (MainWindowRecovery.cpp); asked once the window is on screen.
    void offerRecoveryCopies();
    // Whether a label or a picture is being read for the document; documentRead follows.
    bool isReadingDocument() const { return m_readingDocument != nullptr; }

signals:
    // A label or a picture has been read off the window's thread, and has become the
    // document's, or been refused with a message.
    void documentRead();

    // The printer frame and the check marks show what CUPS answered for the program's printer,
    // or that it did not answer.
    void orientationShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A label file dropped anywhere on the window opens as with "Ouvrir"; a picture file
    // dropped on the label becomes its picture as with "Coller l'image"
    // (MainWindowDrops.cpp).
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // Shell (MainWindow.cpp).
    void onClockTick();
    void helpContents();
    void helpSearch();

    // Printing (MainWindowPrint.cpp).
    void filePrint();

    // Document commands (MainWindowDocument.cpp).
    void onFileMenuAboutToShow();
    void fileNew();
    void fileOpen();
    // Opens path as "Ouvrir" does once its dialog has answered, asking first about a
    // modified document.
    void openAfterAsking(const QString &path);
    // False when the label was not written: the save failed or the dialog was cancelled.
    bool fileSave();
    bool fileSaveAs();
    void fileQuit();
    void onCommitDataRequest(QSessionManager &manager);

    // Zone editing (MainWindowZones.cpp).
    void selectZone(ZoneId zone);
    void onZoneTextEdited();
    void onAlignmentChosen(ZoneAlignment alignment);
    void chooseFont();
    void chooseColor();
    // What the model announces: the views follow it.
    void onZoneChanged(ZoneId zone);
    void onPictureChanged();
    void onDocumentReplaced();

    // Printer (MainWindowPrinter.cpp).
    void printerSetup();
    void switchPrinterToPortrait();
    void switchPrinterToLandscape();
    // The preview and the about box (MainWindowDialogs.cpp).
    void filePreview();
    void helpAbout();

    // Picture (MainWindowPicture.cpp).
    void choosePicture();
    void onPictureDoubleClicked();
    void clearPicture();
    void openImageViewer();
    void pastePicture();

private:
    // Shell.
    // The title of the program's own questions, also shown in the status bar.
    static QString programName();
    void buildActions();
    QAction *addCommand(const QString &text, const char *name, const QString &toolbarTip = {},
                        const char *picture = nullptr);
    void buildMenus();
    void buildToolbar();
    QWidget *buildLabelView();
    QWidget *buildEditBox();
    QWidget *buildTextFrame();
    QWidget *buildIconFrame();
    QWidget *buildPrinterFrame();
    QWidget *buildMainButtons();
    void loadWindow();
    void centreOnScreen();
    void showCapsLock();
    void showHelp(HelpRequest::Page page, const QString &topicId = QString());
    void showError(const QString &message);
    void endProgram();

    // Printing.
    void loadPrintSettings();
    // With no printer known to the program, the pages go to a PDF file too.
    bool printsToPdf() const;
    // The sheet the print commands print on now, whose used positions the settings keep.
    MarkedSheet sheetInPrinter() const;
    // The print settings window, when it is open, shows the used positions of that sheet.
    void showSheetMarks();
    // The file the user names for a PDF, proposed as proposedName; nothing when he cancels.
    std::optional<QString> choosePdfFile(const QString &proposedName);
    void submitPrintJob(const PrintRequest &request, const LabelArtwork &artwork);
    void writePrintPdf(const QString &path, const PrintRequest &request,
                       const LabelArtwork &artwork);
    // Runs job off the window's thread; once its pages came out, the disk number moves on and
    // the sheet's positions that request printed on are marked used.
    void runPrintJob(const PrintRequest &request, std::function<PrintOutcome()> job);
    // True when the pages came out; else false, once the user is told.
    bool showPrintFailure(const PrintOutcome &outcome);
    void printCalibrationPage(const SheetLayout &layout);

    // Document.
    // A label or a picture read for the document off the window's thread, with the picture
    // drawn there for the picture box.
    struct LabelRead
    {
        std::optional<LabelLoader::Loaded> label;
        QImage drawn;
    };
    struct PictureRead
    {
        std::optional<Picture> picture;
        QImage drawn;
    };
    // The document, its name included, becomes the label read from path; a label that could
    // not be read changes nothing, so that the next Save cannot overwrite the file.
    void showLabel(const QString &path, const LabelRead &read);
    // Makes a label read from a file the document, with a fresh history.
    void takeLoadedLabel(const LabelRead &read);
    void reportPictureProblem(const LabelLoader::Loaded &loaded);

    // Reading for the document (MainWindowReads.cpp): the label file at path and its picture
    // are read as a whole, then shown. While a label or a picture is read, the busy pointer
    // shows and the commands that would read or replace the document wait. A read that does
    // not end in time is reported as failed and given up, and the commands come back.
    void openLabel(const QString &path);
    // Reads the label file at path and its picture, then gives them to show.
    void readLabel(const QString &path, std::function<void(const LabelRead &)> show);
    // Reads the picture file at path, then gives it to show.
    void readPictureFile(const QString &path, std::function<void(const PictureRead &)> show);
    void beginDocumentRead();
    void endDocumentRead(const std::function<void()> &takeWhatWasRead);
    void setDocumentReadsEnabled(bool enabled);
    bool saveLabel(const QString &path);
    // A file the disk refused to write, with the reason it gave, if any.
    void showSaveError(const QString &refusal);
    // Before a modified document is left: true when the user saved it or gave its edits
    // up (its recovery copy goes with them), false when what was asked must stop.
    bool settleUnsavedChanges();
    // Runs after every change of the document or of its saved state: the modified mark and
    // the recovery copy follow.
    void onDocumentChanged();
    void showDocumentName(const QString &name);
    void showUntitledName();
    static QString untitledName();

    // The labels last opened or saved, in the File menu (MainWindowRecentLabels.cpp).
    void buildRecentLabelEntries(QMenu *fileMenu);
    void showRecentLabels();
    // Adds path to the list or removes it (change), in the settings and the menu.
    void changeRecentLabels(void (RecentLabels::*change)(const QString &), const QString &path);

    // Dropped files (MainWindowDrops.cpp): the file a drag or a drop carries, if the
    // window takes it where the pointer is.
    std::optional<DroppedFile> fileDroppedAt(const QDropEvent &event) const;
    void takeDroppedFile(const DroppedFile &file);

    // Recovery copies (MainWindowRecovery.cpp).
    void recover(const RecoveryCopy &copy);
    void reportRecoveryRefusal(const QString &reason);

    // Zones.
    ZoneId selectedZone() const { return m_session.label.selectedZone; }
    void changeSelectedStyle(const ZoneStyle &style, LabelModel::StyleChange change);
    void showSelectedZone();
    void markSelectedZone();
    void showEditCaption();
    void showAlignmentCaption();

    // Printer.
    void refreshOrientationDisplay();
    void showPrinterAnswer(const OrientationAnswer &answer);
    void showOrientation(StoredOrientation orientation);
    void switchOrientation(PageGeometry::Orientation orientation);
    void storePrinterSetup(const PrinterSetupChoice &choice);
    void setPrinterCommandsEnabled(bool enabled);
    // Whether an answer CUPS gave about the printer asked is still the one to show.
    bool showsPrinter(const QString &asked) const;
    void setPdfOrientation(PageGeometry::Orientation orientation);

    // Picture.
    // Reads the picture at path and makes it the label's once read; a file that does not
    // load leaves the label's picture as it was.
    void usePictureFile(const QString &path);
    void showPicture();
    static PictureRead readPicture(const QString &path, const QSize &boxPixels);

    ProgramSession &m_session;
    Printer &m_printer;
    // Where the print commands go; the printer set-up changes it.
    PrintDestination m_destination = PrintDestination::remembered();
    LabelModel *m_model = nullptr;
    // The document as last opened, saved or created; nothing while it holds edits that no
    // file holds (recovered after a crash).
    std::optional<LabelDocument> m_savedDocument = LabelDocument::startUp();
    // The label's file as this window last read or wrote it.
    KnownFile m_labelFileOnDisk;
    RecoveryKeeper *m_recovery = nullptr;
    CommonDialog m_commonDialog;

    PerZone<ZoneDisplay *> m_zoneLabels;
    PictureBox *m_pictureBox = nullptr;
    QWidget *m_labelArea = nullptr; // the label, where a picture may be dropped
    ZoneTextEdit *m_zoneTextEdit = nullptr;
    QGroupBox *m_alignmentGroup = nullptr;
    QButtonGroup *m_alignmentOptions = nullptr; // by alignment: left, right, centre
    QLabel *m_zoneTextCaption = nullptr;
    QLabel *m_orientationLabel = nullptr;
    StoredOrientation m_shownOrientation;  // what m_orientationLabel shows
    QLabel *m_printerStateLabel = nullptr; // says when the print scheduler is away
    // Where the search for the system's default printer stands while the program has none:
    // answered (or never started), under way, or missed because the scheduler was away, in
    // which case the next refresh asks again.
    enum class DefaultPrinterSearch
    {
        Answered,
        Asking,
        SchedulerAway
    } m_defaultPrinterSearch = DefaultPrinterSearch::Answered;
    QPushButton *m_clearPictureButton = nullptr;
    QPushButton *m_pastePictureButton = nullptr;
    bool m_pastePictureOffered = false; // the image viewer has put a picture aside
    QToolBar *m_toolBar = nullptr;
    StatusPanels *m_statusPanels = nullptr;
    QTimer *m_clockTimer = nullptr;
    // The print settings window while the print command shows it.
    std::unique_ptr<PrintSettingsDialog> m_printSettings;
    // Held while a print job waits for the scheduler's answer.
    std::unique_ptr<BusyPointer> m_printing;
    // Held while a label or a picture is read for the document.
    std::unique_ptr<BusyPointerAfterAMoment> m_readingDocument;

    // One action per command, shared by its menu item, toolbar button and push button.
    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_previewAction = nullptr; // also previewButton, toolbar 5
    QAction *m_printAction = nullptr;   // also printButton, toolbar 6
    QAction *m_printerSetupAction = nullptr;
    QAction *m_portraitAction = nullptr;
    QAction *m_landscapeAction = nullptr;
    QAction *m_quitAction = nullptr; // also quitButton, toolbar 16
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_helpContentsAction = nullptr; // also helpButton, toolbar 13
    QAction *m_helpSearchAction = nullptr;
    QAction *m_aboutAction = nullptr;       // also toolbar 14
    QAction *m_fontAction = nullptr;        // fontButton, toolbar 8
    QAction *m_colorAction = nullptr;       // colorButton, toolbar 9
    QAction *m_pictureAction = nullptr;     // pictureButton, toolbar 10
    QAction *m_imageViewerAction = nullptr; // imageViewerButton, toolbar 11
    // The File menu's entries of the labels last opened or saved, hidden while unused, and
    // the separator after them.
    std::array<QAction *, RecentLabels::MaxCount> m_recentLabelActions{};
    QAction *m_recentLabelsEnd = nullptr;
    // The folder of the file last chosen in a file dialog, where the next one starts when
    // the program's folder is the system's.
};
