// The document commands of the File menu: New, Open, Save, Save As and Quit, and the
// reading and writing of the label file behind them.
#include "windows/main/MainWindow.h"

#include "platform/LabelLoader.h"
#include "widgets/MsgBox.h"
#include "windows/main/StatusPanels.h"
#include "windows/main/ZoneTextEdit.h"

#include <QDir>

namespace {

constexpr int DocumentNamePanel = 1;

QString labelFileFilter()
{
    return QStringLiteral("Fichiers étiquette (*.ETI)|*.eti");
}

} // namespace

// An empty name is an untitled document.
void MainWindow::showDocumentName(const QString &name)
{
    m_statusPanels->setPanelText(DocumentNamePanel,
                                 name.isEmpty() ? QStringLiteral("SANS NOM") : name);
}

void MainWindow::showUntitledName()
{
    showDocumentName(QString());
}

void MainWindow::onFileMenuAboutToShow()
{
    refreshOrientationDisplay();
}

void MainWindow::fileNew()
{
    if (MsgBox(QStringLiteral("Création d'une nouvelle étiquette ?\r        Confirmer ?"),
               MsgBoxButtons::OKCancel, MsgBoxIcon::None,
               QStringLiteral("Création d'une étiquette")) != MsgBoxResult::OK)
        return;

    m_state.currentZone = 1;
    m_state.iconFile = QLatin1String(LabelFile::NoIcon);
    m_state.labelFileName.clear();
    for (int zone = 1; zone <= 3; ++zone)
        setZoneCaption(zone, QString());
    for (int zone = 1; zone <= 3; ++zone) {
        TextZone &z = m_zones[zone - 1];
        z.Alignment = AlignLeft;
        z.ForeColor = 0;
        z.FontName = QStringLiteral("arial"); // in lower case: files saved after New name it so
        z.FontSize = 8;
        z.FontBold = false;
        z.FontItalic = false;
        showZone(zone);
    }
    m_zoneTextEdit->setText(m_zones[0].Caption);
    m_zoneTextEdit->setFocus();
    markSelectedZone();
    showEditCaption();
    checkAlignmentOption(m_zones[0].Alignment);
    showAlignmentCaption();
    showUntitledName();
    setPicture(Picture());
}

void MainWindow::fileOpen()
{
    CommonDialog &dialog = m_commonDialog;
    dialog.InitDir = m_state.appPath;
    dialog.FileName = m_state.labelFileName;
    dialog.DialogTitle = QStringLiteral("Ouvrir");
    dialog.Filter = labelFileFilter();
    dialog.FilterIndex = 1;
    dialog.Flags = 0;
    dialog.CancelError = true;
    if (!dialog.ShowOpen())
        return;

    // The open document is replaced without a question, modified or not.
    const QString previousName = m_state.labelFileName;
    m_state.labelFileName = dialog.FileName;
    if (!m_state.labelFileName.isEmpty()) {
        openLabel(m_state.labelFileName, previousName);
        m_zoneTextEdit->setFocus();
    }
    showDocumentName(documentName(m_state.labelFileName));
    showEditCaption();
}

void MainWindow::fileSave()
{
    if (m_state.labelFileName.isEmpty())
        fileSaveAs();
    else
        saveLabel(m_state.labelFileName);
}

void MainWindow::fileSaveAs()
{
    const QString previousName = m_state.labelFileName;
    if (m_state.labelFileName.isEmpty())
        m_state.labelFileName = QStringLiteral("Nouveau.eti");

    CommonDialog &dialog = m_commonDialog;
    dialog.DialogTitle = QStringLiteral("Enregistrer Sous");
    dialog.Filter = labelFileFilter();
    dialog.FilterIndex = 1;
    dialog.FileName = m_state.labelFileName;
    dialog.Flags = CommonDialog::OverwritePrompt;
    dialog.CancelError = true;
    if (!dialog.ShowSave()) {
        m_state.labelFileName = previousName;
        return;
    }
    // Taken as typed: no extension is added to a name without one.
    m_state.labelFileName = dialog.FileName;
    saveLabel(m_state.labelFileName);
    showDocumentName(documentName(dialog.FileName));
}

void MainWindow::fileQuit()
{
    if (m_state.modified) {
        const QString prompt =
            QStringLiteral("Fichier ") + m_state.labelFileName +
            QStringLiteral(" modifié !\r\n            Enregistrer le fichier ? ");
        if (MsgBox(prompt, MsgBoxButtons::YesNo, MsgBoxIcon::Exclamation,
                   QStringLiteral("Quitter Korvalin")) == MsgBoxResult::Yes) {
            if (!m_state.labelFileName.isEmpty()) {
                saveLabel(m_state.labelFileName);
            } else {
                m_state.labelFileName =
                    withTrailingSlash(QDir::currentPath()) + QStringLiteral("Nouveau");
                fileSaveAs();
            }
        }
    }
    if (MsgBox(QStringLiteral("Quitter Korvalin\r  Confirmez  ?"), MsgBoxButtons::YesNo,
               MsgBoxIcon::Question, QStringLiteral("Quitter le programme"),
               MsgBoxDefault::Second) == MsgBoxResult::Yes)
        endProgram();
}

void MainWindow::openLabel(const QString &path, const QString &previousName)
{
    // The file and its picture are read and checked as a whole first, so that a file
    // that cannot be read changes nothing of the open document, its name included.
    const std::optional<LabelLoader::Loaded> loaded = LabelLoader::load(path, m_zones);
    if (!loaded) {
        m_state.labelFileName = previousName;
        showError(LabelFile::openErrorMessage());
        return;
    }
    for (int zone = 1; zone <= 3; ++zone)
        setZone(zone, loaded->content.zones[std::size_t(zone - 1)]);

    const QString &iconEntry = loaded->content.iconEntry;
    if (iconEntry == QLatin1String(LabelFile::NoIcon)) {
        m_state.iconFile.clear();
        setPicture(Picture());
    } else {
        m_state.iconFile = iconEntry;
        m_state.iconPath = iconEntry;
        if (loaded->pictureState == LabelLoader::Loaded::PictureState::Missing)
            showError(LabelFile::iconNotFoundMessage(iconEntry));
        else
            setPicture(loaded->picture);
    }

    m_state.currentZone = 1;
    m_zoneTextEdit->setText(m_zones[0].Caption);
    markSelectedZone();
    checkAlignmentOption(m_zones[0].Alignment);
    m_state.modified = false;
}

void MainWindow::saveLabel(const QString &path)
{
    const LabelFile::SaveResult result = LabelFile::save(path, m_zones, m_state);
    if (!result)
        MsgBox(LabelFile::saveErrorPrompt(result.refusal), MsgBoxButtons::OKOnly,
               MsgBoxIcon::Critical, LabelFile::saveErrorTitle());
}
