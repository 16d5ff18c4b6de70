#include "ResultRecord.h"

#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/LineFile.h"

namespace tv {

QString oneLine(const QString &field)
{
    QString out = field;
    for (QChar &c : out) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
    return out;
}

QStringList ResultRecord::lines() const
{
    return {oneLine(user), oneLine(title), oneLine(time), oneLine(tasks),
            oneLine(good), oneLine(bad),   oneLine(grade)};
}

ResultRecord ResultRecord::fromLines(const QStringList &seven)
{
    return {seven.value(0), seven.value(1), seven.value(2), seven.value(3),
            seven.value(4), seven.value(5), seven.value(6)};
}

ResultRecord recordOf(const QString &user, const ResultFigures &figures)
{
    return {user,
            figures.title,
            figures.time,
            QString::number(figures.tasks),
            QString::number(figures.good),
            QString::number(figures.bad),
            figures.grade};
}

Status appendResult(const QString &dataDir, const ResultRecord &record)
{
    const QString path = files::resolve(dataDir, kResultsFile);
    const files::WriteLock lock(path);
    if (!lock)
        return lock.status();
    return lines::appendFile(path, record.lines(), 7);
}

} // namespace tv
