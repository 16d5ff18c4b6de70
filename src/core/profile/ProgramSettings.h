#pragma once

#include "Settings.h"

#include <QObject>

namespace tv {

// The settings in force while the program runs: read from konf.dat once at
// start-up, changed afterwards only by the settings dialog (users and the
// remove-placed-names option) and the users list (users).
class ProgramSettings : public QObject {
    Q_OBJECT

public:
    explicit ProgramSettings(QObject *parent = nullptr) : QObject(parent) {}

    // Reads konf.dat (or takes the defaults) and puts it in force.
    SettingsLoad loadAtStart(const QString &dataDir);

    const Settings &current() const { return values; }
    void replace(const Settings &settings);

    const QStringList &users() const { return values.users; }
    void setUsers(const QStringList &users);
    void setRemovePlacedNames(int value) { values.removePlacedNames = value; }

    bool removePlacedNames() const { return Settings::on(values.removePlacedNames); }
    bool startCreator() const { return Settings::on(values.startCreator); }
    // Maximised unless konf.dat's first line chose a normal window.
    bool startMaximised() const { return maximised; }

signals:
    void usersChanged(const QStringList &users);

private:
    Settings values;
    bool maximised = true;
};

} // namespace tv
