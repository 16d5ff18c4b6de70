#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What a teacher needs to describe the computer when reporting a problem,
// where the system has no information program of its own to offer.
namespace tv::sysinfo {

struct Facts {
    QString system;     // e.g. "Debian GNU/Linux 12 (bookworm)"
    QString kernel;     // e.g. "linux 6.1.0-18-amd64"
    QString processor;  // model name, empty when unknown
    QString architecture;
    int cores = 0;
    qint64 memoryKb = 0; // 0 when unknown
    QString screen;     // filled by the window, which knows the screens
    QString qtVersion;
    QString programVersion;
    QString dataDir;
    QString resultsFile;
};

// The processor's model from the text of /proc/cpuinfo ("model name", or
// what ARM systems write instead); empty when there is none.
QString processorName(const QByteArray &cpuinfo);
// MemTotal from the text of /proc/meminfo, in kB; 0 when missing.
qint64 totalMemoryKb(const QByteArray &meminfo);
// "7,7 GB", "512 MB"
QString memoryText(qint64 kb);
// "1 rdzeń", "4 rdzenie", "8 rdzeni"
QString coresText(int cores);

// The facts of this computer, except the screen.
Facts collect(const QString &dataDir);
// One line per fact, as the window shows and copies them.
QStringList reportLines(const Facts &facts);

} // namespace tv::sysinfo
