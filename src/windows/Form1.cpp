#include "windows/Form1.h"

#include "label/ZoneLines.h"
#include "platform/widgets/MsgBox.h"
#include "windows/ActionButton.h"
#include "windows/BackgroundTask.h"
#include "windows/FloppyBackdrop.h"
#include "windows/Form2.h"
#include "windows/KeyboardIndicators.h"
#include "windows/LabelArea.h"
#include "windows/Millimetres.h"
#include "windows/PictureBox.h"
#include "windows/StatusPanels.h"
#include "windows/WindowResources.h"
#include "windows/ZoneDisplay.h"
#include "windows/ZoneTextEdit.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Places of the zones and the picture on the label, in mm from its top-left corner; the
// same places as on the printed label.
constexpr std::array<QRectF, 3> ZonePlacesMm{
    {{16.9, 2.1, 53.2, 15.1}, {2.1, 19.1, 68.0, 19.3}, {2.1, 40.2, 68.0, 6.6}}};
constexpr QRectF PicturePlaceMm{2.1, 2.1, 13.0, 13.0};

constexpr int TimePanel = 3;
constexpr int CapsLockPanel = 5;
constexpr int InsertPanel = 6;

QFont editFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

Form1::Form1(Module1 &state, Printer &printer, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_printer(printer), m_zones(startUpZones()),
      m_commonDialog(this)
{
    setWindowTitle(QStringLiteral("Création d'étiquette pour disquette 3\"1/2"));
    buildActions();
    buildMenus();
    buildToolbar();
    StatusBar1 = new StatusPanels(this);
    StatusBar1->setPanelText(4, QStringLiteral("Korvalin"));
    StatusBar1->setPanelText(CapsLockPanel, QStringLiteral("MAJ"));
    StatusBar1->setPanelText(InsertPanel, QStringLiteral("INSER"));
    setStatusBar(StatusBar1);

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

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    Form_Load();
}

Form1::~Form1() = default;

QAction *Form1::addCommand(const QString &text, const char *name, const QString &toolbarTip,
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

void Form1::buildActions()
{
    Mnu_Nouveau =
        addCommand(QStringLiteral("&Nouveau"), "Mnu_Nouveau", QStringLiteral("Nouveau"), "nouveau");
    connect(Mnu_Nouveau, &QAction::triggered, this, &Form1::Mnu_Nouveau_Click);
    Mnu_Ouvrir =
        addCommand(QStringLiteral("&Ouvrir"), "Mnu_Ouvrir", QStringLiteral("Ouvrir"), "ouvrir");
    connect(Mnu_Ouvrir, &QAction::triggered, this, &Form1::Mnu_Ouvrir_Click);
    Mnu_Enregistrer = addCommand(QStringLiteral("&Enregistrer"), "Mnu_Enregistrer",
                                 QStringLiteral("Enregistrer"), "enregistrer");
    connect(Mnu_Enregistrer, &QAction::triggered, this, &Form1::Mnu_Enregistrer_Click);
    Mnu_EnregistrerSous = addCommand(QStringLiteral("Enregistrer &Sous..."), "Mnu_EnregistrerSous",
                                     QStringLiteral("Enregistrer sous"), "enregistrer-sous");
    connect(Mnu_EnregistrerSous, &QAction::triggered, this, &Form1::Mnu_EnregistrerSous_Click);
    Mnu_Apercu =
        addCommand(QStringLiteral("&Aperçu"), "Mnu_Apercu", QStringLiteral("Aperçu"), "apercu");
    connect(Mnu_Apercu, &QAction::triggered, this, &Form1::Mnu_Apercu_Click);
    Mnu_Imprimer = addCommand(QStringLiteral("&Imprimer"), "Mnu_Imprimer",
                              QStringLiteral("Imprimer"), "imprimer");
    connect(Mnu_Imprimer, &QAction::triggered, this, &Form1::Mnu_Imprimer_Click);
    Mnu_ConfigImp = addCommand(QStringLiteral("Configurer l'imprimante"), "Mnu_ConfigImp");
    connect(Mnu_ConfigImp, &QAction::triggered, this, &Form1::Mnu_ConfigImp_Click);
    // Their check marks show what the printer reports, never a click's own toggling.
    Mnu_ImpPort = addCommand(QStringLiteral("Imprimante en mode Portrait"), "Mnu_ImpPort");
    Mnu_ImpPort->setCheckable(true);
    connect(Mnu_ImpPort, &QAction::triggered, this, &Form1::Mnu_ImpPort_Click);
    Mnu_ImpPays = addCommand(QStringLiteral("Imprimante en mode Paysage"), "Mnu_ImpPays");
    Mnu_ImpPays->setCheckable(true);
    connect(Mnu_ImpPays, &QAction::triggered, this, &Form1::Mnu_ImpPays_Click);
    Mnu_Quitter =
        addCommand(QStringLiteral("&Quitter"), "Mnu_Quitter", QStringLiteral("Quitter"), "quitter");
    connect(Mnu_Quitter, &QAction::triggered, this, &Form1::Mnu_Quitter_Click);

    Mmu_Som_Aide = addCommand(QStringLiteral("&Sommaire de l'aide"), "Mmu_Som_Aide",
                              QStringLiteral("Aide"), "aide");
    connect(Mmu_Som_Aide, &QAction::triggered, this, &Form1::Mmu_Som_Aide_Click);
    Mnu_AideIndex = addCommand(QStringLiteral("&Rechercher dans l'aide"), "Mnu_AideIndex");
    connect(Mnu_AideIndex, &QAction::triggered, this, &Form1::Mnu_AideIndex_Click);
    Mnu_APropos = addCommand(QStringLiteral("A propos"), "Mnu_APropos", QStringLiteral("A propos"),
                             "apropos");
    connect(Mnu_APropos, &QAction::triggered, this, &Form1::Mnu_APropos_Click);

    // Commands of the window's buttons that the toolbar offers too.
    Police = addCommand(QStringLiteral("Police"), "Police", QStringLiteral("Police"), "police");
    connect(Police, &QAction::triggered, this, &Form1::Command1_Click);
    Couleur =
        addCommand(QStringLiteral("Couleur"), "Couleur", QStringLiteral("Couleur"), "couleur");
    connect(Couleur, &QAction::triggered, this, &Form1::Command2_Click);
    Icone = addCommand(QStringLiteral("Icône"), "Icone", QStringLiteral("Icône"), "icone");
    connect(Icone, &QAction::triggered, this, &Form1::Command3_Click);
    VisualiserImages = addCommand(QStringLiteral("Visualiser les images"), "VisualiserImages",
                                  QStringLiteral("Visualiser les images"), "visualiser");
    connect(VisualiserImages, &QAction::triggered, this, &Form1::Command8_Click);
}

void Form1::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    file->setObjectName(QStringLiteral("Mnu_Fichier"));
    connect(file, &QMenu::aboutToShow, this, &Form1::Mnu_Fichier_Click);
    file->addActions({Mnu_Nouveau, Mnu_Ouvrir});
    file->addSeparator();
    file->addActions({Mnu_Enregistrer, Mnu_EnregistrerSous});
    file->addSeparator();
    file->addActions({Mnu_Apercu, Mnu_Imprimer, Mnu_ConfigImp, Mnu_ImpPort, Mnu_ImpPays});
    file->addSeparator();
    file->addAction(Mnu_Quitter);

    QMenu *help = menuBar()->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("Mnu_Aide"));
    help->addActions({Mmu_Som_Aide, Mnu_AideIndex});
    help->addSeparator();
    help->addAction(Mnu_APropos);
}

