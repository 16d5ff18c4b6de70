#include "Grades.h"

#include <QHash>
#include <QStringList>

#include <vector>

namespace tv {
namespace {

struct Scale {
    const char *key;
    const char *label;
    const char *icon;
};

// The grade scale: main label and icon of each grade.
constexpr Scale kScale[] = {
    {"6", "Celujący (6)", "celujacy.ico"},
    {"5+", "Bardzo dobry plus (5+)", ""},
    {"5", "Bardzo dobry (5)", "bdb.ico"},
    {"5-", "Bardzo dobry minus (5-)", "bdb.ico"},
    {"4+", "Dobry plus (4+)", "bdb.ico"},
    {"4", "Dobry (4)", "bdb.ico"},
    {"4-", "Dobry minus (4-)", "bdb.ico"},
    {"3+", "Dostateczny plus (3+)", "dst.ico"},
    {"3", "Dostateczny (3)", "dst.ico"},
    {"3-", "Dostateczny minus (3-)", "dst.ico"},
    {"2+", "Mierny plus (2+)", "ndst.ico"},
    {"2", "Mierny (2)", "ndst.ico"},
    {"2=", "Mierny z dwoma (2=)", "ndst.ico"},
    {"2-", "Mierny minus (2-)", "ndst.ico"},
    {"1", "Niedostateczny (1)", "ndst.ico"},
};

// The cells that carry a label or icon of their own.
struct Note {
    const char *label;
    const char *icon;
};
const QHash<QString, Note> &notes()
{
    static const QHash<QString, Note> n = {
        {QStringLiteral("a"), {"Mierny (2)", "dst.ico"}},
        {QStringLiteral("b"), {"Dostateczny(3)", nullptr}},
        {QStringLiteral("c"), {"Mierny  (2)", "dst.ico"}},
        {QStringLiteral("d"), {"Mierny minus  (2-)", nullptr}},
    };
    return n;
}

// Each row: "g-g:grade" bands separated by ';'; a note letter follows the
// grade after a blank.
constexpr const char *kSingleRows[17] = {
    "0:1;1:5",
    "0:1;1:2;2:5",
    "0:1;1:2;2:3;3:5",
    "0-1:1;2:2;3:3;4:5",
    "0-1:1;2:2 a;3:3 b;4:4+;5:5",
    "0-2:1;3:2 c;4:3;5:4;6:5",
    "0-2:1;3:2- d;4:3-;5:3+;6:4;7:5",
    "0-1:1;2:2=;3:2;4:3;5:3-;6:3;7:5-;8:5",
    "0-3:1;4:2;5:3-;6:3+;7:4;8:4+;9:5",
    "0-4:1;5:2;6:3-;7:3+;8:4;9:5;10:6",
    "0-4:1;5:2-;6:2+;7-8:3;9:4+;10:5;11:6",
    "0-5:1;6:2;7-8:3;9:4-;10:4;11:5;12:6",
    "0-5:1;6-7:2;8:3-;9:3+;10:4;11:4+;12:5;13:6",
    "0-5:1;6:2-;7:2;8:3;9:3+;10:4-;11-12:4+;13:5;14:6",
    "0-5:1;6:2-;7:2+;8-9:3;10:3+;11:4-;12:4;13:4+;14:5;15:6",
    "0-6:1;7:2-;8-9:2;10:3;11:4-;12-13:4;14:4+;15:5;16:6",
    "0-7:1;8:2-;9-10:2;11:3-;12:3;13:3+;14:4;15:4+;16:5;17:6",
};

constexpr const char *kChainRows[7] = {
    "0-30:1;31-38:2;39-41:2+;42-49:3-;50-56:3;57-63:3+;64-70:4-;71-77:4;78-85:4+;86-92:5-;93-96:5;97:6",
    "0-32:1;33-36:2-;37-43:2;44-48:3-;49-54:3;55-60:3+;61-69:4-;70-79:4;80-84:4+;85-89:5;90-91:5+;92:6",
    // Chain 3 has 73 tasks: all of them right earns the 6 (the band 72-73
    // would leave it out of reach), one wrong the 5+.
    "0-15:1;16-19:2-;20-29:2;30-35:2+;36-40:3-;41-45:3;46-52:3+;53-57:4-;58-62:4;63-66:4+;67-71:5;72:5+;73-74:6",
    "0-19:1;20-24:2-;25-31:2;32-36:2+;37-43:3-;44-48:3;49-52:3+;53-57:4-;58-62:4;63-66:4+;67-73:5;74-76:5+;77:6",
    "0-11:1;12-14:2-;15-18:2;19-22:2+;23-26:3-;27-29:3;30:4-;31-33:4;34-37:4+;38-39:5;40:6",
    "0-20:1;21-30:2;31-33:2+;34-40:3-;41-46:3;47-49:3+;50-56:4-;57-59:4;60-61:4+;62:5-;63:5;64:6",
    "0-48:1;49-59:2-;60-65:2;66-73:3-;74-79:3;80-92:3+;93-99:4-;100-105:4;106-109:4+;110-116:5;117-119:5+;120:6",
};

struct Cell {
    QString key;
    QString note;
};

// The cell of a row for g good answers; an empty key when g is outside it.
Cell lookup(const char *row, int g)
{
    const QStringList bands = QString::fromLatin1(row).split(QLatin1Char(';'));
    for (const QString &band : bands) {
        const int colon = band.indexOf(QLatin1Char(':'));
        const QString range = band.left(colon);
        QString grade = band.mid(colon + 1);
        QString note;
        if (const int blank = grade.indexOf(QLatin1Char(' ')); blank >= 0) {
            note = grade.mid(blank + 1);
            grade = grade.left(blank);
        }
        const int dash = range.indexOf(QLatin1Char('-'));
        const int from = range.left(dash < 0 ? range.size() : dash).toInt();
        const int to = dash < 0 ? from : range.mid(dash + 1).toInt();
        if (g >= from && g <= to)
            return {grade, note};
    }
    return {};
}

const Scale *scaleOf(const QString &key)
{
    for (const Scale &s : kScale)
        if (key == QLatin1String(s.key))
            return &s;
    return nullptr;
}

} // namespace

Grade singleTestGrade(int markers, int good)
{
    if (markers < 1 || markers > 17 || good < 0 || good > markers)
        return {};
    const Cell cell = lookup(kSingleRows[markers - 1], good);
    const Scale *s = scaleOf(cell.key);
    if (!s)
        return {};
    Grade g{QString::fromUtf8(s->label), QString::fromLatin1(s->icon)};
    if (!cell.note.isEmpty()) {
        const Note n = notes().value(cell.note);
        g.label = QString::fromUtf8(n.label);
        if (n.icon)
            g.icon = QString::fromLatin1(n.icon);
    }
    return g;
}

QString chainGrade(int chain, int good)
{
    if (chain < 1 || chain > 7 || good < 0)
        return QString();
    const Cell cell = lookup(kChainRows[chain - 1], good);
    if (cell.key == QLatin1String("5+"))
        return chain == 2 || chain == 7 ? QStringLiteral("Bardzo dobry plus(5+)")
                                        : QStringLiteral("Bardzo dobry plus (5+)");
    const Scale *s = scaleOf(cell.key);
    return s ? QString::fromUtf8(s->label) : QString();
}

QString timeText(int seconds)
{
    return QStringLiteral("%1 min %2 sek").arg(seconds / 60).arg(seconds % 60);
}

} // namespace tv
