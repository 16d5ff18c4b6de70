#pragma once

#include <QString>

namespace tv {

// The message of a launch that finds a test file missing: 0 configuration,
// 1 description, 2 picture. Shown with caption "Terravia: Brak pliku".
QString missingFileMessage(int which);
inline const QString kMissingFileCaption = QStringLiteral("Terravia: Brak pliku");

// The message of a chain whose files are incomplete, with its caption.
inline const QString kChainMissingText = QStringLiteral(
    "Nie możesz rozwiązać tego tesu ponieważ brakuje plków konfiguracyjnych tego tesu na Twoim dysku");
inline const QString kChainMissingCaption = QStringLiteral("Terravia-Brak plików...");

} // namespace tv
