#pragma once

#include "platform/Status.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tv {

// The program options and the registered users, as held in memory and in
// konf.dat. An option counts as on only when it equals 1.
struct Settings {
    int startMaximised = 0;
    int startCreator = 0;
    QString dropSound;
    QString topGradeSound;
    int removePlacedNames = 0;
    QStringList users;

    static bool on(int option) { return option == 1; }
    bool operator==(const Settings &o) const
    {
        return startMaximised == o.startMaximised && startCreator == o.startCreator && dropSound == o.dropSound
            && topGradeSound == o.topGradeSound && removePlacedNames == o.removePlacedNames && users == o.users;
    }
};

inline const QString kSettingsFile = QStringLiteral("konf.dat");

// What start-up takes from konf.dat.
struct SettingsLoad {
    Settings settings;
    bool fileMissing = false;
    // Set when line 1 was read: maximised exactly when it is "1". Unset when
    // the file lacks the line, so the window keeps its designed state.
    std::optional<bool> maximise;
    // A line 1, 2 or 5 that is not a decimal integer stops the reading there;
    // what came before stays in force.
    Status status;
    int errorLine = 0;
};

// Parses a decimal integer the way the settings and test files hold them:
// optional blanks before, an optional sign, digits, nothing after.
std::optional<int> parseDecimal(const QString &text);

// The settings when konf.dat is missing: options 1, 2 and 5 on; the two
// sounds are the bundled WAVs of the data directory when they exist.
Settings defaultSettings(const QString &dataDir);

SettingsLoad parseSettings(const QStringList &lines, const QString &fileName = kSettingsFile);
SettingsLoad loadSettings(const QString &dataDir);

// The five option lines followed by the users, as konf.dat holds them: a
// line break inside a text (a name pasted with one, a sound path) becomes a
// blank, or the text would come back as two lines and shift every line after
// it.
QStringList settingsLines(const QString &line1, const QString &line2, const QString &dropSound,
                          const QString &topGradeSound, const QString &line5, const QStringList &users);

// Replaces konf.dat as a whole, holding its lock, each text on one line as
// above; a failed write keeps the old file.
Status saveSettingsLines(const QString &dataDir, const QStringList &lines);

} // namespace tv
