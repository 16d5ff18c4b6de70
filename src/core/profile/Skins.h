#pragma once

#include "platform/Status.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// The skin choice: Skins.dat holds the index of the chosen skin; no file
// means the standard look of the system. Each numbered skin is described by
// a .skn file beside the executable.
namespace tv::skins {

inline const QString kChoiceFile = QStringLiteral("Skins.dat");
constexpr int kCount = 8; // the standard look and seven skins

// "STANDARDOWY WINDOWS", "SKÓRA NR 1" … "SKÓRA NR 7"
QString entryText(int index);
// The preview picture of an entry: none for the standard look; "s1.jpg" …
// "s4.jpg" for skins 1 to 4, then "s6.jpg" … "s8.jpg": there is no "s5.jpg".
QString previewFile(int index);
// The description of a numbered skin: "skora1.skn" … "skora7.skn".
QString skinFile(int index);

// The skin Skins.dat chooses: 1 … 7; nothing when the file is missing or
// does not hold one of those numbers (the tool bar is still drawn
// transparent whenever the file exists).
std::optional<int> readChoice(const QString &dataDir);
// Index 1 … 7: creates or truncates Skins.dat with the index. Index 0
// deletes Skins.dat when it exists and leaves the disk alone otherwise.
Status writeChoice(const QString &dataDir, int index);

// A skin as its .skn file describes it. Colours are "#rrggbb"; an empty
// colour or picture leaves the standard one in place.
//
// Format: Windows-1250 text, one "key = value" per line; blank lines and
// lines starting with "#" are comments. Keys:
//   nazwa                the skin's name
//   okno, tekst          window background and text
//   pole, tekst_pola     entry fields and lists, and their text
//   przycisk, tekst_przycisku
//   wyroznienie, tekst_wyroznienia   selection
//   tytul                the test title in the main window's title strip
//   obszar               the main window's client area around child windows
//   obraz                picture behind the main window (data directory)
//   obraz_testu          picture behind the test window's panels
struct Skin {
    QString name;
    QMap<QString, QString> colours; // key → "#rrggbb"
    QString picture;
    QString testPicture;

    QString colour(const QString &key) const { return colours.value(key); }
};

// The colour keys, in the order above.
const QStringList &colourKeys();

struct SkinLoad {
    Skin skin;
    Status status; // names the file and the line of the first fault
};
SkinLoad parseSkin(const QByteArray &bytes, const QString &fileName);
SkinLoad loadSkin(const QString &dataDir, int index);

} // namespace tv::skins
