// The line reader: Windows-1250 bytes split into lines, written back, and
// the completion of an unfinished end before lines are appended.

#include "FuzzCheck.h"
#include "platform/LineFile.h"

#include <QStringList>

using namespace tv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QStringList lines = lines::split(bytes);

    // Written back and read again, the lines are the same.
    FUZZ_CHECK(lines::split(lines::join(lines)) == lines);

    // The append point, fed in two pieces, counts the lines as split does.
    lines::AppendPoint point;
    const qsizetype cut = size ? static_cast<qsizetype>(data[0] % (size + 1)) : 0;
    point.feed(bytes.left(cut));
    point.feed(bytes.mid(cut));
    FUZZ_CHECK(point.lineCount() == lines.size());

    // Lines appended after the completion start a new line, or a new group
    // of seven, and everything before reads as it did.
    for (const int group : {1, 7}) {
        const QByteArray completion = point.completion(group);
        const QStringList after = lines::split(bytes + completion + "Nowy\r\n");
        QStringList expected = lines;
        while (expected.size() % group != 0)
            expected.append(QString());
        expected.append(QStringLiteral("Nowy"));
        FUZZ_CHECK(after == expected);
    }

    // A line quoted in a message is short, and its beginning.
    for (const QString &line : lines) {
        const QString shown = lines::excerpt(line);
        FUZZ_CHECK(shown.size() <= 61);
        FUZZ_CHECK(shown == line || (shown.endsWith(QChar(0x2026)) && line.startsWith(shown.chopped(1))));
    }
    return 0;
}
