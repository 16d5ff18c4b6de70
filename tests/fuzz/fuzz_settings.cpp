// konf.dat: five option lines and the registered users, read as at start-up,
// and written back as the settings dialog writes it.

#include "FuzzCheck.h"
#include "platform/LineFile.h"
#include "profile/Settings.h"

using namespace tv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = lines::split(fuzzBytes(data, size));
    const SettingsLoad load = parseSettings(lines);
    if (!load.status) {
        FUZZ_CHECK(load.errorLine == 1 || load.errorLine == 2 || load.errorLine == 5);
        FUZZ_CHECK(load.errorLine <= lines.size());
        // However long the bad line, the message stays readable.
        FUZZ_CHECK(load.status.message.size() < 250);
        FUZZ_CHECK(load.settings.users.isEmpty());
        return 0;
    }
    FUZZ_CHECK(load.settings.users.size() == qMax<qsizetype>(0, lines.size() - 5));
    FUZZ_CHECK(load.maximise.has_value() == !lines.isEmpty());

    // Written back with the values read, the file reads the same, but for a
    // CR inside a line, which is written as a blank.
    const Settings &s = load.settings;
    const QStringList written =
        settingsLines(QString::number(s.startMaximised), QString::number(s.startCreator), s.dropSound,
                      s.topGradeSound, QString::number(s.removePlacedNames), s.users);
    FUZZ_CHECK(written.size() == 5 + s.users.size());
    const QStringList reread = lines::split(lines::join(written));
    const SettingsLoad again = parseSettings(reread);
    FUZZ_CHECK(again.status.ok);
    FUZZ_CHECK(again.settings.users.size() == s.users.size());
    for (qsizetype i = 0; i < s.users.size(); ++i)
        FUZZ_CHECK(again.settings.users.at(i) == lines::withoutLineBreaks(s.users.at(i)));
    FUZZ_CHECK(again.settings.startMaximised == s.startMaximised);
    FUZZ_CHECK(again.settings.removePlacedNames == s.removePlacedNames);
    if (lines.size() >= 4)
        FUZZ_CHECK(again.settings.dropSound == lines::withoutLineBreaks(s.dropSound)
                   && again.settings.topGradeSound == lines::withoutLineBreaks(s.topGradeSound));
    return 0;
}
