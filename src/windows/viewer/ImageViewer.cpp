// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The image viewer's window: its controls, its start, the pattern box and its two buttons.
#include "windows/viewer/ImageViewer.h"

#include "windows/shared/BackgroundTask.h"
#include "windows/shared/Millimetres.h"
#include "windows/shared/PictureBox.h"
#include "windows/shared/PicturePatterns.h"
#include "windows/shared/WindowPlacement.h"
#include "windows/viewer/FileList.h"
#include "windows/viewer/FolderTree.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

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

ImageViewer::ImageViewer(ViewerMemory &memory, const QString &programFolder, QWidget *parent,
                         const ViewerDriveSource &drives)
    : QDialog(parent), m_memory(memory), m_programFolder(programFolder), m_source(drives)
{
    setObjectName(QStringLiteral("ImageViewer"));
    setWindowTitle(tr("Visionneuse d'images"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    buildControls();
    placeControls();
    orderFocus();
    loadWindow();
}

ImageViewer::~ImageViewer() = default;

void ImageViewer::buildControls()
{
    m_driveCaption = new QLabel(tr("Lecteur :"), this);
    m_driveList = new QComboBox(this);
    m_driveList->setObjectName(QStringLiteral("driveList"));
    nameAfterCaption(*m_driveList, *m_driveCaption);
    connect(m_driveList, &QComboBox::currentIndexChanged, this, &ImageViewer::onDriveChosen);

    m_folderCaption = new QLabel(tr("Dossier :"), this);
    m_folderTree = new FolderTree(this);
    m_folderTree->setObjectName(QStringLiteral("folderTree"));
    nameAfterCaption(*m_folderTree, *m_folderCaption);
    connect(m_folderTree, &FolderTree::folderChanged, this, &ImageViewer::onFolderChosen);

    m_patternCaption = new QLabel(tr("Sélection :"), this);
    m_patternBox = new QComboBox(this);
    m_patternBox->setObjectName(QStringLiteral("patternBox"));
    m_patternBox->setEditable(true);
    m_patternBox->setInsertPolicy(QComboBox::NoInsert);
    // What the user types is the pattern: no completion from the listed patterns.
    m_patternBox->setCompleter(nullptr);
    nameAfterCaption(*m_patternBox, *m_patternCaption);
    m_patternBox->lineEdit()->setAccessibleName(m_patternBox->accessibleName());

    m_fileList = new FileList(this);
    m_fileList->setObjectName(QStringLiteral("fileList"));
    m_fileList->setAccessibleName(tr("Fichiers"));
    connect(m_fileList, &FileList::fileChosen, this, &ImageViewer::onFileChosen);

    m_picturesTitle = new QLabel(tr("Images"), this);
    m_picturesTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("MS Sans Serif"));
    titleFont.setPointSizeF(9.75);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    m_picturesTitle->setFont(titleFont);

    m_largePicture = new PictureBox(this);
    m_largePicture->setObjectName(QStringLiteral("largePicture"));
    m_largePicture->setAccessibleName(tr("Image agrandie"));
    m_pathCaption = new QLabel(this);
    m_pathCaption->setTextFormat(Qt::PlainText); // a path, whatever it holds
    m_pathCaption->setObjectName(QStringLiteral("pathCaption"));
    m_labelSizePicture = new PictureBox(this);
    m_labelSizePicture->setObjectName(QStringLiteral("labelSizePicture"));
    m_labelSizePicture->setAccessibleName(tr("Image à la taille de l'étiquette"));

    m_copyButton = new QPushButton(tr("&Copier"), this);
    m_copyButton->setObjectName(QStringLiteral("copyButton"));
    connect(m_copyButton, &QPushButton::clicked, this, &ImageViewer::copyPicturePath);
    m_closeButton = new QPushButton(tr("&Quitter"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(m_closeButton, &QPushButton::clicked, this, &ImageViewer::closeViewer);
    // Enter in the pattern box must not press a button and close the viewer.
    for (QPushButton *button : {m_closeButton, m_copyButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void ImageViewer::placeControls()
{
    using Millimetres::place;
    setFixedSize(Millimetres::toPixels(QSizeF(126.7, 106.4), *this));
    place(*m_driveCaption, {4.2, 2.1, 34.1, 4.5});
    place(*m_driveList, {4.2, 6.3, 51.1, 5.6});
    place(*m_folderCaption, {4.2, 14.8, 36.2, 4.5});
    place(*m_folderTree, {4.2, 19.0, 51.1, 28.3});
    place(*m_patternCaption, {4.2, 48.7, 38.4, 4.5});
    place(*m_patternBox, {4.2, 52.9, 51.1, 5.6});
    place(*m_fileList, {4.2, 61.4, 51.1, 42.9});
    place(*m_picturesTitle, {59.3, 6.3, 61.6, 4.5});
    place(*m_largePicture, {59.3, 12.7, 63.8, 63.8});
    place(*m_pathCaption, {59.3, 78.3, 0, 4.5});
    place(*m_labelSizePicture, {61.4, 91.0, 13.0, 13.0});
    place(*m_copyButton, {86.8, 88.9, 25.7, 6.6});
    place(*m_closeButton, {86.8, 97.4, 25.7, 6.6});
}

void ImageViewer::orderFocus()
{
    QWidget::setTabOrder(m_driveList, m_folderTree);
    QWidget::setTabOrder(m_folderTree, m_fileList);
    QWidget::setTabOrder(m_fileList, m_closeButton);
    QWidget::setTabOrder(m_closeButton, m_patternBox);
    QWidget::setTabOrder(m_patternBox, m_copyButton);
}

void ImageViewer::loadWindow()
{
    move(centredWindowPosition(frameGeometry().size(), screen()->availableGeometry()));

    // The program's own folder is where the viewer opens, on its drive.
    const QList<ViewerDrive> mounted = m_source.mounted();
    const int ownDrive = ViewerDrives::indexHolding(mounted, m_programFolder);
    if (ownDrive >= 0)
        m_driveFolders.insert(mounted.at(ownDrive).rootPath, m_programFolder);
    m_awaitedDrive = mounted.value(std::max(ownDrive, 0)).rootPath;
    listDrives(mounted);

    m_patternBox->addItem(PicturePatterns::readable().join(QLatin1Char(';')));
    m_patternBox->addItems(
        {QStringLiteral("*.ico"), QStringLiteral("*.cur"), QStringLiteral("*.bmp"),
         QStringLiteral("*.wmf"), QStringLiteral("*.gif"), QStringLiteral("*.jpg"),
         QStringLiteral("*.*"), QStringLiteral("*.ico;*.cur;*.bmp;*.wmf;*.gif;*.jpg"),
         QStringLiteral("*.bmp;*.gif;*.jpg"), QStringLiteral("*.ico;*.cur;*.wmf"),
         QStringLiteral("*.png"), QStringLiteral("*.svg")});
    // What the box shows and what the list uses differ until the user chooses a pattern.
    m_patternBox->setEditText(QStringLiteral("*.ico;*.cur;*.bmp;*.wmf"));
    m_fileList->setPattern(QStringLiteral("*.bmp;*.wmf;*.ico"));
    connect(m_patternBox, &QComboBox::editTextChanged, this, &ImageViewer::onPatternEdited);

    m_copyButton->setEnabled(false);
    m_copyButton->setToolTip(tr("Copie l'image sélectionnée en mémoire"));
}

void ImageViewer::onFolderChosen(const QString &folder)
{
    clearPictures();
    m_copyButton->setEnabled(false);
    setPathCaption(QString());
    if (!m_shownDrive.isEmpty())
        m_driveFolders.insert(m_shownDrive, folder);
    m_fileList->setFolder(folder);
}

void ImageViewer::onPatternEdited(const QString &pattern)
{
    m_fileList->setPattern(pattern);
}

void ImageViewer::closeViewer()
{
    close();
}

void ImageViewer::copyPicturePath()
{
    m_memory.copiedPicture = m_pathCaption->text();
    emit pictureCopied();
}

void ImageViewer::setPathCaption(const QString &path)
{
    m_pathCaption->setText(path);
    // The caption is as wide as its text.
    m_pathCaption->resize(m_pathCaption->sizeHint().width(), m_pathCaption->height());
}
