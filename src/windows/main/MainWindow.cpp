// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/MainWindow.h"

#include "label/FilePaths.h"
#include "label/ZoneLines.h"
#include "platform/InterfaceLanguage.h"
#include "platform/ProgramFiles.h"
#include "widgets/MsgBox.h"
#include "windows/main/ActionButton.h"
#include "windows/main/FloppyBackdrop.h"
#include "windows/main/KeyboardIndicators.h"
#include "windows/main/LabelArea.h"
#include "windows/main/RecoveryKeeper.h"
#include "windows/main/StatusPanels.h"
#include "windows/main/ZoneTextEdit.h"
#include "windows/print-settings/PrintSettingsDialog.h"
#include "windows/shared/BackgroundTask.h"
#include "windows/shared/Millimetres.h"
#include "windows/shared/PictureBox.h"
#include "windows/shared/WindowPlacement.h"
#include "windows/shared/WindowResources.h"
#include "windows/shared/ZoneDisplay.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <utility>

namespace {

// Places of the zones and the picture on the label area, in mm from its top-left corner: the
// window's own boxes, which sketch the printed label rather than repeat its placement.
constexpr PerZone<QRectF> ZonePlacesMm{
    {{{16.9, 2.1, 53.2, 15.1}, {2.1, 19.1, 68.0, 19.3}, {2.1, 40.2, 68.0, 6.6}}}};
constexpr QRectF PicturePlaceMm{2.1, 2.1, 13.0, 13.0};

QFont editFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

MainWindow::MainWindow(ProgramSession &session, Printer &printer, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_printer(printer), m_model(new LabelModel(this)),
      m_recovery(new RecoveryKeeper(RecoveryFolder(), this)),
      m_commonDialog(this, session.start.programFolder)
{
    m_recovery->setObjectName(QStringLiteral("recoveryKeeper"));
    connect(m_recovery, &RecoveryKeeper::writeRefused, this, &MainWindow::reportRecoveryRefusal);
    // The desktop's modified mark stands in for the placeholder while the label is modified.
    setWindowTitle(tr("Création d'étiquette pour disquette 3\"1/2") + QStringLiteral("[*]"));
    setAcceptDrops(true);
    buildActions();
    buildMenus();
    buildToolbar();
    m_statusPanels = new StatusPanels(this);
    m_statusPanels->setPanelText(StatusPanels::Panel::ProgramName, programName());
    m_statusPanels->setPanelText(StatusPanels::Panel::CapsLock, tr("MAJ"));
    m_statusPanels->setPanelText(StatusPanels::Panel::Insert, tr("INSER"));
    setStatusBar(m_statusPanels);

    auto *central = new QWidget;
    auto *grid = new QGridLayout(central);
    grid->addWidget(buildLabelView(), 0, 0, Qt::AlignTop | Qt::AlignLeft);
    grid->addWidget(buildEditBox(), 1, 0);
    auto *column = new QVBoxLayout;
    column->addWidget(buildTextFrame());
    column->addWidget(buildIconFrame());
    column->addWidget(buildPrinterFrame());
    column->addStretch();
    grid->addLayout(column, 0, 1);
    grid->addWidget(buildMainButtons(), 1, 1, Qt::AlignBottom);
    grid->setColumnStretch(1, 1);
    setCentralWidget(central);

    connect(m_model, &LabelModel::zoneChanged, this, &MainWindow::onZoneChanged);
    connect(m_model, &LabelModel::pictureChanged, this, &MainWindow::onPictureChanged);
    connect(m_model, &LabelModel::documentReplaced, this, &MainWindow::onDocumentReplaced);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::onClockTick);

    loadWindow();
}

MainWindow::~MainWindow() = default;

QString MainWindow::programName()
{
    return QStringLiteral("Korvalin");
}

QAction *MainWindow::addCommand(const QString &text, const char *name, const QString &toolbarTip,
                                const char *picture)
{
    auto *command = new QAction(text, this);
    command->setObjectName(QLatin1String(name));
    if (!toolbarTip.isEmpty())
        command->setToolTip(toolbarTip);
    if (picture)
        command->setIcon(WindowResources::icon(QLatin1String(picture)));
    return command;
}

void MainWindow::buildActions()
{
    m_newAction = addCommand(tr("&Nouveau"), "newAction", tr("Nouveau"), "nouveau");
    connect(m_newAction, &QAction::triggered, this, &MainWindow::fileNew);
    m_openAction = addCommand(tr("&Ouvrir"), "openAction", tr("Ouvrir"), "ouvrir");
    connect(m_openAction, &QAction::triggered, this, &MainWindow::fileOpen);
    m_saveAction = addCommand(tr("&Enregistrer"), "saveAction", tr("Enregistrer"), "enregistrer");
    connect(m_saveAction, &QAction::triggered, this, &MainWindow::fileSave);
    m_saveAsAction = addCommand(tr("Enregistrer &Sous..."), "saveAsAction", tr("Enregistrer sous"),
                                "enregistrer-sous");
    connect(m_saveAsAction, &QAction::triggered, this, &MainWindow::fileSaveAs);
    m_previewAction = addCommand(tr("&Aperçu"), "previewAction", tr("Aperçu"), "apercu");
    connect(m_previewAction, &QAction::triggered, this, &MainWindow::filePreview);
    m_printAction = addCommand(tr("&Imprimer"), "printAction", tr("Imprimer"), "imprimer");
    connect(m_printAction, &QAction::triggered, this, &MainWindow::filePrint);
    m_printerSetupAction = addCommand(tr("Configurer l'imprimante"), "printerSetupAction");
    connect(m_printerSetupAction, &QAction::triggered, this, &MainWindow::printerSetup);
    // Their check marks show what the printer reports, never a click's own toggling.
    m_portraitAction = addCommand(tr("Imprimante en mode Portrait"), "portraitAction");
    m_portraitAction->setCheckable(true);
    connect(m_portraitAction, &QAction::triggered, this, &MainWindow::switchPrinterToPortrait);
    m_landscapeAction = addCommand(tr("Imprimante en mode Paysage"), "landscapeAction");
    m_landscapeAction->setCheckable(true);
    connect(m_landscapeAction, &QAction::triggered, this, &MainWindow::switchPrinterToLandscape);
    m_quitAction = addCommand(tr("&Quitter"), "quitAction", tr("Quitter"), "quitter");
    connect(m_quitAction, &QAction::triggered, this, &MainWindow::fileQuit);

    // Each names the step it would undo or redo: "Annuler la saisie".
    m_undoAction = m_model->history().createUndoAction(this, tr("&Annuler"));
    m_undoAction->setObjectName(QStringLiteral("undoAction"));
    m_undoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redoAction = m_model->history().createRedoAction(this, tr("&Rétablir"));
    m_redoAction->setObjectName(QStringLiteral("redoAction"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    m_helpContentsAction =
        addCommand(tr("&Sommaire de l'aide"), "helpContentsAction", tr("Aide"), "aide");
    connect(m_helpContentsAction, &QAction::triggered, this, &MainWindow::helpContents);
    m_helpSearchAction = addCommand(tr("&Rechercher dans l'aide"), "helpSearchAction");
    connect(m_helpSearchAction, &QAction::triggered, this, &MainWindow::helpSearch);
    m_aboutAction = addCommand(tr("A propos"), "aboutAction", tr("A propos"), "apropos");
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::helpAbout);

    // Commands of the window's buttons that the toolbar offers too.
    m_fontAction = addCommand(tr("Police"), "fontAction", tr("Police"), "police");
    connect(m_fontAction, &QAction::triggered, this, &MainWindow::chooseFont);
    m_colorAction = addCommand(tr("Couleur"), "colorAction", tr("Couleur"), "couleur");
    connect(m_colorAction, &QAction::triggered, this, &MainWindow::chooseColor);
    m_pictureAction = addCommand(tr("Icône"), "pictureAction", tr("Icône"), "icone");
    connect(m_pictureAction, &QAction::triggered, this, &MainWindow::choosePicture);
    m_imageViewerAction = addCommand(tr("Visualiser les images"), "imageViewerAction",
                                     tr("Visualiser les images"), "visualiser");
    connect(m_imageViewerAction, &QAction::triggered, this, &MainWindow::openImageViewer);

    // The keys every desktop program answers to, shown beside the menu entries; the
    // mnemonics stay for the menus.
    const std::pair<QAction *, QKeySequence> shortcuts[] = {
        {m_newAction, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {m_openAction, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {m_saveAction, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {m_saveAsAction, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {m_printAction, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {m_quitAction, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {m_helpContentsAction, QKeySequence(Qt::Key_F1)}};
    for (const auto &[command, keys] : shortcuts)
        command->setShortcut(keys);
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&Fichier"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(file, &QMenu::aboutToShow, this, &MainWindow::onFileMenuAboutToShow);
    file->addActions({m_newAction, m_openAction});
    file->addSeparator();
    file->addActions({m_saveAction, m_saveAsAction});
    file->addSeparator();
    file->addActions({m_previewAction, m_printAction, m_printerSetupAction, m_portraitAction,
                      m_landscapeAction});
    file->addSeparator();
    buildRecentLabelEntries(file);
    file->addAction(m_quitAction);

    QMenu *edit = menuBar()->addMenu(tr("&Edition"));
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->addActions({m_undoAction, m_redoAction});

    QMenu *help = menuBar()->addMenu(tr("?"));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addActions({m_helpContentsAction, m_helpSearchAction});
    help->addSeparator();
    help->addAction(m_aboutAction);
}

void MainWindow::buildToolbar()
{
    m_toolBar = addToolBar(tr("Barre d'outils"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->addActions(
        {m_newAction, m_openAction, m_saveAction, m_saveAsAction, m_previewAction, m_printAction});
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_fontAction, m_colorAction, m_pictureAction, m_imageViewerAction});
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_helpContentsAction, m_aboutAction});
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_quitAction);
}

QWidget *MainWindow::buildLabelView()
{
    const QString tips[] = {tr("Cliquez ici pour éditer la zone de texte 1"),
                            tr("Cliquez ici pour éditer la zone de texte 2"),
                            tr("Cliquez ici pour éditer la zone de texte 3")};
    auto *backdrop = new FloppyBackdrop;
    auto *labelArea = new LabelArea(backdrop);
    Millimetres::place(*labelArea, FloppyBackdrop::LabelPlaceMm);
    for (ZoneId zone : AllZones) {
        ZoneDisplay *display = m_zoneLabels[zone] = new ZoneDisplay(labelArea);
        display->setObjectName(QStringLiteral("zoneDisplay%1").arg(zoneNumber(zone)));
        display->setAccessibleName(tr("Zone de texte %1").arg(zoneNumber(zone)));
        display->setToolTip(tips[std::size_t(zone)]);
        display->setZone(document().zones[zone]);
        Millimetres::place(*display, ZonePlacesMm[zone]);
        connect(display, &ZoneDisplay::clicked, this, [this, zone] { selectZone(zone); });
    }
    m_labelArea = labelArea;
    m_pictureBox = new PictureBox(labelArea);
    m_pictureBox->setObjectName(QStringLiteral("pictureBox"));
    m_pictureBox->setToolTip(tr("Double clic pour charger une image"));
    m_pictureBox->setAccessibleName(m_pictureBox->toolTip());
    Millimetres::place(*m_pictureBox, PicturePlaceMm);
    connect(m_pictureBox, &PictureBox::doubleClicked, this, &MainWindow::onPictureDoubleClicked);
    return backdrop;
}

QWidget *MainWindow::buildEditBox()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_zoneTextCaption = new QLabel;
    m_zoneTextCaption->setObjectName(QStringLiteral("zoneTextCaption"));
    m_zoneTextEdit = new ZoneTextEdit;
    m_zoneTextEdit->setObjectName(QStringLiteral("zoneTextEdit"));
    m_zoneTextEdit->setFont(editFont());
    m_zoneTextEdit->setFixedHeight(m_zoneTextEdit->fontMetrics().lineSpacing() * 6 +
                                   2 * m_zoneTextEdit->frameWidth() + 8);
    m_zoneTextCaption->setBuddy(m_zoneTextEdit);
    connect(m_zoneTextEdit, &ZoneTextEdit::textChanged, this, &MainWindow::onZoneTextEdited);
    connect(m_zoneTextEdit, &ZoneTextEdit::insertModeChanged, this, [this](bool inserting) {
        m_statusPanels->setPanelLit(StatusPanels::Panel::Insert, inserting);
    });
    layout->addWidget(m_zoneTextCaption);
    layout->addWidget(m_zoneTextEdit);
    return box;
}

QWidget *MainWindow::buildTextFrame()
{
    auto *textGroup = new QGroupBox(tr("Texte"));
    auto *layout = new QGridLayout(textGroup);

    m_alignmentGroup = new QGroupBox;
    m_alignmentGroup->setObjectName(QStringLiteral("alignmentGroup"));
    m_alignmentGroup->setToolTip(tr("Aligne le texte de la zone sélectionée"));
    auto *options = new QHBoxLayout(m_alignmentGroup);
    m_alignmentOptions = new QButtonGroup(this);
    const QString captions[] = {tr("Gauche"), tr("Droite"), tr("Centre")};
    for (int index = 0; index < 3; ++index) {
        auto *option = new QRadioButton(captions[index]);
        option->setObjectName(QStringLiteral("alignmentOption%1").arg(index + 1));
        m_alignmentOptions->addButton(option, index);
        options->addWidget(option);
    }
    m_alignmentOptions->button(int(ZoneAlignment::Left))->setChecked(true);
    connect(m_alignmentOptions, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            onAlignmentChosen(ZoneAlignment(index));
    });
    layout->addWidget(m_alignmentGroup, 0, 0, 1, 2);

    QPushButton *fontButton = actionButton(m_fontAction, tr("&Police..."));
    fontButton->setObjectName(QStringLiteral("fontButton"));
    fontButton->setToolTip(tr("Affecte une police de caractère à la zone de texte sélectionnée"));
    layout->addWidget(fontButton, 1, 0);
    QPushButton *colorButton = actionButton(m_colorAction, tr("&Couleur..."));
    colorButton->setObjectName(QStringLiteral("colorButton"));
    colorButton->setToolTip(
        tr("Affecte une couleur à la police de caractère à la zone de texte sélectionnée"));
    layout->addWidget(colorButton, 1, 1);
    return textGroup;
}

QWidget *MainWindow::buildIconFrame()
{
    auto *pictureGroup = new QGroupBox(tr("Logo / Icône"));
    auto *layout = new QGridLayout(pictureGroup);
    QPushButton *pictureButton = actionButton(m_pictureAction, tr("&Logo Icone"));
    pictureButton->setObjectName(QStringLiteral("pictureButton"));
    pictureButton->setToolTip(tr("Charge une image"));
    layout->addWidget(pictureButton, 0, 0);
    m_clearPictureButton = new QPushButton(tr("&Pas d'icone"));
    m_clearPictureButton->setObjectName(QStringLiteral("clearPictureButton"));
    m_clearPictureButton->setToolTip(tr("Efface l'image"));
    connect(m_clearPictureButton, &QPushButton::clicked, this, &MainWindow::clearPicture);
    layout->addWidget(m_clearPictureButton, 0, 1);
    QPushButton *imageViewerButton =
        actionButton(m_imageViewerAction, tr("&Visualiser les images..."));
    imageViewerButton->setObjectName(QStringLiteral("imageViewerButton"));
    imageViewerButton->setToolTip(tr("Exécute la visionneuse"));
    layout->addWidget(imageViewerButton, 1, 0);
    m_pastePictureButton = new QPushButton(tr("Coller l'image"));
    m_pastePictureButton->setObjectName(QStringLiteral("pastePictureButton"));
    m_pastePictureButton->setToolTip(tr("Colle l'image sélectionnée en icône"));
    // Available once the image viewer has put a picture aside.
    m_pastePictureButton->setEnabled(false);
    connect(m_pastePictureButton, &QPushButton::clicked, this, &MainWindow::pastePicture);
    layout->addWidget(m_pastePictureButton, 1, 1);
    return pictureGroup;
}

QWidget *MainWindow::buildPrinterFrame()
{
    auto *printerGroup = new QGroupBox(tr("Iimprimante "));
    auto *layout = new QVBoxLayout(printerGroup);
    m_orientationLabel = new QLabel;
    m_orientationLabel->setObjectName(QStringLiteral("orientationLabel"));
    layout->addWidget(m_orientationLabel);
    m_printerStateLabel = new QLabel;
    m_printerStateLabel->setObjectName(QStringLiteral("printerStateLabel"));
    layout->addWidget(m_printerStateLabel);
    return printerGroup;
}

QWidget *MainWindow::buildMainButtons()
{
    auto *commandGroup = new QGroupBox;
    auto *layout = new QGridLayout(commandGroup);
    QPushButton *previewButton = actionButton(m_previewAction, tr("Aperçu"));
    previewButton->setObjectName(QStringLiteral("previewButton"));
    previewButton->setToolTip(tr("Donne un aperçu avant impression"));
    layout->addWidget(previewButton, 0, 0);
    QPushButton *printButton = actionButton(m_printAction, tr("Imprimer"));
    printButton->setObjectName(QStringLiteral("printButton"));
    printButton->setToolTip(tr("Lance la feuille du paramétrage d'impression"));
    layout->addWidget(printButton, 0, 1);
    QPushButton *helpButton = actionButton(m_helpContentsAction, tr("&Aide"));
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setToolTip(tr("Exécute l'aide de Korvalin"));
    layout->addWidget(helpButton, 1, 0);
    QPushButton *quitButton = actionButton(m_quitAction, tr("&Quitter"));
    quitButton->setObjectName(QStringLiteral("quitButton"));
    quitButton->setToolTip(tr("Quitte le programme"));
    layout->addWidget(quitButton, 1, 1);
    return commandGroup;
}

void MainWindow::loadWindow()
{
    // The print settings window waits for the print command: built here, hidden, it would
    // only store back the values the session starts with.
    refreshOrientationDisplay();
    if (m_session.start.withDocument) {
        // Untitled until the file has been read: a Save meanwhile must not write over it.
        openLabel(m_session.start.labelFileName);
        showUntitledName();
        centreOnScreen();
    } else {
        centreOnScreen();
        m_zoneTextEdit->setText(QString());
        showUntitledName();
    }
    markSelectedZone();
    showAlignmentCaption();
    showEditCaption();
    onClockTick();
    m_clockTimer->start();
    // Caps Lock may be pressed in any of the program's windows.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &MainWindow::onCommitDataRequest);
}

void MainWindow::centreOnScreen()
{
    adjustSize();
    move(centredWindowPosition(frameGeometry().size(), screen()->availableGeometry()));
}

void MainWindow::onClockTick()
{
    m_statusPanels->setPanelText(StatusPanels::Panel::Time,
                                 QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    // Also catches a Caps Lock changed while another program had the keyboard.
    showCapsLock();
}

void MainWindow::showCapsLock()
{
    if (const std::optional<bool> on = KeyboardIndicators::capsLock())
        m_statusPanels->setPanelLit(StatusPanels::Panel::CapsLock, *on);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_CapsLock)
        showCapsLock();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::helpContents()
{
    showHelp(HelpRequest::Page::Contents);
}

void MainWindow::helpSearch()
{
    showHelp(HelpRequest::Page::Search);
}

void MainWindow::showHelp(HelpRequest::Page page, const QString &topicId)
{
    HelpRequest request;
    request.file = ProgramFiles::translatedHelpFile(
        withTrailingSlash(m_session.start.programFolder) + QStringLiteral("KORVALIN.HLP"),
        InterfaceLanguage::current());
    request.page = page;
    request.topicId = topicId;
    m_commonDialog.showHelp(request);
}

void MainWindow::showError(const QString &message)
{
    MsgBoxError(message);
}

std::optional<LabelArtwork> MainWindow::printedArtwork()
{
    std::optional<LabelArtwork> artwork = LabelArtwork::of(document());
    if (!artwork)
        showError(ZoneLines::tooManyLinesMessage());
    return artwork;
}

void MainWindow::enablePastePicture()
{
    m_pastePictureOffered = true;
    m_pastePictureButton->setEnabled(!isReadingDocument());
}

void MainWindow::endProgram()
{
    showDocumentName(tr("Au revoir !"));
    // At once: the other windows go with the program, without their own close handling.
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!settleUnsavedChanges()) {
        event->ignore();
        return;
    }
    // The program ends although the print settings window stays loaded, hidden.
    event->accept();
    QCoreApplication::exit(0);
}
