// A school's year in the gradebook: 20 classes × 25 pupils × 40 results
// (20 000), on SQLite and on a PostgreSQL server of the benchmark's own.
// Prints the time of storing one result, opening a class's term table and
// one pupil's history on each store; the aim is under 100 ms each.

#include "PostgresServer.h"
#include "teacher/Gradebook.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tv;
using namespace tv::teacher;

namespace {

constexpr int kClasses = 20, kPupils = 25, kResults = 40;

double ms(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void run(const char *name, const GradebookPlace &place)
{
    Gradebook book;
    const Status opened = book.open(place);
    if (!opened) {
        std::printf("%s: %s\n", name, qPrintable(opened.message));
        return;
    }
    const QStringList grades{"Celujący (6)", "Bardzo dobry (5)", "Dobry (4)", "Dostateczny (3)", "Mierny (2)"};
    const QDateTime start(QDate(2025, 9, 8), QTime(8, 0));
    QElapsedTimer fill;
    fill.start();
    // A lesson per class and test; each pupil writes one result in it.
    for (int c = 0; c < kClasses; ++c) {
        const QString cls = QStringLiteral("%1%2").arg(4 + c / 4).arg(QChar(u'a' + c % 4));
        for (int r = 0; r < kResults; ++r) {
            const QDateTime when = start.addDays(r * 7 + c % 5);
            const qint64 lesson = book.startLesson(cls, when);
            for (int p = 0; p < kPupils; ++p) {
                const ResultRecord rec{QStringLiteral("Uczeń %1 %2").arg(cls).arg(p),
                                       QStringLiteral("Test: %1").arg(r % 20), "3 min 0 sek", "12", "9", "3",
                                       grades[(p + r) % grades.size()]};
                book.store(lesson, cls, rec, when.addSecs(p * 20));
            }
        }
    }
    std::printf("%s: %d results stored in %.0f ms\n", name, kClasses * kPupils * kResults, ms(fill));

    std::vector<double> store, table, history;
    const qint64 lesson = book.startLesson(QStringLiteral("6b"), start.addDays(150));
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        book.store(lesson, QStringLiteral("6b"),
                   ResultRecord{QStringLiteral("Uczeń 6b 3"), "Test: 3", "1 min 0 sek", "12", "12", "0", grades[0]},
                   start.addDays(150).addSecs(i));
        store.push_back(ms(t));

        t.restart();
        const GradeTable g = gradeTable(book.classResults(QStringLiteral("6b"), Period::term(2025, 1)),
                                        book.pupils(QStringLiteral("6b")));
        for (int tst = 0; tst < g.tests.size(); ++tst)
            g.average(tst, GradeChoice::Last);
        table.push_back(ms(t));

        t.restart();
        const auto h = book.pupilHistory(QStringLiteral("6b"), QStringLiteral("Uczeń 6b 7"));
        history.push_back(ms(t));
        if (i == 0)
            std::printf("%s: the term table of 6b is %lld pupils × %lld tests; one history %zu results\n", name,
                        qlonglong(g.pupils.size()), qlonglong(g.tests.size()), h.size());
    }
    std::printf("%s: storing a result      median %.2f ms, worst %.2f ms\n", name, median(store),
                *std::max_element(store.begin(), store.end()));
    std::printf("%s: a class's term table  median %.2f ms, worst %.2f ms\n", name, median(table),
                *std::max_element(table.begin(), table.end()));
    std::printf("%s: a pupil's history     median %.2f ms, worst %.2f ms\n", name, median(history),
                *std::max_element(history.begin(), history.end()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    GradebookPlace sqlite;
    sqlite.file = dir.filePath(kGradebookFile);
    run("SQLite", sqlite);

    test::PostgresServer server;
    // Durable, as a school's server would be: every commit reaches the disk.
    if (!server.start(true)) {
        std::printf("PostgreSQL: not measured: %s\n", qPrintable(server.why()));
        return 0;
    }
    GradebookPlace pg;
    pg.kind = GradebookPlace::Kind::PostgreSQL;
    pg.host = QStringLiteral("127.0.0.1");
    pg.port = server.port();
    pg.user = server.user();
    pg.database = server.createDatabase();
    run("PostgreSQL", pg);
    return 0;
}
