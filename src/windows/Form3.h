#pragma once

#include "label/Module1.h"
#include "label/TextZone.h"
#include "platform/Picture.h"

#include <QDialog>
#include <array>

class PictureBox;
class PreviewPanel;
class PreviewZone;
class QPushButton;

// The print preview: one label as the current document and print settings will print it,
// on a white panel, with the frame and the cut outline when the settings ask for them and
// zone 3 numbered as the first label of a run would be. It only reads the shared state.
class Form3 : public QDialog
{
    Q_OBJECT

public:
    // zones and icon are the main window's; the zones' line arrays in state must have
    // just been filled from them.
    Form3(const Module1 &state, const LabelZones &zones, const Picture &icon,
          QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void Command1_Click();

private:
    void Form_Load();
    void Form_Activate();
    void showZone(int zone, const QString &text);

    const Module1 &m_state;
    const LabelZones m_zones;
    const Picture m_icon;

    PreviewPanel *Picture1 = nullptr;
    std::array<PreviewZone *, 3> m_zoneBoxes{}; // Label1, Label2, Label3
    PictureBox *Picture2 = nullptr;
    QPushButton *Command1 = nullptr;
};
