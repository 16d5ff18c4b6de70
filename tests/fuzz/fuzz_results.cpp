// The results file: records of seven lines, written back, sorted, turned into
// the report, and appended to whatever the file ends with.

#include "FuzzCheck.h"
#include "platform/LineFile.h"
#include "results/ResultsFile.h"

#include <algorithm>

using namespace tv;
using namespace tv::results;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const Records records = parseRecords(bytes);

    // Seven lines a record: never more records than a seventh of the lines,
    // rounded up.
    const qsizetype lineCount = lines::split(bytes).size();
    FUZZ_CHECK(static_cast<qsizetype>(records.size()) == (lineCount + 6) / 7);

    // Written back, the records read the same.
    FUZZ_CHECK(parseRecords(recordBytes(records)) == records);

    // Every column sorts to a permutation in ascending order.
    for (int column = 0; column < ColumnCount; ++column) {
        const std::vector<int> order = sortOrder(records, column);
        FUZZ_CHECK(order.size() == records.size());
        std::vector<int> seen = order;
        std::sort(seen.begin(), seen.end());
        for (size_t i = 0; i < seen.size(); ++i)
            FUZZ_CHECK(seen[i] == static_cast<int>(i));
        for (size_t i = 1; i < order.size(); ++i)
            FUZZ_CHECK(compareText(field(records[order[i - 1]], column), field(records[order[i]], column)) <= 0);
    }
    for (const ResultRecord &r : records)
        gradePicture(r.grade);
    FUZZ_CHECK(report(records).size() == 3 + 8 * static_cast<qsizetype>(records.size()));

    // A record appended after the completion of the file's end is read
    // whole, after the records that were there.
    lines::AppendPoint point;
    point.feed(bytes);
    const ResultRecord added{QStringLiteral("Uczeń"), QStringLiteral("Test: Polska - Województwa"),
                             QStringLiteral("1 min 5 sek"), QStringLiteral("16"), QStringLiteral("16"),
                             QStringLiteral("0"), QStringLiteral("Celujący (6)")};
    const Records after = parseRecords(bytes + point.completion(7) + recordBytes({added}));
    FUZZ_CHECK(after.size() == records.size() + 1);
    FUZZ_CHECK(after.back() == added);
    // And the records before it read as they did.
    FUZZ_CHECK(std::equal(records.begin(), records.end(), after.begin()));
    return 0;
}
