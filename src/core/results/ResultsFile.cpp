#include "ResultsFile.h"

#include "platform/Cp1250.h"
#include "platform/FileLock.h"
#include "platform/LineFile.h"
#include "platform/Text.h"

#include <QDir>
#include <QFile>
#include <QHashFunctions>

#include <algorithm>
#include <numeric>

namespace tv::results {

Records parseRecords(const QByteArray &bytes)
{
    // One pass over the decoded text, without an intermediate list of lines:
    // a workstation's file may hold hundreds of thousands of records. Lines
    // end as lines::split ends them (LF, a CR right before it dropped, and a
    // CR at the very end taken for a CR LF cut short, as the appender does).
    const QString text = cp1250::decode(bytes);
    const QChar *const begin = text.constData();
    const qsizetype n = text.size();
    Records out;
    out.reserve(static_cast<size_t>(bytes.count('\n') / 7 + 1));
    qsizetype pos = 0;
    auto nextLine = [&]() -> QString {
        if (pos >= n)
            return QString();
        qsizetype lf = text.indexOf(QLatin1Char('\n'), pos);
        qsizetype end = lf < 0 ? n : lf;
        const qsizetype next = lf < 0 ? n : lf + 1;
        if (end > pos && begin[end - 1] == QLatin1Char('\r'))
            --end;
        QString line(begin + pos, end - pos);
        pos = next;
        return line;
    };
    while (pos < n) {
        ResultRecord r;
        r.user = nextLine();
        r.title = nextLine();
        r.time = nextLine();
        r.tasks = nextLine();
        r.good = nextLine();
        r.bad = nextLine();
        r.grade = nextLine();
        out.push_back(std::move(r));
    }
    return out;
}

Fingerprint fingerprintOf(const QByteArray &bytes)
{
    return {true, bytes.size(), qHash(bytes, 0)};
}

ReadRecords readRecords(QIODevice &device)
{
    ReadRecords r;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        r.status = Status::failure(device.errorString());
        return r;
    }
    const QByteArray bytes = device.readAll();
    r.fingerprint = fingerprintOf(bytes);
    r.records = parseRecords(bytes);
    return r;
}

namespace {

struct RawRead {
    Status status;
    bool missing = false;
    QByteArray bytes;
};

RawRead readRaw(const QString &path)
{
    RawRead r;
    QFile f(path);
    if (!f.exists()) {
        r.missing = true;
        r.status = Status::failure(lines::readError(path, QStringLiteral("Plik nie istnieje.")));
        return r;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        r.status = Status::failure(lines::readError(path, f.errorString()));
        return r;
    }
    r.bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        r.status = Status::failure(lines::readError(path, f.errorString()));
    return r;
}

} // namespace

ReadRecords readRecordsFile(const QString &path)
{
    ReadRecords r;
    RawRead raw = readRaw(path);
    r.status = raw.status;
    r.missing = raw.missing;
    if (!raw.status)
        return r;
    r.fingerprint = fingerprintOf(raw.bytes);
    r.records = parseRecords(raw.bytes);
    return r;
}

QByteArray recordBytes(const Records &records)
{
    // Gathered into one text and encoded once: far cheaper than encoding
    // seven small lines per record.
    qsizetype size = 0;
    for (const ResultRecord &r : records)
        size += r.user.size() + r.title.size() + r.time.size() + r.tasks.size() + r.good.size() + r.bad.size()
            + r.grade.size() + 14;
    QString text;
    text.reserve(size);
    const QLatin1String crlf("\r\n");
    for (const ResultRecord &r : records) {
        text += r.user;
        text += crlf;
        text += r.title;
        text += crlf;
        text += r.time;
        text += crlf;
        text += r.tasks;
        text += crlf;
        text += r.good;
        text += crlf;
        text += r.bad;
        text += crlf;
        text += r.grade;
        text += crlf;
    }
    return cp1250::encode(text);
}

Status writeRecordsFile(const QString &path, const Records &records)
{
    return lines::writeBytes(path, recordBytes(records));
}

