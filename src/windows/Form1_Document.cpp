// The document commands of the File menu: New, Open, Save, Save As and Quit, and the
// reading and writing of the label file behind them.
#include "windows/Form1.h"

#include "platform/widgets/MsgBox.h"
#include "print/LabelLoader.h"
#include "windows/StatusPanels.h"
#include "windows/ZoneTextEdit.h"

#include <QDir>

namespace {

constexpr int DocumentNamePanel = 1;

QString labelFileFilter()
{
    return QStringLiteral("Fichiers étiquette (*.ETI)|*.eti");
}

} // namespace

// An empty name is an untitled document.
void Form1::showDocumentName(const QString &name)
{
    StatusBar1->setPanelText(DocumentNamePanel, name.isEmpty() ? QStringLiteral("SANS NOM") : name);
}

void Form1::showUntitledName()
{
    showDocumentName(QString());
}

void Form1::Mnu_Fichier_Click()
{
    refreshOrientationDisplay();
}

void Form1::Mnu_Nouveau_Click()
{
    if (MsgBox(QStringLiteral("Création d'une nouvelle étiquette ?\r        Confirmer ?"),
               MsgBoxButtons::OKCancel, MsgBoxIcon::None,
               QStringLiteral("Création d'une étiquette")) != MsgBoxResult::OK)
        return;

    m_state.CurrentZone = 1;
    m_state.IconFile = QLatin1String(LabelFile::NoIcon);
    m_state.LabelFileName.clear();
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
    Text1->setText(m_zones[0].Caption);
    Text1->setFocus();
    markSelectedZone();
    showEditCaption();
    showUntitledName();
    setPicture(Picture());
}

void Form1::Mnu_Ouvrir_Click()
{
    CMDialog1 &dialog = m_commonDialog;
    dialog.InitDir = m_state.AppPath;
    dialog.FileName = m_state.LabelFileName;
    dialog.DialogTitle = QStringLiteral("Ouvrir");
    dialog.Filter = labelFileFilter();
    dialog.FilterIndex = 1;
    dialog.Flags = 0;
    dialog.CancelError = true;
    if (!dialog.ShowOpen())
        return;

    // The open document is replaced without a question, modified or not.
    const QString previousName = m_state.LabelFileName;
    m_state.LabelFileName = dialog.FileName;
    if (!m_state.LabelFileName.isEmpty()) {
        OpenFile(m_state.LabelFileName, previousName);
        Text1->setFocus();
    }
    showDocumentName(documentName(m_state.LabelFileName));
    showEditCaption();
}

void Form1::Mnu_Enregistrer_Click()
{
    if (m_state.LabelFileName.isEmpty())
        Mnu_EnregistrerSous_Click();
    else
        SaveFile(m_state.LabelFileName);
}

void Form1::Mnu_EnregistrerSous_Click()
{
    const QString previousName = m_state.LabelFileName;
    if (m_state.LabelFileName.isEmpty())
        m_state.LabelFileName = QStringLiteral("Nouveau.eti");

    CMDialog1 &dialog = m_commonDialog;
    dialog.DialogTitle = QStringLiteral("Enregistrer Sous");
    dialog.Filter = labelFileFilter();
    dialog.FilterIndex = 1;
    dialog.FileName = m_state.LabelFileName;
    dialog.Flags = CMDialog1::OverwritePrompt;
    dialog.CancelError = true;
    if (!dialog.ShowSave()) {
        m_state.LabelFileName = previousName;
        return;
    }
    // Taken as typed: no extension is added to a name without one.
    m_state.LabelFileName = dialog.FileName;
    SaveFile(m_state.LabelFileName);
    showDocumentName(documentName(dialog.FileName));
}

void Form1::Mnu_Quitter_Click()
{
    if (m_state.Modified) {
        const QString prompt =
            QStringLiteral("Fichier ") + m_state.LabelFileName +
            QStringLiteral(" modifié !\r\n            Enregistrer le fichier ? ");
        if (MsgBox(prompt, MsgBoxButtons::YesNo, MsgBoxIcon::Exclamation,
                   QStringLiteral("Quitter Korvalin")) == MsgBoxResult::Yes) {
            if (!m_state.LabelFileName.isEmpty()) {
                SaveFile(m_state.LabelFileName);
            } else {
                m_state.LabelFileName =
                    AddBackslash(QDir::currentPath()) + QStringLiteral("Nouveau");
                Mnu_EnregistrerSous_Click();
            }
        }
    }
    if (MsgBox(QStringLiteral("Quitter Korvalin\r  Confirmez  ?"), MsgBoxButtons::YesNo,
               MsgBoxIcon::Question, QStringLiteral("Quitter le programme"),
               MsgBoxDefault::Second) == MsgBoxResult::Yes)
        endProgram();
}

void Form1::OpenFile(const QString &path, const QString &previousName)
{
    // The file and its picture are read and checked as a whole first, so that a file
    // that cannot be read changes nothing of the open document, its name included.
    const std::optional<LabelLoader::Loaded> loaded = LabelLoader::load(path, m_zones);
    if (!loaded) {
        m_state.LabelFileName = previousName;
        showError(LabelFile::openErrorMessage());
        return;
    }
    for (int zone = 1; zone <= 3; ++zone)
        setZone(zone, loaded->content.zones[std::size_t(zone - 1)]);

    const QString &iconEntry = loaded->content.iconEntry;
    if (iconEntry == QLatin1String(LabelFile::NoIcon)) {
        m_state.IconFile.clear();
        setPicture(Picture());
    } else {
        m_state.IconFile = iconEntry;
        m_state.IconPath = iconEntry;
        if (loaded->pictureState == LabelLoader::Loaded::PictureState::Missing)
            showError(LabelFile::iconNotFoundMessage(iconEntry));
        else
            setPicture(loaded->picture);
    }

    m_state.CurrentZone = 1;
    Text1->setText(m_zones[0].Caption);
    markSelectedZone();
    checkAlignmentOption(m_zones[0].Alignment);
    m_state.Modified = false;
}

void Form1::SaveFile(const QString &path)
{
    const LabelFile::SaveResult result = LabelFile::save(path, m_zones, m_state);
    if (!result)
        MsgBox(LabelFile::saveErrorPrompt(result.refusal), MsgBoxButtons::OKOnly,
               MsgBoxIcon::Critical, LabelFile::saveErrorTitle());
}
