#include "windows/Form1.h"

#include "label/ZoneLines.h"
#include "platform/widgets/MsgBox.h"
#include "print/Printer.h"
#include "windows/FloppyBackdrop.h"
#include "windows/IndexedToolBar.h"
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
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Places of the zones and the picture on the label, in mm from its top-left corner; the
// same places as on the printed label.
constexpr std::array<QRectF, 3> ZonePlacesMm{
    {{16.9, 2.1, 53.2, 15.1}, {2.1, 19.1, 68.0, 19.3}, {2.1, 40.2, 68.0, 6.6}}};
constexpr QRectF PicturePlaceMm{2.1, 2.1, 13.0, 13.0};

constexpr int TimePanel = 3;

QFont editFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

QPushButton *addButton(QGridLayout &grid, const QString &caption, int row, int column)
{
    auto *button = new QPushButton(caption);
    grid.addWidget(button, row, column);
    return button;
}

// Commands whose windows are not part of the program yet show as unavailable.
template <typename Entry> Entry *awaitingItsWindow(Entry *entry)
{
    entry->setEnabled(false);
    return entry;
}

} // namespace

Form1::Form1(Module1 &state, Printer &printer, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_printer(printer), m_zones(startUpZones()),
      m_commonDialog(this)
{
    setWindowTitle(QStringLiteral("Création d'étiquette pour disquette 3\"1/2"));
    buildMenus();
    buildToolbar();
    StatusBar1 = new StatusPanels(this);
    StatusBar1->setPanelText(4, QStringLiteral("Korvalin"));
    StatusBar1->setPanelText(5, QStringLiteral("MAJ"));
    StatusBar1->setPanelText(6, QStringLiteral("INSER"));
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

void Form1::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Fichier"));
    file->setObjectName(QStringLiteral("Mnu_Fichier"));
    connect(file, &QMenu::aboutToShow, this, &Form1::Mnu_Fichier_Click);
    const auto item = [this](QMenu *menu, const QString &caption, const char *name, auto handler) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if constexpr (!std::is_same_v<decltype(handler), std::nullptr_t>)
            connect(action, &QAction::triggered, this, handler);
        return action;
    };
    item(file, QStringLiteral("&Nouveau"), "Mnu_Nouveau", &Form1::Mnu_Nouveau_Click);
    item(file, QStringLiteral("&Ouvrir"), "Mnu_Ouvrir", &Form1::Mnu_Ouvrir_Click);
    file->addSeparator();
    item(file, QStringLiteral("&Enregistrer"), "Mnu_Enregistrer", &Form1::Mnu_Enregistrer_Click);
    item(file, QStringLiteral("Enregistrer &Sous..."), "Mnu_EnregistrerSous",
         &Form1::Mnu_EnregistrerSous_Click);
    file->addSeparator();
    awaitingItsWindow(item(file, QStringLiteral("&Aperçu"), "Mnu_Apercu", nullptr));
    awaitingItsWindow(item(file, QStringLiteral("&Imprimer"), "Mnu_Imprimer", nullptr));
    item(file, QStringLiteral("Configurer l'imprimante"), "Mnu_ConfigImp",
         &Form1::Mnu_ConfigImp_Click);
    Mnu_ImpPort = awaitingItsWindow(
        item(file, QStringLiteral("Imprimante en mode Portrait"), "Mnu_ImpPort", nullptr));
    Mnu_ImpPays = awaitingItsWindow(
        item(file, QStringLiteral("Imprimante en mode Paysage"), "Mnu_ImpPays", nullptr));
    Mnu_ImpPort->setCheckable(true);
    Mnu_ImpPays->setCheckable(true);
    file->addSeparator();
    item(file, QStringLiteral("&Quitter"), "Mnu_Quitter", &Form1::Mnu_Quitter_Click);

    QMenu *help = menuBar()->addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("Mnu_Aide"));
    item(help, QStringLiteral("&Sommaire de l'aide"), "Mmu_Som_Aide", &Form1::Mmu_Som_Aide_Click);
    item(help, QStringLiteral("&Rechercher dans l'aide"), "Mnu_AideIndex",
         &Form1::Mnu_AideIndex_Click);
    help->addSeparator();
    awaitingItsWindow(item(help, QStringLiteral("A propos"), "Mnu_APropos", nullptr));
}

