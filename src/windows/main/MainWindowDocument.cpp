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
        z.FontName = QStringLiteral("arial"); // in lower case, as New has always written it
        z.FontSize = 8;
        z.FontBold = false;
        z.FontItalic = false;
        showZone(zone);
    }
    m_zoneTextEdit->setText(m_zones[0].Caption);
    m_zoneTextEdit->setFocus();
    markSelectedZone();
    showEditCaption();
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
    openLabel(dialog.FileName);
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

void MainWindow::showLabel(const QString &path, const LabelRead &read)
{
    const std::optional<LabelLoader::Loaded> &loaded = read.label;
    if (!loaded) {
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
            setPicture(loaded->picture, read.drawn);
    }

    m_state.currentZone = 1;
    m_zoneTextEdit->setText(m_zones[0].Caption);
    markSelectedZone();
    checkAlignmentOption(m_zones[0].Alignment);
    m_state.labelFileName = path;
    showDocumentName(documentName(path));
    m_zoneTextEdit->setFocus();
    showEditCaption();
    m_state.modified = false;
}

void MainWindow::saveLabel(const QString &path)
{
    const LabelFile::SaveResult result = LabelFile::save(path, m_zones, m_state);
    if (!result)
        MsgBox(LabelFile::saveErrorPrompt(result.refusal), MsgBoxButtons::OKOnly,
               MsgBoxIcon::Critical, LabelFile::saveErrorTitle());
}
