#pragma once

#include <QString>

// What every picture command says of a file it cannot show, whatever the reason.
inline QString unsupportedPictureMessage()
{
    return QStringLiteral("Format d'image non supporté !");
}
