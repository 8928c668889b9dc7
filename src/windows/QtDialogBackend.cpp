#include "windows/QtDialogBackend.h"

#include "label/ColorValue.h"
#include "platform/LabelFonts.h"
#include "windows/PrinterSetupDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QRegularExpression>

namespace {

std::optional<QString> runFileDialog(const CMDialog1 &dialog, QWidget *parent,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog fileDialog(parent, dialog.DialogTitle);
    fileDialog.setAcceptMode(mode);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = QtDialogBackend::nameFilters(dialog.Filter);
    fileDialog.setNameFilters(filters);
    if (dialog.FilterIndex >= 1 && dialog.FilterIndex <= filters.size())
        fileDialog.selectNameFilter(filters[dialog.FilterIndex - 1]);
    fileDialog.setOptions(QtDialogBackend::fileDialogOptions(dialog, mode));

    // A proposed name with a folder opens that folder, before the initial folder.
    const QFileInfo proposed(dialog.FileName);
    if (proposed.isAbsolute())
        fileDialog.setDirectory(proposed.absolutePath());
    else if (!dialog.InitDir.isEmpty())
        fileDialog.setDirectory(dialog.InitDir);
    if (!dialog.FileName.isEmpty())
        fileDialog.selectFile(proposed.fileName());

    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fileDialog.selectedFiles().constFirst();
}

// The dialog has no option to leave out its effects, and a zone's strikethrough and
// underline are neither saved nor printed: the box that offers them is hidden.
void hideEffects(QFontDialog &dialog)
{
    for (QCheckBox *effect : dialog.findChildren<QCheckBox *>()) {
        if (auto *group = qobject_cast<QGroupBox *>(effect->parentWidget()))
            group->hide();
        else
            effect->hide();
    }
}

} // namespace

QtDialogBackend::~QtDialogBackend()
{
    delete m_helpWindow;
}

QStringList QtDialogBackend::nameFilters(const QString &filter)
{
    static const QRegularExpression endsWithPatterns(QStringLiteral("\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts[i];
        // Qt takes the patterns from the description's trailing parentheses and matches
        // them without regard to case, so a description that names them stays as it is.
        result.append(description.contains(endsWithPatterns)
                          ? description
                          : description + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')'));
    }
    return result;
}

QFileDialog::Options QtDialogBackend::fileDialogOptions(const CMDialog1 &dialog,
                                                        QFileDialog::AcceptMode mode)
{
    QFileDialog::Options options;
    if (mode == QFileDialog::AcceptSave && !(dialog.Flags & CMDialog1::OverwritePrompt))
        options |= QFileDialog::DontConfirmOverwrite;
    return options;
}

std::optional<QString> QtDialogBackend::chooseFileToOpen(const CMDialog1 &dialog, QWidget *parent)
{
    return runFileDialog(dialog, parent, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogBackend::chooseFileToSave(const CMDialog1 &dialog, QWidget *parent)
{
    return runFileDialog(dialog, parent, QFileDialog::AcceptSave);
}

FontChoice QtDialogBackend::keptUnlessChanged(const FontChoice &given, const QFont &shown,
                                              const QFont &chosen)
{
    // Strikethrough and underline are not offered, so they always come back as given.
    FontChoice result = given;
    if (chosen.family() != shown.family())
        result.name = chosen.family();
    if (!qFuzzyCompare(chosen.pointSizeF(), shown.pointSizeF()))
        result.size = float(chosen.pointSizeF());
    if (chosen.bold() != shown.bold())
        result.bold = chosen.bold();
    if (chosen.italic() != shown.italic())
        result.italic = chosen.italic();
    return result;
}

std::optional<FontChoice> QtDialogBackend::chooseFont(const FontChoice &initial, QWidget *parent)
{
    // Qt's own dialog, whatever the desktop, so the effects can be left out.
    QFontDialog dialog(parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    hideEffects(dialog);
    // The dialog lists the faces the machine has: it opens on the one drawn for the
    // zone's font, which a label's "Arial" is not.
    QFont opening = LabelFonts::font(initial.name, initial.size, initial.bold, initial.italic);
    opening.setFamily(LabelFonts::drawnFamily(initial.name));
    dialog.setCurrentFont(opening);
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return keptUnlessChanged(initial, shown, dialog.selectedFont());
}

std::optional<ColorValue> QtDialogBackend::chooseColor(ColorValue initial, QWidget *parent)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return toColorValue(chosen);
}

std::optional<QString>
QtDialogBackend::choosePrinter(const CMDialog1 &, const QString &currentPrinter, QWidget *parent)
{
    PrinterSetupDialog dialog(Printer::installedPrinters(), currentPrinter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedPrinter();
}

void QtDialogBackend::showHelp(const CMDialog1 &dialog, QWidget *)
{
    // The help window is a window of its own, which stays open beside the program's.
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow;
        m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_helpWindow->load(dialog.HelpFile);
    if (dialog.HelpCommand == CMDialog1::HelpPartialKey)
        m_helpWindow->showSearch(dialog.HelpKey);
    else
        m_helpWindow->showContents();
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}
