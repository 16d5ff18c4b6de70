#pragma once

#include "platform/Status.h"

#include <QString>

namespace tv::teacher {

// The teacher's own settings, kept in Nauczyciel.dat in the teacher's folder
// (Windows-1250, CR LF): the access password the pupils' computers receive
// with the server's address, then "1" when pupils who come late may still
// log in while a test runs ("0" otherwise).
struct TeacherSettings {
    QString password;
    bool admitLateComers = false;
};

inline const QString kSettingsFile = QStringLiteral("Nauczyciel.dat");

// The teacher's files: settings and the class's results file.
QString defaultTeacherDir();

struct SettingsLoad {
    Status status;
    TeacherSettings settings;
    bool created = false; // the first start: a password was made up and stored
};

// Reads the settings; when the file is missing or holds no usable password,
// a new password is generated and the settings are written at once, so the
// pupils' computers keep the same password from one lesson to the next.
SettingsLoad loadOrCreate(const QString &dir);
Status save(const QString &dir, const TeacherSettings &settings);

// Eight letters and digits that cannot be mistaken for one another when read
// aloud or copied from the board (no 0/O, 1/l/I).
QString generatePassword();

// Why a password cannot be used, in Polish; empty when it can. The pupil's
// program stores it on one line and the UDP answer carries it as text, so it
// must be one line of Windows-1250 characters.
QString passwordProblem(const QString &password);

} // namespace tv::teacher
