#include "ProgramSettings.h"

namespace tv {

SettingsLoad ProgramSettings::loadAtStart(const QString &dataDir)
{
    SettingsLoad load = loadSettings(dataDir);
    if (load.maximise)
        maximised = *load.maximise;
    replace(load.settings);
    return load;
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

} // namespace tv
