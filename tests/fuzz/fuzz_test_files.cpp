// A map test's two files: the configuration (marker count and positions)
// and the description (names with their answer numbers), read as the test
// window reads them and then played through: every name dropped on its own
// marker, then judged.

#include "FuzzCheck.h"
#include "platform/LineFile.h"
#include "quiz/MapTest.h"
#include "quiz/TestFiles.h"

using namespace tv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The configuration, a NUL byte, the description.
    const QByteArray bytes = fuzzBytes(data, size);
    const qsizetype nul = bytes.indexOf('\0');
    const QStringList configurationLines = lines::split(nul < 0 ? bytes : bytes.left(nul));
    const QStringList descriptionLines = lines::split(nul < 0 ? QByteArray() : bytes.mid(nul + 1));

    const ConfigurationRead conf = parseConfiguration(configurationLines, QStringLiteral("XX.dat"));
    FUZZ_CHECK(conf.config.pairs >= 0 && conf.config.pairs <= kMaxMarkers);
    if (!conf.status) {
        FUZZ_CHECK(conf.errorLine >= 1 && conf.errorLine <= configurationLines.size());
        // However long the bad line, the message stays readable.
        FUZZ_CHECK(conf.status.message.size() < 200);
        return 0;
    }
    if (!markerCountValid(conf.config.count)) {
        FUZZ_CHECK(markerCountMessage(QStringLiteral("XX.dat"), conf.config.count).size() < 200);
        return 0;
    }

    const QStringList description = parseDescription(descriptionLines);
    FUZZ_CHECK(description.size() <= kMaxMarkers);
    for (const QString &line : description) {
        const auto number = answerNumber(line);
        FUZZ_CHECK(!number || (*number >= -9 && *number <= 99));
        FUZZ_CHECK(answerName(line).size() <= line.size());
    }

    MapTest test;
    const int n = conf.config.count;
    test.start(n, description);
    const QStringList names = test.names();
    for (int k = 1; k <= n; ++k)
        test.drop(k, k, names.value(k - 1), {true});
    test.undo();
    const MapTest::Judgement j = test.judge();
    if (j.ok)
        FUZZ_CHECK(j.good + j.bad == n);
    else
        FUZZ_CHECK(j.badLine.size() <= 1 << 20);
    return 0;
}
