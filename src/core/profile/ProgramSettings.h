#pragma once

#include "Settings.h"
#include "ViewOptions.h"

#include <QObject>

namespace tv {

// The settings of the running program, in two forms kept apart:
// - in force: read from konf.dat once at start-up; afterwards only the users
//   and the remove-placed-names option change, the window size, the creator
//   choice and the sounds wait for the next start;
// - saved: what konf.dat holds, as read at start-up and as last written.
// Every rewrite of konf.dat starts from the saved values, so a choice saved
// in the settings dialog survives until it is changed again, whichever
// window writes the file next.
class ProgramSettings : public QObject {
    Q_OBJECT

public:
    explicit ProgramSettings(QObject *parent = nullptr) : QObject(parent) {}

    // Reads konf.dat (or takes the defaults) and puts it in force.
    SettingsLoad loadAtStart(const QString &dataDir);

    const Settings &current() const { return values; }
    const Settings &saved() const { return stored; }
    // Replaces the settings in force (not what is saved).
    void replace(const Settings &settings);

    const QStringList &users() const { return values.users; }
    void setUsers(const QStringList &users);

    // The settings dialog's "Zastosuj": writes konf.dat from the choices
    // ("1" for an option equal to 1, else "0"; the sounds as given), which
    // become the saved values; the users and the remove-placed-names option
    // take effect at once. A failed write changes nothing.
    Status saveChoices(const QString &dataDir, const Settings &choices);
    // The users list window: writes konf.dat with the saved options and
    // these users, and puts the users in force. An empty saved sound is
    // written "Brak dźwięku" unless the bundled WAV of the data directory
    // would stand for it.
    Status saveUsers(const QString &dataDir, const QStringList &users);

    bool removePlacedNames() const { return Settings::on(values.removePlacedNames); }
    bool startCreator() const { return Settings::on(values.startCreator); }
    // Maximised unless konf.dat's first line chose a normal window.
    bool startMaximised() const { return maximised; }

    // "Dopasuj mapę do okna": in force at once in every open map window,
    // and kept for this user (not in konf.dat). A failed write keeps the
    // choice for this run.
    bool fitMap() const { return view.fitMap; }
    void loadViewOptions(const QString &dir);
    Status setFitMap(const QString &dir, bool on);

signals:
    void usersChanged(const QStringList &users);
    void fitMapChanged(bool on);

private:
    Status write(const QString &dataDir, const QStringList &lines);

    Settings values;
    Settings stored;
    bool maximised = true;
    ViewOptions view;
};

} // namespace tv
