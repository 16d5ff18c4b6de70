#include "PostgresServer.h"
#include "Scripted.h"
#include "platform/LineFile.h"
#include "quiz/Grades.h"
#include "teacher/Classroom.h"
#include "teacher/Gradebook.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv;
using namespace tv::teacher;

Q_DECLARE_METATYPE(tv::teacher::Period)
Q_DECLARE_METATYPE(tv::teacher::GradeChoice)

// The gradebook on SQLite and on a PostgreSQL server of the test's own: the
// same rows run on both.
class TestGradebook : public QObject {
    Q_OBJECT

    std::unique_ptr<test::PostgresServer> pg;
    std::unique_ptr<QTemporaryDir> dir;

    GradebookPlace place(const QString &store)
    {
        GradebookPlace p;
        if (store == QLatin1String("postgresql")) {
            if (!pg->running())
                return p;
            p.kind = GradebookPlace::Kind::PostgreSQL;
            p.host = QStringLiteral("127.0.0.1");
            p.port = pg->port();
            p.user = pg->user();
            p.database = pg->createDatabase();
        } else {
            p.file = dir->filePath(kGradebookFile);
        }
        return p;
    }
    static void stores()
    {
        QTest::addColumn<QString>("store");
    }
#define SKIP_WITHOUT_SERVER(store)                                                                                     \
    if (store == QLatin1String("postgresql") && !pg->running())                                                        \
    QSKIP(qPrintable(QStringLiteral("no PostgreSQL server of the test's own: ") + pg->why()))

    static ResultRecord result(const QString &pupil, const QString &test, const QString &grade)
    {
        return ResultRecord{pupil, test, QStringLiteral("2 min 0 sek"), QStringLiteral("10"), QStringLiteral("8"),
                            QStringLiteral("2"), grade};
    }
    static QDateTime at(int y, int m, int d, int h = 9) { return QDateTime(QDate(y, m, d), QTime(h, 0)); }

    // Two lessons of 6a (October and March) and one of 6b (October).
    static void twoClasses(Gradebook &book)
    {
        const qint64 a1 = book.startLesson(QStringLiteral("6a"), at(2025, 10, 6));
        const qint64 b1 = book.startLesson(QStringLiteral("6b"), at(2025, 10, 7));
        const qint64 a2 = book.startLesson(QStringLiteral("6a"), at(2026, 3, 9));
        QVERIFY(a1 > 0 && b1 > 0 && a2 > 0 && a1 != a2);
        const QString stolice = QStringLiteral("Test: Europa - Stolice"), rzeki = QStringLiteral("Test: Polska - Rzeki");
        QVERIFY(book.store(a1, "6a", result("Ala", stolice, "Dobry (4)"), at(2025, 10, 6, 9)));
        QVERIFY(book.store(a1, "6a", result("Bartek", stolice, "Mierny (2)"), at(2025, 10, 6, 10)));
        QVERIFY(book.store(b1, "6b", result("Celina", stolice, "Celujący (6)"), at(2025, 10, 7)));
        QVERIFY(book.store(a2, "6a", result("Ala", rzeki, "Bardzo dobry (5)"), at(2026, 3, 9)));
        QVERIFY(book.store(a2, "6a", result("Ala", stolice, "Dostateczny (3)"), at(2026, 3, 9, 11)));
    }

private slots:
    void initTestCase()
    {
        pg = std::make_unique<test::PostgresServer>();
        if (!pg->start())
            qWarning("PostgreSQL rows are skipped: %s", qPrintable(pg->why()));
    }
    void cleanupTestCase() { pg.reset(); }
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { dir.reset(); }

