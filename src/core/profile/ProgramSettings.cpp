#include "ProgramSettings.h"

#include "platform/Files.h"

namespace tv {

namespace {

QString optionLine(int option)
{
    return Settings::on(option) ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

SettingsLoad ProgramSettings::loadAtStart(const QString &dataDir)
{
    SettingsLoad load = loadSettings(dataDir);
    if (load.maximise)
        maximised = *load.maximise;
    replace(load.settings);
    stored = load.settings;
    return load;
}

void ProgramSettings::loadViewOptions(const QString &dir)
{
    const bool before = view.fitMap;
    view = tv::loadViewOptions(dir);
    if (view.fitMap != before)
        emit fitMapChanged(view.fitMap);
}

Status ProgramSettings::setFitMap(const QString &dir, bool on)
{
    if (view.fitMap != on) {
        view.fitMap = on;
        emit fitMapChanged(on);
    }
    return saveViewOptions(dir, view);
}

void ProgramSettings::replace(const Settings &settings)
{
    const bool usersDiffer = settings.users != values.users;
    values = settings;
    if (usersDiffer)
        emit usersChanged(values.users);
}

void ProgramSettings::setUsers(const QStringList &users)
{
    if (users == values.users)
        return;
    values.users = users;
    emit usersChanged(values.users);
}

Status ProgramSettings::write(const QString &dataDir, const QStringList &lines)
{
    const Status saved = saveSettingsLines(dataDir, lines);
    if (saved)
        stored = parseSettings(lines).settings; // as the file now reads
    return saved;
}

Status ProgramSettings::saveChoices(const QString &dataDir, const Settings &choices)
{
    const Status saved = write(dataDir, settingsLines(optionLine(choices.startMaximised),
                                                      optionLine(choices.startCreator), choices.dropSound,
                                                      choices.topGradeSound, optionLine(choices.removePlacedNames),
                                                      choices.users));
    if (!saved)
        return saved;
    values.removePlacedNames = stored.removePlacedNames;
    setUsers(choices.users);
    return saved;
}

Status ProgramSettings::saveUsers(const QString &dataDir, const QStringList &users)
{
    const auto sound = [&](const QString &path, const QString &bundled) {
        if (path.isEmpty() && !files::exists(dataDir, bundled))
            return QStringLiteral("Brak dźwięku");
        return path;
    };
    const Status saved = write(dataDir, settingsLines(optionLine(stored.startMaximised),
                                                      optionLine(stored.startCreator),
                                                      sound(stored.dropSound, QStringLiteral("Ups.wav")),
                                                      sound(stored.topGradeSound, QStringLiteral("Cel.wav")),
                                                      QString::number(stored.removePlacedNames), users));
    if (saved)
        setUsers(users);
    return saved;
}

} // namespace tv
