// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/ProgramState.h"
#include "label/SmallFile.h"

#include <QDialog>
#include <array>

namespace PrintSettingsFile {
struct Layout;
}

class CommonDialog;
struct FileRequest;
class KeyFilteredEdit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class SheetTile;
class Spinner;

// The print settings window, shown by the print command just before it prints: one
// chosen sheet position or a run of identical labels with its size, start and the
// numbering of text 3; the margins and gaps of the sheet, frame and cut marks; the
// settings files. It keeps nothing of its own: every choice goes at once into the shared
// state, and each time it is built it starts again from there.
class PrintSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // Builds the window hidden and runs its load handling with the values of state.
    PrintSettingsDialog(ProgramState &state, CommonDialog &commonDialog, QWidget *parent = nullptr);
    ~PrintSettingsDialog() override;

    // Takes the window's distances and frame and cut-mark boxes and writes them to path;
    // refused with its reason, and nothing changed, when the file cannot be written.
    SmallFile::WriteResult saveSettingsFile(const QString &path);
    // Reads the settings file at path into the state and shows it; false, with nothing
    // changed, when it cannot be read as a whole.
    bool openSettingsFile(const QString &path);

    // Whether the window was left with "&Annuler" (or Escape), which alone stops the print
    // command: left through its frame, the command goes on to its confirmation.
    bool wasCancelled() const { return m_cancelled; }

    // The ten position tiles become unavailable, or available again.
    void hidePositionTiles();
    void showPositionTiles();

signals:
    // "Aperçu": the shared flags hold the three check boxes; show the preview over this window.
    void previewRequested();
    // "Configurer l'imprimante": the program's printer set-up dialog.
    void printerSetupRequested();
    // The calibration page, printed at the distances the window shows.
    void calibrationRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void chooseSingleLabel();
    void chooseRun();
    void chooseNumberStyle();
    void chooseNumberOfTotalStyle();
    void choosePosition(int position);
    void onAutoNumberingToggled(bool ticked);
    void onLeftMarginEdited();
    void onColumnGapEdited();
    void onTopMarginEdited();
    void onRowGapEdited();
    void onCopyCountEdited();
    void onStartPositionEdited();
    void onFirstDiskNumberEdited();
    void onCopyCountStepped(int value);
    void onStartPositionStepped(int value);
    void onFirstDiskNumberStepped(int value);
    void printLabels();
    void cancel();
    void restoreDefaultSettings();
    void saveSettings();
    void loadSettings();
    void printerSetup();
    void preview();

private:
    // Layout (PrintSettingsDialogLayout.cpp).
    void buildWindow();
    QWidget *buildLeftColumn();
    QWidget *buildSheet();
    QWidget *buildRunPanel(QWidget *sheet);
    QWidget *buildNumberingPanel();
    void setTipTexts();
    void connectHandlers();
    void orderFocus();

    // Chains (PrintSettingsDialog.cpp).
    void loadWindow();
    void onActivated();
    void selectNumberingStyle();
    void showSingleLabelMode();
    void showCopyCount();
    void showSinglePositionCaption();
    void enablePrintForRun();
    void keepRunOnSheet();
    void showAutoIncrementPanels(bool shown);
    void copyCheckBoxes();
    void showStartLabelTip();

    // Settings files (PrintSettingsDialogFiles.cpp).
    // What the load and save dialogs share.
    static FileRequest settingsFileRequest(const QString &title, const QString &proposedName);
    void showSettingsName(const QString &name);
    // Shows the distances in the boxes in the given number form, and the two switches.
    void showLayout(const PrintSettingsFile::Layout &layout, QString (*form)(double value));

    // The order of the distances in ProgramState::SheetSpacing.
    enum Spacing
    {
        LeftMargin,
        TopMargin,
        RowGap,
        ColumnGap
    };

    ProgramState &m_state;
    CommonDialog &m_commonDialog;
    bool m_cancelled = false;

    QLabel *m_chooseTileHint = nullptr;
    QRadioButton *m_singleLabelOption = nullptr;
    QRadioButton *m_runOption = nullptr;
    QCheckBox *m_frameCheck = nullptr;
    QCheckBox *m_cutOutlineCheck = nullptr;
    QPushButton *m_printLabelsButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_defaultSettingsButton = nullptr;
    QPushButton *m_saveSettingsButton = nullptr;
    QPushButton *m_loadSettingsButton = nullptr;
    QPushButton *m_printerSetupButton = nullptr;
    QPushButton *m_calibrationButton = nullptr;
    QPushButton *m_labelPreviewButton = nullptr;

    std::array<SheetTile *, 10> m_tiles{};       // positions 1 to 10
    KeyFilteredEdit *m_leftMarginEdit = nullptr; // left margin
    KeyFilteredEdit *m_columnGapEdit = nullptr;  // column gap
    KeyFilteredEdit *m_topMarginEdit = nullptr;  // top margin
    KeyFilteredEdit *m_rowGapEdit = nullptr;     // row gap

    QGroupBox *m_runGroup = nullptr;
    KeyFilteredEdit *m_copyCountEdit = nullptr;     // copy count
    KeyFilteredEdit *m_startPositionEdit = nullptr; // start position
    Spinner *m_copyCountSpinner = nullptr;
    Spinner *m_startPositionSpinner = nullptr;
    QCheckBox *m_autoNumberingCheck = nullptr;

    QGroupBox *m_numberingGroup = nullptr;
    KeyFilteredEdit *m_firstDiskNumberEdit = nullptr; // first disk number
    Spinner *m_firstDiskNumberSpinner = nullptr;
    QGroupBox *m_numberStyleGroup = nullptr;
    QRadioButton *m_numberStyleOption = nullptr;
    QRadioButton *m_numberOfTotalStyleOption = nullptr;
};
