#pragma once

#include "platform/Status.h"

#include "platform/System.h"

#include <QString>

// The two files of client-server mode. Net_konf.dat in the data directory
// holds the server's address; its presence is what makes the program a
// client at start. tvpass.dat holds the access password that the pupil must
// give to leave client-server mode; it lies in a system directory chosen by
// the kind of system (none for kind 0, the Winnt directory for kind 3, the
// Windows directory otherwise). An account with neither uses the lab's
// server= and password= of the system-wide settings file (files::systemSetting).
namespace tv::netfiles {

inline const QString kServerFile = QStringLiteral("Net_konf.dat");
inline const QString kPasswordFile = QStringLiteral("tvpass.dat");
// Written in the user's folder when a pupil leaves the lab's client-server
// mode with the password: his account then starts locally, the others not.
inline const QString kLocalChoiceFile = QStringLiteral("Tryb_lokalny.dat");

struct FirstLine {
    Status status;
    QString text; // the first line, empty when the file is empty
};

bool clientModeConfigured();
FirstLine readServerAddress();
Status writeServerAddress(const QString &address);

// Where the password file is written and read; empty for None.
QString passwordDir(PasswordPlace place);
// Nothing is read for None (an empty password). For WinntFolder the Windows
// directory stands in when the Winnt one has no file.
FirstLine readPassword(PasswordPlace place);
// Readable and writable by its owner only, from the moment it exists. Nothing
// is written for None.
Status writePassword(PasswordPlace place, const QString &password);

// Back to local mode: the password file (from the Winnt directory for
// WinntFolder, from the Windows directory otherwise) and Net_konf.dat, each
// only if it exists.
void removeClientConfiguration(PasswordPlace place);

} // namespace tv::netfiles