void Form1::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Barre d'outils"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->addActions(
        {Mnu_Nouveau, Mnu_Ouvrir, Mnu_Enregistrer, Mnu_EnregistrerSous, Mnu_Apercu, Mnu_Imprimer});
    Toolbar1->addSeparator();
    Toolbar1->addActions({Police, Couleur, Icone, VisualiserImages});
    Toolbar1->addSeparator();
    Toolbar1->addActions({Mmu_Som_Aide, Mnu_APropos});
    Toolbar1->addSeparator();
    Toolbar1->addAction(Mnu_Quitter);
}

QWidget *Form1::buildLabelView()
{
    const QString tips[] = {QStringLiteral("Cliquez ici pour éditer la zone de texte 1"),
                            QStringLiteral("Cliquez ici pour éditer la zone de texte 2"),
                            QStringLiteral("Cliquez ici pour éditer la zone de texte 3")};
    auto *Image1 = new FloppyBackdrop;
    auto *Picture4 = new LabelArea(Image1);
    Millimetres::place(*Picture4, FloppyBackdrop::LabelPlaceMm);
    for (std::size_t i = 0; i < m_zoneLabels.size(); ++i) {
        const int zone = int(i) + 1;
        m_zoneLabels[i] = new ZoneDisplay(Picture4);
        m_zoneLabels[i]->setObjectName(QStringLiteral("Label%1").arg(zone));
        m_zoneLabels[i]->setAccessibleName(QStringLiteral("Zone de texte %1").arg(zone));
        m_zoneLabels[i]->setToolTip(tips[i]);
        m_zoneLabels[i]->setZone(m_zones[i]);
        Millimetres::place(*m_zoneLabels[i], ZonePlacesMm[i]);
        connect(m_zoneLabels[i], &ZoneDisplay::clicked, this, [this, zone] { Label_Click(zone); });
    }
    Picture2 = new PictureBox(Picture4);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setToolTip(QStringLiteral("Double clic pour charger une image"));
    Picture2->setAccessibleName(Picture2->toolTip());
    Millimetres::place(*Picture2, PicturePlaceMm);
    connect(Picture2, &PictureBox::doubleClicked, this, &Form1::Picture2_DblClick);
    return Image1;
}

