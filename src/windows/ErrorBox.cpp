#include "windows/ErrorBox.h"

#include "platform/widgets/MsgBox.h"

void showErrorBox(const QString &prompt)
{
    MsgBox(prompt, MsgBoxButtons::OKOnly, MsgBoxIcon::Critical, QStringLiteral("Erreur"));
}

QString unsupportedPictureMessage()
{
    return QStringLiteral("Format d'image non supporté !");
}
