#include "LineFile.h"

#include "Cp1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace tv::lines {

QStringList split(const QByteArray &bytes)
{
    QStringList out;
    const QString text = cp1250::decode(bytes);
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        const qsizetype lf = text.indexOf(QLatin1Char('\n'), start);
        qsizetype end = lf < 0 ? n : lf;
        if (end > start && text.at(end - 1) == QLatin1Char('\r'))
            --end;
        out.append(text.mid(start, end - start));
        start = lf < 0 ? n : lf + 1;
    }
    return out;
}

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QString withoutLineBreaks(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return out;
}

QByteArray join(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines) {
        out += cp1250::encode(line);
        out += "\r\n";
    }
    return out;
}

QString readError(const QString &path, const QString &reason)
{
    return QStringLiteral("Błąd odczytu pliku %1:\r\n%2").arg(QDir::toNativeSeparators(path), reason);
}

QString writeError(const QString &path, const QString &reason)
{
    return QStringLiteral("Błąd zapisu pliku %1:\r\n%2").arg(QDir::toNativeSeparators(path), reason);
}

ReadResult read(QIODevice &device)
{
    ReadResult r;
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly)) {
        r.status = Status::failure(device.errorString());
        return r;
    }
    r.lines = split(device.readAll());
    return r;
}

ReadResult readFile(const QString &path)
{
    ReadResult r;
    QFile f(path);
    if (!f.exists()) {
        r.missing = true;
        r.status = Status::failure(readError(path, QStringLiteral("Plik nie istnieje.")));
        return r;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        r.status = Status::failure(readError(path, f.errorString()));
        return r;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.status = Status::failure(readError(path, f.errorString()));
        return r;
    }
    r.lines = split(bytes);
    return r;
}

namespace {

// Writes everything or reports how it failed. Qt's buffered writes can lose a
// short write on a full disk and still report success, so the device is
// unbuffered and every byte is counted here.
bool writeAll(QFileDevice &f, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QString reasonOf(const QFileDevice &f)
{
    return f.error() == QFileDevice::NoError || f.errorString().isEmpty()
        ? QStringLiteral("Brak miejsca na dysku lub plik jest niedostępny.")
        : f.errorString();
}

// The user's data folder is made when the program first writes into it.
void makeParent(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
}

} // namespace

Status writeBytes(const QString &path, const QByteArray &bytes)
{
    makeParent(path);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Status::failure(writeError(path, f.errorString()));
    if (!writeAll(f, bytes)) {
        const QString why = reasonOf(f);
        f.cancelWriting();
        return Status::failure(writeError(path, why));
    }
    if (!f.commit())
        return Status::failure(writeError(path, f.errorString()));
    return Status::success();
}

Status writeFile(const QString &path, const QStringList &lines)
{
    return writeBytes(path, join(lines));
}

void AppendPoint::feed(const char *data, qsizetype size)
{
    if (size <= 0)
        return;
    lineFeeds += std::count(data, data + size, '\n');
    bytes += size;
    last = data[size - 1];
}

QByteArray AppendPoint::completion(int group) const
{
    QByteArray out;
    if (bytes > 0 && last != '\n')
        out += last == '\r' ? "\n" : "\r\n";
    if (group > 1) {
        const int inGroup = static_cast<int>(lineCount() % group);
        if (inGroup != 0)
            out += QByteArray("\r\n").repeated(group - inGroup);
    }
    return out;
}

namespace {

// Reads the file through to learn where appending begins; a missing file
// begins empty.
bool scanEnd(const QString &path, AppendPoint &point, QString &why)
{
    QFile f(path);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly)) {
        why = f.errorString();
        return false;
    }
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 n = f.read(chunk.data(), chunk.size());
        if (n < 0) {
            why = f.errorString();
            return false;
        }
        if (n == 0)
            return true;
        point.feed(chunk.constData(), n);
    }
}

} // namespace

Status appendFile(const QString &path, const QStringList &lines, int group)
{
    makeParent(path);
    AppendPoint point;
    QString why;
    if (!scanEnd(path, point, why))
        return Status::failure(readError(path, why));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return Status::failure(writeError(path, f.errorString()));
    const qint64 before = f.size();
    // One write: the completion never stands without the lines it prepares.
    if (!writeAll(f, point.completion(group) + join(lines))) {
        why = reasonOf(f);
        // Take back a partial record so the file keeps whole records only.
        f.resize(before);
        f.close();
        return Status::failure(writeError(path, why));
    }
    f.close();
    return Status::success();
}

QString excerpt(const QString &line)
{
    constexpr qsizetype kShown = 60;
    if (line.size() <= kShown)
        return line;
    // Never split a surrogate pair.
    qsizetype cut = kShown;
    if (line.at(cut - 1).isHighSurrogate())
        --cut;
    return line.left(cut) + QChar(0x2026);
}

} // namespace tv::lines