Removal removeRecord(const QString &path, const Records &shown, std::optional<size_t> row,
                     const Fingerprint &readAs)
{
    Removal r;
    r.records = shown;
    const files::WriteLock lock(path);
    if (!lock) {
        r.status = lock.status();
        return r;
    }
    const RawRead now = readRaw(path);
    if (!now.status && !now.missing) {
        r.status = now.status;
        return r;
    }
    const Fingerprint current = now.missing ? Fingerprint{} : fingerprintOf(now.bytes);
    Records kept;
    if (current == readAs) {
        kept = shown;
        if (row && *row < kept.size())
            kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(*row));
        r.outcome = Removal::Outcome::Written;
    } else {
        kept = parseRecords(now.bytes);
        r.records = kept;
        r.fingerprint = current;
        if (!row || *row >= shown.size()) {
            r.outcome = Removal::Outcome::Unchanged;
            return r;
        }
        const auto found = std::find(kept.begin(), kept.end(), shown[*row]);
        if (found == kept.end()) {
            r.outcome = Removal::Outcome::RecordGone;
            return r;
        }
        kept.erase(found);
        r.outcome = Removal::Outcome::Merged;
    }
    const QByteArray bytes = recordBytes(kept);
    const Status written = lines::writeBytes(path, bytes);
    if (!written) {
        r.outcome = Removal::Outcome::Failed;
        r.status = written;
        return r;
    }
    r.records = std::move(kept);
    r.fingerprint = fingerprintOf(bytes);
    return r;
}

Status deleteResultsFile(const QString &path)
{
    const files::WriteLock lock(path);
    if (!lock)
        return lock.status();
    QFile f(path);
    if (!f.exists() || f.remove())
        return Status::success();
    return Status::failure(QStringLiteral("Nie można usunąć pliku %1:\r\n%2")
                               .arg(QDir::toNativeSeparators(path), f.errorString()));
}

const QString &field(const ResultRecord &record, int column)
{
    switch (column) {
    case ColumnTitle:
        return record.title;
    case ColumnTime:
        return record.time;
    case ColumnTasks:
        return record.tasks;
    case ColumnGood:
        return record.good;
    case ColumnBad:
        return record.bad;
    case ColumnGrade:
        return record.grade;
    default:
        return record.user;
    }
}

std::string sortKey(const QString &text)
{
    std::string key;
    key.reserve(static_cast<size_t>(text.size()));
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        int b;
        if (u < 0x80)
            b = text::upperAZ(u);
        else
            b = cp1250::byteFor(u);
        // Surrogate halves and other characters outside the code page can
        // only come from a file not written by the program; they sort last.
        key.push_back(static_cast<char>(b < 0 ? 0xFF : b));
    }
    return key;
}

int compareText(const QString &a, const QString &b)
{
    const int c = sortKey(a).compare(sortKey(b));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::vector<int> sortOrder(const Records &records, int column)
{
    const size_t n = records.size();
    std::vector<std::string> keys;
    keys.reserve(n);
    for (const ResultRecord &r : records)
        keys.push_back(sortKey(field(r, column)));
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    // std::string compares its chars as unsigned, which is code page order.
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    return order;
}

int gradePicture(const QString &grade)
{
    const QStringView first = QStringView(grade).left(3);
    if (first == QLatin1String("Cel") || first == QLatin1String("Bar"))
        return 0;
    if (first == QLatin1String("Dob"))
        return 1;
    if (first == QLatin1String("Dos"))
        return 2;
    if (first == QLatin1String("Nie") || first == QLatin1String("Mie"))
        return 3;
    return -1;
}

QStringList reportHeader()
{
    return {QStringLiteral("        Terravia [KLIENT]"), QStringLiteral("        Wyniki zapisanych testów"),
            QStringLiteral("        ") + QString(28, QLatin1Char('-'))};
}

void appendReport(QStringList &report, const ResultRecord &r)
{
    report << QStringLiteral("          Użytkownik: ") + r.user << QStringLiteral("          Nazwa testu: ") + r.title
           << QStringLiteral("          Czas wykonywania testu: ") + r.time
           << QStringLiteral("          W sumie zadań: ") + r.tasks
           << QStringLiteral("          Dobrych odpowiedzi: ") + r.good
           << QStringLiteral("          Złych odpowiedzi: ") + r.bad << QStringLiteral("          Ocena: ") + r.grade
           << QStringLiteral("          ") + QString(31, QLatin1Char('-'));
}

QStringList report(const Records &records)
{
    QStringList out = reportHeader();
    out.reserve(3 + 8 * static_cast<qsizetype>(records.size()));
    for (const ResultRecord &r : records)
        appendReport(out, r);
    return out;
}

} // namespace tv::results