QWidget *Form1::buildEditBox()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    Label4 = new QLabel;
    Label4->setObjectName(QStringLiteral("Label4"));
    Text1 = new ZoneTextEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(editFont());
    Text1->setFixedHeight(Text1->fontMetrics().lineSpacing() * 6 + 2 * Text1->frameWidth() + 8);
    Label4->setBuddy(Text1);
    connect(Text1, &ZoneTextEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text1, &ZoneTextEdit::insertModeChanged, this,
            [this](bool inserting) { StatusBar1->setPanelLit(InsertPanel, inserting); });
    layout->addWidget(Label4);
    layout->addWidget(Text1);
    return box;
}

QWidget *Form1::buildTextFrame()
{
    auto *Frame2 = new QGroupBox(QStringLiteral("Texte"));
    auto *layout = new QGridLayout(Frame2);

    Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setToolTip(QStringLiteral("Aligne le texte de la zone sélectionée"));
    auto *options = new QHBoxLayout(Frame1);
    m_alignmentOptions = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("Gauche"), QStringLiteral("Droite"),
                                QStringLiteral("Centre")};
    for (int index = 0; index < 3; ++index) {
        auto *option = new QRadioButton(captions[index]);
        option->setObjectName(QStringLiteral("Option%1").arg(index + 1));
        m_alignmentOptions->addButton(option, index);
        options->addWidget(option);
    }
    m_alignmentOptions->button(AlignLeft)->setChecked(true);
    connect(m_alignmentOptions, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            Option_Click(index);
    });
    layout->addWidget(Frame1, 0, 0, 1, 2);

    QPushButton *Command1 = actionButton(Police, QStringLiteral("&Police..."));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(
        QStringLiteral("Affecte une police de caractère à la zone de texte sélectionnée"));
    layout->addWidget(Command1, 1, 0);
    QPushButton *Command2 = actionButton(Couleur, QStringLiteral("&Couleur..."));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setToolTip(QStringLiteral(
        "Affecte une couleur à la police de caractère à la zone de texte sélectionnée"));
    layout->addWidget(Command2, 1, 1);
    return Frame2;
}

