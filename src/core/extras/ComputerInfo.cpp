#include "ComputerInfo.h"

#include "platform/Files.h"

#include <QFile>
#include <QSysInfo>
#include <QThread>

namespace tv::sysinfo {
namespace {

// The value of the first "key : value" line whose key is one of keys.
QString field(const QByteArray &text, std::initializer_list<const char *> keys)
{
    const QList<QByteArray> lines = text.split('\n');
    for (const char *key : keys) {
        for (const QByteArray &line : lines) {
            const int colon = line.indexOf(':');
            if (colon < 0)
                continue;
            if (line.left(colon).trimmed() == key)
                return QString::fromUtf8(line.mid(colon + 1).trimmed()).simplified();
        }
    }
    return QString();
}

QByteArray readSmallFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    // /proc files report no size; read until the end.
    return f.readAll();
}

} // namespace

QString processorName(const QByteArray &cpuinfo)
{
    return field(cpuinfo, {"model name", "Model", "Hardware", "cpu model", "cpu"});
}

qint64 totalMemoryKb(const QByteArray &meminfo)
{
    const QString value = field(meminfo, {"MemTotal"});
    bool ok = false;
    const qint64 kb = value.section(QLatin1Char(' '), 0, 0).toLongLong(&ok);
    return ok ? kb : 0;
}

QString memoryText(qint64 kb)
{
    if (kb <= 0)
        return QStringLiteral("nieznana");
    if (kb < 1024 * 1024)
        return QStringLiteral("%1 MB").arg((kb + 512) / 1024);
    return QString::number(double(kb) / (1024.0 * 1024.0), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','))
         + QStringLiteral(" GB");
}

QString coresText(int cores)
{
    const int lastTwo = cores % 100;
    const int last = cores % 10;
    QString word;
    if (cores == 1)
        word = QStringLiteral("rdzeń");
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        word = QStringLiteral("rdzenie");
    else
        word = QStringLiteral("rdzeni");
    return QStringLiteral("%1 %2").arg(cores).arg(word);
}

Facts collect(const QString &dataDir)
{
    Facts f;
    f.system = QSysInfo::prettyProductName();
    f.kernel = QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion();
    f.processor = processorName(readSmallFile(QStringLiteral("/proc/cpuinfo")));
    f.architecture = QSysInfo::currentCpuArchitecture();
    f.cores = QThread::idealThreadCount();
    f.memoryKb = totalMemoryKb(readSmallFile(QStringLiteral("/proc/meminfo")));
    f.qtVersion = QString::fromLatin1(qVersion());
    f.programVersion = QStringLiteral("2.4.547");
    f.dataDir = dataDir;
    f.resultsFile = files::resolve(dataDir, QStringLiteral("Wyniki.tvw"));
    return f;
}

QStringList reportLines(const Facts &f)
{
    QString processor = f.processor.isEmpty() ? QStringLiteral("nieznany") : f.processor;
    QStringList details;
    if (f.cores > 0)
        details << coresText(f.cores);
    if (!f.architecture.isEmpty())
        details << f.architecture;
    if (!details.isEmpty())
        processor += QStringLiteral(" (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
    return {
        QStringLiteral("System: ") + f.system,
        QStringLiteral("Jądro systemu: ") + f.kernel,
        QStringLiteral("Procesor: ") + processor,
        QStringLiteral("Pamięć: ") + memoryText(f.memoryKb),
        QStringLiteral("Ekran: ") + f.screen,
        QStringLiteral("Terravia: ") + f.programVersion + QStringLiteral(", Qt ") + f.qtVersion,
        QStringLiteral("Folder programu i danych: ") + f.dataDir,
        QStringLiteral("Plik wyników: ") + f.resultsFile,
    };
}

} // namespace tv::sysinfo
