#pragma once

#include <QString>

class QWidget;

namespace tv {

// The program's help, opened with the desktop: Pocz.chm on Windows, the HTML
// pages elsewhere. The two spellings of the message when there is no help
// at all are both the program's own.
inline const QString kNoHelp = QStringLiteral("BŁĄD: Nie mogę odszukać programu Pomocy na Twoim dysku");
inline const QString kNoHelpLegend = QStringLiteral("BŁĄD: Nie mogę odszukać programu Pomocy na Twoin dysku");

// Opens the help, or shows missingMessage; false when there was none.
bool openHelp(QWidget *parent, const QString &missingMessage = kNoHelp);

} // namespace tv