QWidget *Form1::buildIconFrame()
{
    auto *Frame3 = new QGroupBox(QStringLiteral("Logo / Icône"));
    auto *layout = new QGridLayout(Frame3);
    QPushButton *Command3 = actionButton(Icone, QStringLiteral("&Logo Icone"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setToolTip(QStringLiteral("Charge une image"));
    layout->addWidget(Command3, 0, 0);
    auto *Command6 = new QPushButton(QStringLiteral("&Pas d'icone"));
    Command6->setObjectName(QStringLiteral("Command6"));
    Command6->setToolTip(QStringLiteral("Efface l'image"));
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    layout->addWidget(Command6, 0, 1);
    QPushButton *Command8 =
        actionButton(VisualiserImages, QStringLiteral("&Visualiser les images..."));
    Command8->setObjectName(QStringLiteral("Command8"));
    Command8->setToolTip(QStringLiteral("Exécute la visionneuse"));
    layout->addWidget(Command8, 1, 0);
    Command10 = new QPushButton(QStringLiteral("Coller l'image"));
    Command10->setObjectName(QStringLiteral("Command10"));
    Command10->setToolTip(QStringLiteral("Colle l'image sélectionnée en icône"));
    // Available once the image viewer has put a picture aside.
    Command10->setEnabled(false);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    layout->addWidget(Command10, 1, 1);
    return Frame3;
}

QWidget *Form1::buildPrinterFrame()
{
    auto *Frame6 = new QGroupBox(QStringLiteral("Iimprimante "));
    auto *layout = new QVBoxLayout(Frame6);
    Label6 = new QLabel;
    Label6->setObjectName(QStringLiteral("Label6"));
    layout->addWidget(Label6);
    return Frame6;
}

QWidget *Form1::buildMainButtons()
{
    auto *Frame4 = new QGroupBox;
    auto *layout = new QGridLayout(Frame4);
    QPushButton *Command9 = actionButton(Mnu_Apercu, QStringLiteral("Aperçu"));
    Command9->setObjectName(QStringLiteral("Command9"));
    Command9->setToolTip(QStringLiteral("Donne un aperçu avant impression"));
    layout->addWidget(Command9, 0, 0);
    QPushButton *Command5 = actionButton(Mnu_Imprimer, QStringLiteral("Imprimer"));
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setToolTip(QStringLiteral("Lance la feuille du paramétrage d'impression"));
    layout->addWidget(Command5, 0, 1);
    QPushButton *Command7 = actionButton(Mmu_Som_Aide, QStringLiteral("&Aide"));
    Command7->setObjectName(QStringLiteral("Command7"));
    Command7->setToolTip(QStringLiteral("Exécute l'aide de Korvalin"));
    layout->addWidget(Command7, 1, 0);
    QPushButton *Command4 = actionButton(Mnu_Quitter, QStringLiteral("&Quitter"));
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setToolTip(QStringLiteral("Quitte le programme"));
    layout->addWidget(Command4, 1, 1);
    return Frame4;
}

void Form1::Form_Load()
{
    m_state.InitialZoneText = {m_zones[0].Caption, m_zones[1].Caption, m_zones[2].Caption};
    loadPrintSettings();
    refreshOrientationDisplay();
    if (m_state.startedWithDocument()) {
        OpenFile(m_state.LabelFileName);
        showDocumentName(m_state.commandLineDocumentName());
        centreOnScreen();
    } else {
        centreOnScreen();
        Text1->setText(QString());
        showUntitledName();
    }
    markSelectedZone();
    showAlignmentCaption();
    showEditCaption();
    Timer1_Timer();
    Timer1->start();
    // Caps Lock may be pressed in any of the program's windows.
    qApp->installEventFilter(this);
}

void Form1::centreOnScreen()
{
    adjustSize();
    move(CenterForm(frameGeometry().size(), screen()->availableGeometry()));
}

void Form1::Timer1_Timer()
{
    StatusBar1->setPanelText(TimePanel, QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    // Also catches a Caps Lock changed while another program had the keyboard.
    showCapsLock();
}

void Form1::showCapsLock()
{
    if (const std::optional<bool> on = KeyboardIndicators::capsLock())
        StatusBar1->setPanelLit(CapsLockPanel, *on);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_CapsLock)
        showCapsLock();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Mmu_Som_Aide_Click()
{
    showHelp(CMDialog1::HelpContents);
}

void Form1::Mnu_AideIndex_Click()
{
    m_commonDialog.HelpKey.clear();
    showHelp(CMDialog1::HelpPartialKey);
}

void Form1::showHelp(int command)
{
    m_commonDialog.HelpFile = AddBackslash(m_state.AppPath) + QStringLiteral("KORVALIN.HLP");
    m_commonDialog.HelpCommand = command;
    m_commonDialog.ShowHelp();
}

void Form1::showError(const QString &message)
{
    MsgBoxError(message);
}

bool Form1::CalculIMP()
{
    if (ZoneLines::split(m_zones, m_state))
        return true;
    showError(ZoneLines::tooManyLinesMessage());
    return false;
}

const Picture &Form1::picture() const
{
    return Picture2->picture();
}

void Form1::enablePastePicture()
{
    Command10->setEnabled(true);
}

void Form1::endProgram()
{
    showDocumentName(QStringLiteral("Au revoir !"));
    // At once: the other windows go with the program, without their own close handling.
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing through the frame asks nothing and saves nothing, and ends the program
    // although the print settings window stays loaded, hidden.
    event->accept();
    QCoreApplication::exit(0);
}
