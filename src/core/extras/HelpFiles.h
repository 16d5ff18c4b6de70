#pragma once

#include <QString>

// The program's help and the pages about its authors, beside the executable.
namespace tv::help {

// The compiled help for Windows, built from the HTML pages.
inline const QString kChm = QStringLiteral("Pocz.chm");
// The HTML pages: a folder of the data directory and its first page.
inline const QString kFolder = QStringLiteral("Pomoc");
inline const QString kIndex = QStringLiteral("index.html");
inline const QString kAuthors = QStringLiteral("autorzy.html");

// A page of the HTML help, or empty when the page is missing.
QString page(const QString &dataDir, const QString &name);

// The help document the desktop can show: on Windows the compiled Pocz.chm,
// or the HTML pages when it is missing; elsewhere, where no CHM viewer comes
// with the system, the HTML pages, or Pocz.chm for a desktop that has
// one. Empty when there is no help at all.
QString document(const QString &dataDir, bool windows);

} // namespace tv::help
