// The label's picture: loading one from a file or from the image viewer, removing it.
#include "windows/Form1.h"

#include "platform/PictureLoader.h"
#include "windows/PictureMessages.h"
#include "windows/PictureBox.h"
#include "windows/VisuIMG.h"

#include <QDir>

namespace {

QString pictureFileFilter()
{
    return QStringLiteral("Fichiers Icone               (*.ICO)|*.ico|"
                          "Fichiers curseurs           (*.CUR)|*.cur|"
                          "Image en mode point    (*.BMP)|*.bmp|"
                          "Métafichiers Windows  (*.WMF)|*.wmf|"
                          "Fichier image                (*.GIF)|*.gif|"
                          "Fichier image                (*.JPG)|*.jpg");
}

} // namespace

void Form1::Command3_Click()
{
    CMDialog1 &dialog = m_commonDialog;
    dialog.InitDir = QDir::currentPath();
    // "AUCUN" is proposed when the label has no picture, as it always was.
    dialog.FileName = m_state.IconFile;
    dialog.DialogTitle = QStringLiteral("Ouvrir un icone");
    dialog.Filter = pictureFileFilter();
    dialog.CancelError = true;
    if (!dialog.ShowOpen())
        return;
    m_state.IconPath = dialog.FileName;
    useIconPath();
}

void Form1::Picture2_DblClick()
{
    Command3_Click();
}

void Form1::Command6_Click()
{
    setPicture(Picture());
    m_state.IconPath = QLatin1String(LabelFile::NoIcon);
    m_state.IconFile.clear();
}

void Form1::Command8_Click()
{
    VisuIMG viewer(m_state, this);
    connect(&viewer, &VisuIMG::pictureCopied, this, &Form1::enablePastePicture);
    viewer.exec();
}

void Form1::Command10_Click()
{
    if (m_state.ViewerImagePath.isEmpty())
        return;
    m_state.IconPath = m_state.ViewerImagePath;
    useIconPath();
}

// Shows the picture at IconPath and makes it the label's. A file that does not load
// leaves the shown picture and IconFile as they were, while IconPath names it.
void Form1::useIconPath()
{
    const std::optional<Picture> picture = PictureLoader::load(m_state.IconPath);
    if (!picture) {
        showError(unsupportedPictureMessage());
        return;
    }
    setPicture(*picture);
    m_state.IconFile = m_state.IconPath;
}

void Form1::setPicture(const Picture &picture)
{
    Picture2->setPicture(picture);
}
