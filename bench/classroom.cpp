// A class of 40 on the loopback address: each pupil logs in, the teacher
// assigns a test to all, each pupil sends its result. Prints the time from
// the assignment to the last pupil receiving it, and checks that every result
// was recorded once, in memory and in the teacher's results file.

#include "teacher/ClassroomServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

using namespace tv;
using namespace tv::teacher;

namespace {

// Runs events until done() or the time is up; false when it ran out.
template <typename F>
bool runUntil(F done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int pupils = argc > 1 ? std::max(1, atoi(argv[1])) : 40;
    const int rounds = 5;
    QTemporaryDir dir;
    Classroom room(dir.path());
    ServerEndpoints e;
    e.bindAddress = QHostAddress(QHostAddress::LocalHost);
    e.discoveryUdpPort = e.discoveryTcpPort = e.sessionPort = 0;
    ClassroomServer server(room, e);
    if (!server.start()) {
        std::fprintf(stderr, "the server did not start\n");
        return 1;
    }

    std::vector<std::unique_ptr<QTcpSocket>> socks;
    for (int i = 0; i < pupils; ++i) {
        socks.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket *s = socks.back().get();
        s->connectToHost(QHostAddress::LocalHost, server.sessionPort());
        s->write(QByteArray("1Ucze\xf1 nr ") + QByteArray::number(i + 1) + "\r\n");
    }
    if (!runUntil([&] { return room.connectedCount() == pupils; }, 10000)) {
        std::fprintf(stderr, "only %d of %d logged in\n", room.connectedCount(), pupils);
        return 1;
    }
    for (auto &s : socks)
        s->readAll(); // "02"

    double worst = 0, total = 0;
    for (int round = 0; round < rounds; ++round) {
        std::vector<bool> got(size_t(pupils), false);
        int gotCount = 0;
        QElapsedTimer clock;
        clock.start();
        double last = 0;
        room.assign(10 + round);
        const bool all = runUntil(
            [&] {
                for (int i = 0; i < pupils; ++i) {
                    if (got[size_t(i)] || !socks[size_t(i)]->canReadLine())
                        continue;
                    socks[size_t(i)]->readLine();
                    got[size_t(i)] = true;
                    ++gotCount;
                    last = double(clock.nsecsElapsed()) / 1e6;
                }
                return gotCount == pupils;
            },
            10000);
        if (!all) {
            std::fprintf(stderr, "round %d: %d of %d received the assignment\n", round + 1, gotCount, pupils);
            return 1;
        }
        worst = std::max(worst, last);
        total += last;
        for (int i = 0; i < pupils; ++i)
            socks[size_t(i)]->write(QByteArray("2Ucze\xf1 nr ") + QByteArray::number(i + 1)
                                    + "^Test: Polska - Najwi\xea" "ksze miasta^3 min 7 sek^17^12^5^Dobry (4)^\r\n");
        const size_t expected = size_t(pupils) * size_t(round + 1);
        if (!runUntil([&] { return room.results().size() >= expected; }, 10000)) {
            std::fprintf(stderr, "round %d: %zu of %zu results\n", round + 1, room.results().size(), expected);
            return 1;
        }
    }
    runUntil([] { return false; }, 100); // nothing more may come
    QFile f(dir.filePath(QStringLiteral("Wyniki.tvw")));
    f.open(QIODevice::ReadOnly);
    const qsizetype lines = f.readAll().count("\r\n");
    const size_t results = room.results().size();
    const bool once = results == size_t(pupils * rounds) && lines == 7 * qsizetype(pupils * rounds);
    std::printf("classroom: %d pupils, %d assignments: assign to last receipt %.2f ms on average, %.2f ms at "
                "worst; %zu results recorded, %lld lines stored: %s\n",
                pupils, rounds, total / rounds, worst, results, static_cast<long long>(lines),
                once ? "every result once" : "MISMATCH");
    return once ? 0 : 1;
}
