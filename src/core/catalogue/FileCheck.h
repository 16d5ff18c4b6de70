#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tv::filecheck {

// One test that the check window looks at: its title as the check window
// writes it (not always the catalogue's) and the catalogue entry it checks.
struct CheckedTest {
    QString title;
    int code;
};

// The 49 checked tests, in the check window's order.
const std::vector<CheckedTest> &checkedTests();

// The report lines for every missing file, in list order and, per test,
// configuration (K1), description (K2), picture (Z1; Z2 for entry 17).
QStringList report(const QString &dataDir);
inline const QString kAllPresent = QStringLiteral("Masz wszystkie pliki konfiguracyjne testów!");

// The entries (1-based, in the check list) whose files a chain needs.
std::vector<int> chainEntries(int chain);

// The chain check: true when every file of every test of the chain exists.
bool chainFilesPresent(int chain, const QString &dataDir);

} // namespace tv::filecheck
