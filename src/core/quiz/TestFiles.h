#pragma once

#include "platform/Status.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tv {

// A map test holds at most this many markers and names.
constexpr int kMaxMarkers = 17;

// The configuration file (XX.dat): marker count, then X and Y of each marker.
struct Configuration {
    int count = 0;
    std::array<QPoint, kMaxMarkers> positions{}; // top-left corners in picture pixels
    int pairs = 0;                               // coordinate pairs read (at most 17 are kept)
    QString pictureLine;                         // line 2: read and not used
};

struct ConfigurationRead {
    Status status;
    int errorLine = 0; // the line that is not an integer
    Configuration config;
};

// Reads the lines of a configuration file. Every value must be a decimal
// integer; the first line that is not stops the reading with a message
// naming the file and the line. Pairs beyond 17 are ignored.
ConfigurationRead parseConfiguration(const QStringList &lines, const QString &fileName);

// A marker count the window can lay out.
bool markerCountValid(int count);
QString markerCountMessage(const QString &fileName, int count);

// The description file (XX_o.dat): one answer per line, the name followed by
// two digits, 10 + the marker the name belongs to. At most 17 lines are kept.
QStringList parseDescription(const QStringList &lines);

// The name of a description line: everything before its last two characters.
QString answerName(const QString &line);
// The answer number of a line: its last two characters as a decimal integer.
std::optional<int> answerNumber(const QString &line);

// The name that belongs on `marker`: that of the first of the `count` used
// lines numbered 10 + marker; empty when none is.
QString rightName(const QStringList &description, int count, int marker);

// The text of a message about a line that is not an integer.
QString notIntegerMessage(const QString &fileName, int line, const QString &text);

} // namespace tv
