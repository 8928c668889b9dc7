// The image viewer's window: its controls, its start, the pattern box and its two buttons.
#include "windows/VisuIMG.h"

#include "label/Module1.h"
#include "windows/BackgroundTask.h"
#include "windows/FileList.h"
#include "windows/FolderTree.h"
#include "windows/Millimetres.h"
#include "windows/PictureBox.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// A box takes the caption above it as its name, without the colon.
void nameAfterCaption(QWidget &box, QLabel &caption)
{
    caption.setBuddy(&box);
    QString name = caption.text();
    name.remove(QLatin1Char(':'));
    box.setAccessibleName(name.trimmed());
}

} // namespace

VisuIMG::VisuIMG(Module1 &state, QWidget *parent, const ViewerDriveSource &drives)
    : QDialog(parent), m_state(state), m_drives(drives())
{
    setObjectName(QStringLiteral("VisuIMG"));
    setWindowTitle(QStringLiteral("Visionneuse d'images"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    buildControls();
    placeControls();
    orderFocus();
    Form_Load();
}

VisuIMG::~VisuIMG() = default;

void VisuIMG::buildControls()
{
    Label2 = new QLabel(QStringLiteral("Lecteur :"), this);
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    for (const ViewerDrive &drive : m_drives)
        Drive1->addItem(drive.caption());
    // No drive until the program's own is selected, so that selecting it is a change.
    Drive1->setCurrentIndex(-1);
    nameAfterCaption(*Drive1, *Label2);
    connect(Drive1, &QComboBox::currentIndexChanged, this, &VisuIMG::Drive1_Change);

    Label3 = new QLabel(QStringLiteral("Dossier :"), this);
    Dir1 = new FolderTree(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    nameAfterCaption(*Dir1, *Label3);
    connect(Dir1, &FolderTree::folderChanged, this, &VisuIMG::Dir1_Change);

    Label4 = new QLabel(QStringLiteral("Sélection :"), this);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    nameAfterCaption(*Combo1, *Label4);
    Combo1->lineEdit()->setAccessibleName(Combo1->accessibleName());

    File1 = new FileList(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setAccessibleName(QStringLiteral("Fichiers"));
    connect(File1, &FileList::fileChosen, this, &VisuIMG::File1_Click);

    Label5 = new QLabel(QStringLiteral("Images"), this);
    Label5->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("MS Sans Serif"));
    titleFont.setPointSizeF(9.75);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    Label5->setFont(titleFont);

    Open = new PictureBox(this);
    Open->setObjectName(QStringLiteral("Open"));
    Open->setAccessibleName(QStringLiteral("Image agrandie"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Image à la taille de l'étiquette"));

    Command2 = new QPushButton(QStringLiteral("&Copier"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &VisuIMG::Command2_Click);
    Command1 = new QPushButton(QStringLiteral("&Quitter"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &VisuIMG::Command1_Click);
    // Enter in the pattern box must not press a button and close the viewer.
    for (QPushButton *button : {Command1, Command2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void VisuIMG::placeControls()
{
    using Millimetres::place;
    setFixedSize(Millimetres::toPixels(QSizeF(126.7, 106.4), *this));
    place(*Label2, {4.2, 2.1, 34.1, 4.5});
    place(*Drive1, {4.2, 6.3, 51.1, 5.6});
    place(*Label3, {4.2, 14.8, 36.2, 4.5});
    place(*Dir1, {4.2, 19.0, 51.1, 28.3});
    place(*Label4, {4.2, 48.7, 38.4, 4.5});
    place(*Combo1, {4.2, 52.9, 51.1, 5.6});
    place(*File1, {4.2, 61.4, 51.1, 42.9});
    place(*Label5, {59.3, 6.3, 61.6, 4.5});
    place(*Open, {59.3, 12.7, 63.8, 63.8});
    place(*Label1, {59.3, 78.3, 0, 4.5});
    place(*Image1, {61.4, 91.0, 13.0, 13.0});
    place(*Command2, {86.8, 88.9, 25.7, 6.6});
    place(*Command1, {86.8, 97.4, 25.7, 6.6});
}

void VisuIMG::orderFocus()
{
    QWidget::setTabOrder(Drive1, Dir1);
    QWidget::setTabOrder(Dir1, File1);
    QWidget::setTabOrder(File1, Command1);
    QWidget::setTabOrder(Command1, Combo1);
    QWidget::setTabOrder(Combo1, Command2);
}

void VisuIMG::Form_Load()
{
    move(CenterForm(frameGeometry().size(), screen()->availableGeometry()));

    // The program's own folder is where the viewer opens, on its drive.
    const int ownDrive = ViewerDrives::indexHolding(m_drives, m_state.AppPath);
    if (ownDrive >= 0)
        m_driveFolders.insert(m_drives.at(ownDrive).rootPath, m_state.AppPath);
    selectDrive(ownDrive >= 0 ? ownDrive : 0, DriveRoute::UserChoice);

    Combo1->addItems({QStringLiteral("*.ico"), QStringLiteral("*.cur"), QStringLiteral("*.bmp"),
                      QStringLiteral("*.wmf"), QStringLiteral("*.gif"), QStringLiteral("*.jpg"),
                      QStringLiteral("*.*"), QStringLiteral("*.ico;*.cur;*.bmp;*.wmf;*.gif;*.jpg"),
                      QStringLiteral("*.bmp;*.gif;*.jpg"), QStringLiteral("*.ico;*.cur;*.wmf")});
    // What the box shows and what the list uses differ until the user chooses a pattern.
    Combo1->setEditText(QStringLiteral("*.ico;*.cur;*.bmp;*.wmf"));
    File1->setPattern(QStringLiteral("*.bmp;*.wmf;*.ico"));
    connect(Combo1, &QComboBox::editTextChanged, this, &VisuIMG::Combo1_Change);

    Command2->setEnabled(false);
    Command2->setToolTip(QStringLiteral("Copie l'image sélectionnée en mémoire"));
}

void VisuIMG::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void VisuIMG::Form_Activate()
{
    // A drive still being checked is not yet one to come back to.
    if (m_checkingDrive < 0 && m_shownDrive >= 0)
        m_state.ViewerLastDrive = m_drives.at(m_shownDrive).rootPath;
}

void VisuIMG::Dir1_Change(const QString &folder)
{
    clearPictures();
    Command2->setEnabled(false);
    setPathCaption(QString());
    if (m_shownDrive >= 0)
        m_driveFolders.insert(m_drives.at(m_shownDrive).rootPath, folder);
    File1->setFolder(folder);
}

void VisuIMG::Combo1_Change(const QString &pattern)
{
    File1->setPattern(pattern);
}

void VisuIMG::Command1_Click()
{
    close();
}

void VisuIMG::Command2_Click()
{
    m_state.ViewerImagePath = Label1->text();
    emit pictureCopied();
}

void VisuIMG::setPathCaption(const QString &path)
{
    Label1->setText(path);
    // The caption is as wide as its text.
    Label1->resize(Label1->sizeHint().width(), Label1->height());
}
