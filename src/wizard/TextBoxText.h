#pragma once

#include <QString>

// The album keeps line breaks as CR LF, the way its pages write them; the
// text boxes and labels work with bare LF.
QString toBoxText(const QString& albumText);
QString toAlbumText(const QString& boxText);