void Form1::buildToolbar()
{
    Toolbar1 = new IndexedToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    const auto button = [this](const char *picture, const QString &tip) {
        Toolbar1->addButton(WindowResources::icon(QLatin1String(picture)), tip);
    };
    button("nouveau", QStringLiteral("Nouveau"));
    button("ouvrir", QStringLiteral("Ouvrir"));
    button("enregistrer", QStringLiteral("Enregistrer"));
    button("enregistrer-sous", QStringLiteral("Enregistrer sous"));
    button("apercu", QStringLiteral("Aperçu"));
    button("imprimer", QStringLiteral("Imprimer"));
    Toolbar1->addSeparatorEntry();
    button("police", QStringLiteral("Police"));
    button("couleur", QStringLiteral("Couleur"));
    button("icone", QStringLiteral("Icône"));
    button("visualiser", QStringLiteral("Visualiser les images"));
    Toolbar1->addSeparatorEntry();
    button("aide", QStringLiteral("Aide"));
    button("apropos", QStringLiteral("A propos"));
    Toolbar1->addSeparatorEntry();
    button("quitter", QStringLiteral("Quitter"));
    for (int index : {5, 6, 11, 14})
        awaitingItsWindow(Toolbar1->entry(index));
    connect(Toolbar1, &IndexedToolBar::buttonClicked, this, &Form1::Toolbar1_ButtonClick);
    addToolBar(Toolbar1);
}

QWidget *Form1::buildLabelView()
{
    auto *Image1 = new FloppyBackdrop;
    auto *Picture4 = new LabelArea(Image1);
    Millimetres::place(*Picture4, FloppyBackdrop::LabelPlaceMm);
    for (std::size_t i = 0; i < m_zoneLabels.size(); ++i) {
        const int zone = int(i) + 1;
        m_zoneLabels[i] = new ZoneDisplay(Picture4);
        m_zoneLabels[i]->setObjectName(QStringLiteral("Label%1").arg(zone));
        m_zoneLabels[i]->setZone(m_zones[i]);
        Millimetres::place(*m_zoneLabels[i], ZonePlacesMm[i]);
        connect(m_zoneLabels[i], &ZoneDisplay::clicked, this, [this, zone] { Label_Click(zone); });
    }
    Picture2 = new PictureBox(Picture4);
    Picture2->setObjectName(QStringLiteral("Picture2"));
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

    QPushButton *Command1 = addButton(*layout, QStringLiteral("&Police..."), 1, 0);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    QPushButton *Command2 = addButton(*layout, QStringLiteral("&Couleur..."), 1, 1);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    return Frame2;
}

QWidget *Form1::buildIconFrame()
{
    auto *Frame3 = new QGroupBox(QStringLiteral("Logo / Icône"));
    auto *layout = new QGridLayout(Frame3);
    QPushButton *Command3 = addButton(*layout, QStringLiteral("&Logo Icone"), 0, 0);
    Command3->setObjectName(QStringLiteral("Command3"));
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    QPushButton *Command6 = addButton(*layout, QStringLiteral("&Pas d'icone"), 0, 1);
    Command6->setObjectName(QStringLiteral("Command6"));
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    QPushButton *Command8 =
        awaitingItsWindow(addButton(*layout, QStringLiteral("&Visualiser les images..."), 1, 0));
    Command8->setObjectName(QStringLiteral("Command8"));
    Command10 = addButton(*layout, QStringLiteral("Coller l'image"), 1, 1);
    Command10->setObjectName(QStringLiteral("Command10"));
    // Available once the image viewer has put a picture aside.
    Command10->setEnabled(false);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
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
    QPushButton *Command9 = awaitingItsWindow(addButton(*layout, QStringLiteral("Aperçu"), 0, 0));
    Command9->setObjectName(QStringLiteral("Command9"));
    QPushButton *Command5 = awaitingItsWindow(addButton(*layout, QStringLiteral("Imprimer"), 0, 1));
    Command5->setObjectName(QStringLiteral("Command5"));
    QPushButton *Command7 = addButton(*layout, QStringLiteral("&Aide"), 1, 0);
    Command7->setObjectName(QStringLiteral("Command7"));
    connect(Command7, &QPushButton::clicked, this, &Form1::Mmu_Som_Aide_Click);
    QPushButton *Command4 = addButton(*layout, QStringLiteral("&Quitter"), 1, 1);
    Command4->setObjectName(QStringLiteral("Command4"));
    connect(Command4, &QPushButton::clicked, this, &Form1::Mnu_Quitter_Click);
    return Frame4;
}

