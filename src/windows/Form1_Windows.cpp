// The main window's ways into the preview and the about box.
#include "windows/Form1.h"

#include "platform/SettingsStore.h"
#include "windows/Form3.h"
#include "windows/frmAbout.h"

void Form1::showPreview(QWidget *over)
{
    if (!CalculIMP())
        return;
    Form3 preview(m_state, m_zones, picture(), over);
    preview.exec();
}

void Form1::Mnu_Apercu_Click()
{
    showPreview(this);
}

void Form1::Mnu_APropos_Click()
{
    const SystemSettingsFile settings;
    frmAbout about(settings, MakerAddresses::ofBuild(), this);
    about.exec();
}
