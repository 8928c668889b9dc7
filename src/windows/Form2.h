#pragma once

#include "label/Module1.h"

#include <QDialog>
#include <array>

namespace PrintSettingsFile {
struct Layout;
}

class CMDialog1;
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
class Form2 : public QDialog
{
    Q_OBJECT

public:
    // Builds the window hidden and runs its load handling with the values of state.
    Form2(Module1 &state, CMDialog1 &commonDialog, QWidget *parent = nullptr);
    ~Form2() override;

    // Takes the window's distances and frame and cut-mark boxes and writes them to path;
    // false, with nothing changed, when the file cannot be written.
    bool SaveFileConfig(const QString &path);
    // Reads the settings file at path into the state and shows it; false, with nothing
    // changed, when it cannot be read as a whole.
    bool OpenFileCONF(const QString &path);

    // The ten position tiles become unavailable, or available again.
    void CacheLabel();
    void LabelVisible();

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
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Label_Click(int position);
    void Check3_Click(bool ticked);
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void Text7_Change();
    void VScroll1_Change(int value);
    void VScroll2_Change(int value);
    void VScroll3_Change(int value);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

private:
    // Layout (Form2_Layout.cpp).
    void buildWindow();
    QWidget *buildLeftColumn();
    QWidget *buildSheet();
    QWidget *buildRunPanel(QWidget *sheet);
    QWidget *buildNumberingPanel();
    void setTipTexts();
    void connectHandlers();

    // Chains (Form2.cpp).
    void Form_Load();
    void Form_Activate();
    void selectNumberingStyle();
    void showSingleLabelMode();
    void showCopyCount();
    void showSinglePositionCaption();
    void enablePrintForRun();
    void keepRunOnSheet();
    void showAutoIncrementPanels(bool shown);
    void copyCheckBoxes();
    void showStartLabelTip();

    // Settings files (Form2_Settings.cpp).
    void prepareSettingsDialog(const QString &title, int flags, bool cancelError);
    void showSettingsName(const QString &name);
    // Shows the distances in the boxes in the given number form, and the two switches.
    void showLayout(const PrintSettingsFile::Layout &layout, QString (*form)(double value));

    // The order of the distances in Module1::SheetSpacing.
    enum Spacing
    {
        LeftMargin,
        TopMargin,
        RowGap,
        ColumnGap
    };

    Module1 &m_state;
    CMDialog1 &m_commonDialog;

    QLabel *Label11 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Calibration = nullptr;
    QPushButton *Command7 = nullptr;

    std::array<SheetTile *, 10> m_tiles{}; // Label1 .. Label10
    KeyFilteredEdit *Text1 = nullptr;      // left margin
    KeyFilteredEdit *Text2 = nullptr;      // column gap
    KeyFilteredEdit *Text3 = nullptr;      // top margin
    KeyFilteredEdit *Text4 = nullptr;      // row gap

    QGroupBox *Frame3 = nullptr;
    KeyFilteredEdit *Text5 = nullptr; // copy count
    KeyFilteredEdit *Text6 = nullptr; // start position
    Spinner *VScroll1 = nullptr;
    Spinner *VScroll2 = nullptr;
    QCheckBox *Check3 = nullptr;

    QGroupBox *Frame5 = nullptr;
    KeyFilteredEdit *Text7 = nullptr; // first disk number
    Spinner *VScroll3 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
};