void Form1::Form_Load()
{
    m_state.InitialZoneText = {m_zones[0].Caption, m_zones[1].Caption, m_zones[2].Caption};
    setTipTexts();
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
}

void Form1::setTipTexts()
{
    const auto tip = [this](const char *name, const QString &text) {
        findChild<QWidget *>(QLatin1String(name))->setToolTip(text);
    };
    tip("Label1", QStringLiteral("Cliquez ici pour éditer la zone de texte 1"));
    tip("Label2", QStringLiteral("Cliquez ici pour éditer la zone de texte 2"));
    tip("Label3", QStringLiteral("Cliquez ici pour éditer la zone de texte 3"));
    tip("Picture2", QStringLiteral("Double clic pour charger une image"));
    tip("Command1",
        QStringLiteral("Affecte une police de caractère à la zone de texte sélectionnée"));
    tip("Command2",
        QStringLiteral(
            "Affecte une couleur à la police de caractère à la zone de texte sélectionnée"));
    tip("Frame1", QStringLiteral("Aligne le texte de la zone sélectionée"));
    tip("Command3", QStringLiteral("Charge une image"));
    tip("Command6", QStringLiteral("Efface l'image"));
    tip("Command8", QStringLiteral("Exécute la visionneuse"));
    tip("Command9", QStringLiteral("Donne un aperçu avant impression"));
    tip("Command5", QStringLiteral("Lance la feuille du paramétrage d'impression"));
    tip("Command4", QStringLiteral("Quitte le programme"));
    tip("Command7", QStringLiteral("Exécute l'aide de Korvalin"));
    tip("Command10", QStringLiteral("Colle l'image sélectionnée en icône"));
}

void Form1::centreOnScreen()
{
    adjustSize();
    move(CenterForm(frameGeometry().size(), screen()->availableGeometry()));
}

void Form1::refreshOrientationDisplay()
{
    const int orientation = m_printer.orientation();
    if (orientation == 1)
        Label6->setText(QStringLiteral("En cours : Portrait"));
    Mnu_ImpPort->setChecked(orientation == 1);
    if (orientation == 2)
        Label6->setText(QStringLiteral("En cours : Paysage"));
    Mnu_ImpPays->setChecked(orientation == 2);
    if (m_printer.isNull())
        Label6->setText(QStringLiteral("Aucune imprimante"));
}

void Form1::Toolbar1_ButtonClick(int index)
{
    switch (index) {
    case 1:
        Mnu_Nouveau_Click();
        break;
    case 2:
        Mnu_Ouvrir_Click();
        break;
    case 3:
        Mnu_Enregistrer_Click();
        break;
    case 4:
        Mnu_EnregistrerSous_Click();
        break;
    case 8:
        Command1_Click();
        break;
    case 9:
        Command2_Click();
        break;
    case 10:
        Command3_Click();
        break;
    case 13:
        Mmu_Som_Aide_Click();
        break;
    case 16:
        Mnu_Quitter_Click();
        break;
    default:
        break; // separators, and the commands of windows still to come
    }
}

void Form1::Timer1_Timer()
{
    StatusBar1->setPanelText(TimePanel, QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void Form1::Mnu_ConfigImp_Click()
{
    m_commonDialog.Flags = CMDialog1::PrintSetup;
    m_commonDialog.CancelError = false;
    m_commonDialog.ShowPrinter(m_printer);
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
    MsgBox(message, MsgBoxButtons::OKOnly, MsgBoxIcon::Critical, QStringLiteral("Erreur"));
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