    void queriesByClassPupilAndPeriod_data()
    {
        QTest::addColumn<QString>("store");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("pupil"); // empty: the class
        QTest::addColumn<Period>("period");
        QTest::addColumn<QStringList>("grades");
        for (const QString &store : {QStringLiteral("sqlite"), QStringLiteral("postgresql")}) {
            auto row = [&](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(store + ": " + name)) << store;
            };
            row("6a, the year") << "6a" << "" << Period::all()
                                 << QStringList{"Dobry (4)", "Mierny (2)", "Bardzo dobry (5)", "Dostateczny (3)"};
            row("6a, first term") << "6a" << "" << Period::term(2025, 1) << QStringList{"Dobry (4)", "Mierny (2)"};
            row("6a, second term") << "6a" << "" << Period::term(2025, 2)
                                    << QStringList{"Bardzo dobry (5)", "Dostateczny (3)"};
            row("6b, October") << "6b" << "" << Period::month(2025, 10) << QStringList{"Celujący (6)"};
            row("6b, March") << "6b" << "" << Period::month(2026, 3) << QStringList{};
            row("Ala of 6a") << "6a" << "Ala" << Period::all()
                              << QStringList{"Dobry (4)", "Bardzo dobry (5)", "Dostateczny (3)"};
            row("Ala, one day") << "6a" << "Ala" << Period::days(QDate(2026, 3, 9), QDate(2026, 3, 9))
                                 << QStringList{"Bardzo dobry (5)", "Dostateczny (3)"};
            row("Ala is not of 6b") << "6b" << "Ala" << Period::all() << QStringList{};
        }
    }
    void queriesByClassPupilAndPeriod()
    {
        QFETCH(QString, store);
        QFETCH(QString, className);
        QFETCH(QString, pupil);
        QFETCH(Period, period);
        QFETCH(QStringList, grades);
        SKIP_WITHOUT_SERVER(store);
        Gradebook book;
        const Status opened = book.open(place(store));
        QVERIFY2(opened, qPrintable(opened.message));
        QCOMPARE(book.schemaVersion(), Gradebook::kSchemaVersion);
        twoClasses(book);
        const auto found = pupil.isEmpty() ? book.classResults(className, period)
                                           : book.pupilHistory(className, pupil, period);
        QStringList got;
        for (const StoredResult &r : found) {
            got << r.record.grade;
            QCOMPARE(r.className, className);
            QVERIFY(period.contains(r.arrived));
        }
        QCOMPARE(got, grades);
        QCOMPARE(book.classes(), (QStringList{"6a", "6b"}));
        QCOMPARE(book.pupils("6a"), (QStringList{"Ala", "Bartek"}));
    }

    void migratesFromTheFirstVersion_data()
    {
        stores();
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("postgresql") << "postgresql";
    }
    void migratesFromTheFirstVersion()
    {
        QFETCH(QString, store);
        SKIP_WITHOUT_SERVER(store);
        const GradebookPlace where = place(store);
        {
            Gradebook first;
            QVERIFY(first.open(where, 1));
            QCOMPARE(first.schemaVersion(), 1);
            const qint64 lesson = first.startLesson(QString(), at(2025, 9, 15)); // no class table yet
            QVERIFY(lesson > 0);
            QVERIFY(first.store(lesson, QStringLiteral("5c"), result("Darek", "Test: Afryka", "Dobry (4)"),
                                at(2025, 9, 15)));
        }
        Gradebook book;
        const Status opened = book.open(where);
        QVERIFY2(opened, qPrintable(opened.message));
        QCOMPARE(book.schemaVersion(), 2);
        QCOMPARE(book.classes(), QStringList{"5c"});
        QCOMPARE(book.pupils("5c"), QStringList{"Darek"});
        QCOMPARE(book.classResults("5c").size(), size_t(1));
        // Opening again changes nothing.
        book.close();
        QVERIFY(book.open(where));
        QCOMPARE(book.classResults("5c").size(), size_t(1));
    }

    void importsAWynikiFileOnce_data()
    {
        stores();
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("postgresql") << "postgresql";
    }
    void importsAWynikiFileOnce()
    {
        QFETCH(QString, store);
        SKIP_WITHOUT_SERVER(store);
        QTemporaryDir old;
        QVERIFY(appendResult(old.path(), result("Ala", "Test: Azja", "Dobry (4)")));
        QVERIFY(appendResult(old.path(), result("=2+2", "Test: Azja", "Mierny (2)")));
        const QString file = old.filePath(kResultsFile);
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(at(2024, 5, 20, 12), QFileDevice::FileModificationTime));
        f.close();

        Gradebook book;
        QVERIFY(book.open(place(store)));
        const Gradebook::Imported first = book.importResultsFile(file);
        QVERIFY2(first.status, qPrintable(first.status.message));
        QCOMPARE(first.count, 2);
        const auto imported = book.classResults(QString());
        QCOMPARE(imported.size(), size_t(2));
        QCOMPARE(imported[1].record.user, QStringLiteral("=2+2"));
        QCOMPARE(imported[0].arrived.date(), QDate(2024, 5, 20));
        QVERIFY(book.classes().isEmpty());
        const Gradebook::Imported again = book.importResultsFile(file);
        QVERIFY(again.already);
        QCOMPARE(book.classResults(QString()).size(), size_t(2));
    }

    void aLessonsResultsGoToTheClass_data()
    {
        stores();
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("postgresql") << "postgresql";
    }
    void aLessonsResultsGoToTheClass()
    {
        QFETCH(QString, store);
        SKIP_WITHOUT_SERVER(store);
        test::ManualClock clock;
        Gradebook book;
        QVERIFY(book.open(place(store)));
        Classroom room(dir->path());
        room.setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        room.setGradebook(&book);
        room.setClassName(QStringLiteral(" 6b "));
        QSignalSpy failed(&room, &Classroom::gradebookFailed);
        room.connectionOpened(1, QStringLiteral("10.0.0.1"));
        room.lineReceived(1, QStringLiteral("1Ala"));
        room.connectionOpened(2, QStringLiteral("10.0.0.2"));
        room.lineReceived(2, QStringLiteral("1Bartek"));
        QCOMPARE(book.pupils("6b"), (QStringList{"Ala", "Bartek"})); // filled from the logins
        room.assign(18, {0});
        room.lineReceived(1, QStringLiteral("2Ala^Test: Europa - Stolice^1 min 0 sek^17^12^5^%1^")
                                 .arg(singleTestGrade(17, 12).label));
        room.lineReceived(2, QStringLiteral("2Bartek^Test: Europa - Stolice^1 min 0 sek^17^12^5^Celujący (6)^"));
        QCOMPARE(room.results().size(), size_t(1)); // Bartek had no test: refused, not stored
        const auto stored = book.classResults(QStringLiteral("6b"));
        QCOMPARE(stored.size(), size_t(1));
        QCOMPARE(stored[0].record, room.results()[0].record);
        QCOMPARE(stored[0].arrived, clock.current);
        QVERIFY(failed.isEmpty());
    }

    void aDamagedOrLockedStoreIsReportedAndWynikiKeepsTheLesson_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("not a database") << "rubbish";
        QTest::newRow("locked by another copy") << "locked";
        QTest::newRow("server unreachable") << "unreachable";
    }
    void aDamagedOrLockedStoreIsReportedAndWynikiKeepsTheLesson()
    {
        QFETCH(QString, damage);
        GradebookPlace where = place(QStringLiteral("sqlite"));
        QSqlDatabase locker;
        if (damage == "rubbish") {
            QFile f(where.file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, '\x5a'));
        } else if (damage == "locked") {
            {
                Gradebook made;
                QVERIFY(made.open(where));
            }
            locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
            locker.setDatabaseName(where.file);
            QVERIFY(locker.open());
            QVERIFY(QSqlQuery(locker).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        } else {
            where.kind = GradebookPlace::Kind::PostgreSQL;
            where.host = QStringLiteral("127.0.0.1");
            where.port = 9; // nothing listens on the discard port here
            where.database = where.user = QStringLiteral("terravia");
        }
        Gradebook book;
        const Status opened = book.open(where);
        if (locker.isValid()) {
            locker.close();
            locker = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("locker"));
        }
        QVERIFY(!opened);
        QVERIFY(!book.isOpen());
        QVERIFY2(opened.message.startsWith(QStringLiteral("Dziennik ocen")), qPrintable(opened.message));
        QVERIFY(opened.message.contains(QStringLiteral("nadal zapisywane w pliku Wyniki.tvw")));

        // The lesson goes on: the result is in Wyniki.tvw as always.
        Classroom room(dir->path());
        room.setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        room.setGradebook(&book);
        room.setClassName(QStringLiteral("6b"));
        QSignalSpy failed(&room, &Classroom::gradebookFailed);
        room.connectionOpened(1, QStringLiteral("10.0.0.1"));
        room.lineReceived(1, QStringLiteral("1Ala"));
        room.assign(18, {0});
        const ResultRecord r{"Ala", "Test: Europa - Stolice", "1 min 0 sek", "17", "12", "5",
                             singleTestGrade(17, 12).label};
        room.lineReceived(1, QStringLiteral("2") + r.lines().join(u'^') + u'^');
        QCOMPARE(room.results().size(), size_t(1));
        QFile f(dir->filePath(kResultsFile));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), lines::join(r.lines()));
        QVERIFY(failed.isEmpty()); // said once, at the start
    }

    void theClassTableShowsTheChosenGrade_data()
    {
        QTest::addColumn<GradeChoice>("choice");
        QTest::addColumn<QString>("alaStolice");
        QTest::addColumn<QString>("averageStolice");
        QTest::newRow("last") << GradeChoice::Last << "Dostateczny (3)" << "2,50";
        QTest::newRow("best") << GradeChoice::Best << "Dobry (4)" << "3,00";
        QTest::newRow("all") << GradeChoice::All << "Dobry (4), Dostateczny (3)" << "3,00";
    }
    void theClassTableShowsTheChosenGrade()
    {
        QFETCH(GradeChoice, choice);
        QFETCH(QString, alaStolice);
        QFETCH(QString, averageStolice);
        Gradebook book;
        QVERIFY(book.open(place(QStringLiteral("sqlite"))));
        twoClasses(book);
        book.addPupil(QStringLiteral("6a"), QStringLiteral("Ćwierć Zenon")); // on the list, no result
        const GradeTable t = gradeTable(book.classResults(QStringLiteral("6a")), book.pupils(QStringLiteral("6a")));
        QCOMPARE(t.pupils, (QStringList{"Ala", "Bartek", "Ćwierć Zenon"}));
        QCOMPARE(t.tests, (QStringList{"Test: Europa - Stolice", "Test: Polska - Rzeki"}));
        QCOMPARE(t.cell(0, 0, choice), alaStolice);
        QCOMPARE(averageText(t.average(0, choice)), averageStolice);
        QCOMPARE(t.missing(0), QStringList{"Ćwierć Zenon"});
        QCOMPARE(t.missing(1), (QStringList{"Bartek", "Ćwierć Zenon"}));
        QCOMPARE(t.cell(1, 1, choice), QString());
    }

    void theExportDefusesFormulas()
    {
        GradeTable t = gradeTable({StoredResult{1, 1, "6a", result("=HYPERLINK(1)", "Test: Azja", "Dobry (4)"),
                                                at(2025, 10, 1)}},
                                  {});
        const QByteArray csv = gradeTableCsv(t, GradeChoice::Last);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        const QStringList rows = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(rows.value(0), QStringLiteral("Uczeń;Test: Azja"));
        QCOMPARE(rows.value(1), QStringLiteral("\"'=HYPERLINK(1)\";Dobry (4)"));
        QCOMPARE(rows.value(2), QStringLiteral("Średnia klasy;4,00"));
        QCOMPARE(rows.value(3), QStringLiteral("Nie pisali;"));
    }
};

QTEST_GUILESS_MAIN(TestGradebook)
#include "tst_gradebook.moc"
