#pragma once

#include "profile/Skins.h"

#include <QColor>
#include <QPalette>
#include <QPixmap>

namespace tv {

// What a skin changes in the main window and the test window: the palette,
// the picture behind the main window, the picture behind the test window's
// panels, the colour of the test title and of the empty client area. Unset
// parts keep the standard look.
struct SkinLook {
    QPalette palette;
    QPixmap picture;
    QPixmap pictureSharper; // picture's twice-as-large companion, when the pack has one of that size
    QPixmap testPicture;
    QColor title;
    QColor area;
};

// The look of a skin, built over the standard palette; pictures are looked
// up in the data directory, and a missing one is left out.
SkinLook makeSkinLook(const skins::Skin &skin, const QPalette &standard, const QString &dataDir);

} // namespace tv
