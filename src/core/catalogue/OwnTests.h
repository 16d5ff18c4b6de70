#pragma once

#include "platform/Status.h"
#include "quiz/MarkerRules.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

// The tests a teacher makes himself. Each is a test like the pack's: a
// configuration file, a description file and a JPEG, named after a short
// code, in the "Moje testy" folder. The configuration file's second line,
// which the test reader skips, carries the test's title, so the three files
// are the whole test and can be copied to another computer as they are.
namespace tv::owntests {

// A marker covers this box from its top-left corner, as on the test map.
constexpr int kBoxWidth = markers::kWidth;
constexpr int kBoxHeight = markers::kHeight;
// The width a name may take in the marker font: the box less its frame and
// the room the judgement mark needs once the test is judged.
constexpr int kNameRoom = 112;
// The largest picture a test can have. Larger ones would have the map
// window scroll over several screens, and decode slowly on school machines.
constexpr int kMaxPictureWidth = 4000;
constexpr int kMaxPictureHeight = 3000;

inline const QString kFolderName = QStringLiteral("Moje testy");
// How a test of one's own is named in the title strip and in the results.
inline const QString kTitlePrefix = QStringLiteral("Test: Moje - ");

struct Marker {
    QPoint position; // top-left corner, in pixels of the picture
    QString name;
};

struct OwnTest {
    QString code;
    QString title;
    QList<Marker> markers; // in their order: marker K answers to 10 + K
};

// The folder of the user's own tests: "mytests=" of the system-wide settings
// file when an administrator points every account to a shared folder, else
// "Moje testy" in the user's folder.
QString folder();

QString configurationFile(const QString &code);
QString descriptionFile(const QString &code);
QString pictureFile(const QString &code);

// A short code for a new test: the first letters of the title's words
// (letters with diacritics as their plain letter, upper case), at most six,
// "T" when the title gives none, and a number added when the code is taken
// (compared without regard to case, as file names are found).
QString deriveCode(const QString &title, const QStringList &taken);

struct Listed {
    QString code;
    QString title;
};

// The tests in the folder whose three files are present, by title in the
// Polish order. A test whose title line is empty is listed by its code.
QList<Listed> list(const QString &folder);
QStringList codes(const QString &folder);
// The titles the results carry for these tests ("Test: Moje - " + title),
// in the same order: the results filter offers them after the pack's.
QStringList resultTitles(const QString &folder);

struct ReadBack {
    Status status;
    OwnTest test;
};

// The test as the editor shows it, from the lines of its two files. A line
// that is not a number, a marker count outside 1 … 17, a marker without its
// place or without its name, or a description line that names no marker,
// fails with a message naming the file and the line.
ReadBack parse(const QString &code, const QStringList &configuration, const QStringList &description);
ReadBack read(const QString &folder, const QString &code);

QStringList configurationLines(const OwnTest &test);
QStringList descriptionLines(const OwnTest &test);

// The width of a text in the marker font; the windows know the font.
using TextWidth = std::function<int(const QString &)>;

// What keeps the test from being saved, each as a message for the teacher;
// empty when it can be saved.
QStringList problems(const OwnTest &test, QSize picture, const TextWidth &width);

// A picture a test can use: refused above the largest size, with a message
// that says it.
Status checkPictureSize(QSize size);

// Writes the three files (the picture as given, already JPEG). The checks
// come first: nothing is written when one fails.
Status save(const QString &folder, const OwnTest &test, const QByteArray &jpeg, QSize picture,
            const TextWidth &width);

// Copies one test's three files into another folder.
Status exportTest(const QString &folder, const QString &code, const QString &destination);

// Takes a test from another folder, given its configuration file. A test
// that does not read back is refused; replacing a test of the same code is
// asked first (false: nothing is copied).
using ConfirmReplace = std::function<bool(const QString &code, const QString &oldTitle)>;
struct Imported {
    Status status;
    QString code;
    bool cancelled = false;
};
Imported importTest(const QString &configurationPath, const QString &folder, const ConfirmReplace &confirm);

} // namespace tv::owntests
