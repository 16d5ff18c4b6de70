#include "Scripted.h"
#include "catalogue/Catalogue.h"
#include "net/Discovery.h"
#include "net/Session.h"
#include "platform/LineFile.h"
#include "teacher/ClassModels.h"
#include "teacher/ClassroomServer.h"
#include "teacher/ResultCheck.h"
#include "quiz/Grades.h"
#include "teacher/TeacherSettings.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv;
using namespace tv::teacher;
using State = Pupil::State;

// The teacher's server and the pupil's own session code talking on the
// loopback address: discovery, logins, commands, results.
class TestClassroom : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDataDir> pupilData;
    std::unique_ptr<QTemporaryDir> teacherDir;
    std::unique_ptr<Classroom> room;
    std::unique_ptr<ClassroomServer> server;
    std::vector<std::unique_ptr<Session>> pupils;

    protocol::Endpoints clientEndpoints() const
    {
        protocol::Endpoints e;
        e.broadcastTarget = QStringLiteral("127.0.0.1");
        e.discoveryUdpPort = server->discoveryUdpPort();
        e.discoveryTcpPort = server->discoveryTcpPort();
        e.sessionPort = server->sessionPort();
        e.fixedLocalAddress = QStringLiteral("10.0.0.%1").arg(pupils.size() + 10);
        return e;
    }
    // A pupil's session connected under the name; polling is driven by hand.
    Session &connectPupil(const QString &name)
    {
        pupils.push_back(std::make_unique<Session>());
        Session &s = *pupils.back();
        s.endpoints() = clientEndpoints();
        // The test drives the ticks; the pupil's own timer must not take a line first.
        s.serverPoll().setInterval(24 * 3600 * 1000);
        s.connectToServer(QStringLiteral("127.0.0.1"), name);
        for (int i = 0; i < 500 && !s.connectionUp() && !s.lineWaiting(); ++i)
            QTest::qWait(10);
        return s;
    }
    // One tick of the pupil's polling once a line has arrived.
    static bool tick(Session &s)
    {
        for (int i = 0; i < 500 && !s.lineWaiting() && s.connectionUp(); ++i)
            QTest::qWait(10);
        if (!s.lineWaiting() && s.connectionUp())
            return false;
        s.pollTick();
        return true;
    }
    Session &loggedIn(const QString &name)
    {
        Session &s = connectPupil(name);
        QSignalSpy accepted(&s, &Session::loginAccepted);
        tick(s);
        [&] { QCOMPARE(accepted.size(), 1); }();
        return s;
    }
    const Pupil *pupil(const QString &name) const
    {
        for (const Pupil &p : room->pupils())
            if (p.name == name)
                return &p;
        return nullptr;
    }
    bool waitFor(const std::function<bool()> &condition)
    {
        for (int i = 0; i < 500 && !condition(); ++i)
            QTest::qWait(10);
        return condition();
    }
    QByteArray teacherFile() const
    {
        QFile f(teacherDir->filePath(QStringLiteral("Wyniki.tvw")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // What an honest pupil's program reports for "Europa - Stolice" (code 18, 17 markers).
    static QString honestReport(const QString &name, int good = 12)
    {
        return QStringLiteral("2%1^Test: Europa - Stolice^1 min 0 sek^17^%2^%3^%4^")
            .arg(name)
            .arg(good)
            .arg(17 - good)
            .arg(singleTestGrade(17, good).label);
    }

private slots:
    void init()
    {
        pupilData = std::make_unique<test::TempDataDir>();
        teacherDir = std::make_unique<QTemporaryDir>();
        room = std::make_unique<Classroom>(teacherDir->path());
        room->setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        ServerEndpoints e;
        e.bindAddress = QHostAddress(QHostAddress::LocalHost);
        e.discoveryUdpPort = e.discoveryTcpPort = e.sessionPort = 0;
        e.announcedAddress = QStringLiteral("192.168.5.1");
        server = std::make_unique<ClassroomServer>(*room, e);
        server->setPassword(QStringLiteral("żółw7"));
        QVERIFY(server->start());
    }
    void cleanup()
    {
        pupils.clear();
        server.reset();
        room.reset();
        teacherDir.reset();
        pupilData.reset();
    }

    void discoveryByUdpAndTcp()
    {
        const protocol::Endpoints e = clientEndpoints();
        Discovery finder(e);
        QSignalSpy reply(&finder, &Discovery::udpReply);
        finder.searchUdp();
        QVERIFY(reply.wait(5000));
        QCOMPARE(reply[0][0].toString(), QStringLiteral("192.168.5.1"));
        QCOMPARE(reply[0][1].toString(), QStringLiteral("żółw7"));

        QSignalSpy peer(&finder, &Discovery::probeConnected);
        QSignalSpy data(&finder, &Discovery::probeData);
        QVERIFY(finder.probe(QStringLiteral("127.0.0.1")));
        QVERIFY(data.wait(5000));
        QCOMPARE(peer.value(0).value(0).toString(), QStringLiteral("127.0.0.1"));
        QCOMPARE(data[0][0].toString(), QStringLiteral("żółw7"));
    }

    void aLessonFromLoginToEnd()
    {
        Session &ala = loggedIn(QStringLiteral("Ala Nowak"));
        Session &bartek = loggedIn(QStringLiteral("Bartek"));
        QCOMPARE(room->connectedCount(), 2);
        QCOMPARE(pupil("Ala Nowak")->address, QStringLiteral("127.0.0.1"));

        // The same name again, in other letters' case: refused, the window stays.
        Session &twin = connectPupil(QStringLiteral("ala nowak"));
        QSignalSpy twinEnd(&twin, &Session::connectionEnded);
        tick(twin);
        QCOMPARE(twinEnd.value(0).value(0).toInt(), int(Session::NameTaken));
        QCOMPARE(room->pupils().size(), size_t(2));

        // The assignment reaches both; each launches the entry of that code.
        QSignalSpy assignedA(&ala, &Session::assignmentReceived);
        QSignalSpy assignedB(&bartek, &Session::assignmentReceived);
        QCOMPARE(room->assign(20), 2);
        QVERIFY(room->testRunning());
        QVERIFY(tick(ala) && tick(bartek));
        QCOMPARE(assignedA.value(0).value(0).toInt(), 20);
        QCOMPARE(assignedB.value(0).value(0).toInt(), 20);
        const CatalogueEntry *entry = catalogue::findByCode(20);
        QCOMPARE(pupil("Bartek")->state, State::Assigned);

        // Late-comers wait while the test runs.
        Session &late = connectPupil(QStringLiteral("Celina"));
        QSignalSpy lateEnd(&late, &Session::connectionEnded);
        tick(late);
        QCOMPARE(lateEnd.value(0).value(0).toInt(), int(Session::ServerBusy));
        QVERIFY(!pupil("Celina"));

        // "06": each reports the test it has open.
        for (Session *s : {&ala, &bartek})
            connect(s, &Session::stateRequested, s, [s, entry] { s->sendStatusRunning(entry->title); });
        QCOMPARE(room->requestStates(), 2);
        QVERIFY(tick(ala) && tick(bartek));
        QVERIFY(waitFor([&] { return pupil("Bartek")->state == State::Solving; }));
        QCOMPARE(pupil("Ala Nowak")->test, entry->title);

        // Both results arrive and are stored as the pupil's program stores them.
        // "Europa - Góry" has 11 markers in the content pack.
        const ResultRecord a{"Ala Nowak", entry->title, "3 min 7 sek", "11", "10", "1", singleTestGrade(11, 10).label};
        const ResultRecord b{"Bartek", entry->title, "10 min 0 sek", "11", "4", "7", singleTestGrade(11, 4).label};
        ala.setUserName(a.user);
        // One after the other: two connections carry no order between them.
        ala.sendResultReport(a.lines());
        QVERIFY(waitFor([&] { return room->results().size() == 1; }));
        bartek.sendResultReport(b.lines());
        QVERIFY(waitFor([&] { return room->results().size() == 2; }));
        QCOMPARE(teacherFile(), lines::join(a.lines()) + lines::join(b.lines()));
        QCOMPARE(pupil("Bartek")->state, State::Finished);
        QCOMPARE(pupil("Bartek")->grade, b.grade);
        QVERIFY(!room->testRunning());

        // "05": the message on one line.
        QSignalSpy messageA(&ala, &Session::teacherMessage);
        QSignalSpy messageB(&bartek, &Session::teacherMessage);
        QCOMPARE(room->sendMessage(QStringLiteral("Dobra robota!\r\nDo jutra")), 2);
        QVERIFY(tick(ala) && tick(bartek));
        QCOMPARE(messageA.value(0).value(0).toString(), QStringLiteral("Dobra robota! Do jutra"));
        QCOMPARE(messageB.size(), 1);

        // "01" goes to the one who is working.
        QCOMPARE(room->assign(12, {0}), 1);
        QVERIFY(tick(ala));
        QSignalSpy endedA(&ala, &Session::endTestRequested);
        QSignalSpy endedB(&bartek, &Session::endTestRequested);
        QCOMPARE(room->endTest(), 1);
        QVERIFY(tick(ala));
        QCOMPARE(endedA.size(), 1);
        QCOMPARE(pupil("Ala Nowak")->state, State::Assigned); // her prompt still opens the test
        QTest::qWait(30);
        QVERIFY(!bartek.lineWaiting());
        QCOMPARE(endedB.size(), 0);

        // "00": the lesson ends for everybody.
        QSignalSpy goneA(&ala, &Session::connectionEnded);
        QSignalSpy goneB(&bartek, &Session::connectionEnded);
        QCOMPARE(room->endLesson(), 2);
        QVERIFY(tick(ala) && tick(bartek));
        QCOMPARE(goneA.value(0).value(0).toInt(), int(Session::EndedByServer));
        QCOMPARE(goneB.value(0).value(0).toInt(), int(Session::EndedByServer));
        QVERIFY(waitFor([&] { return room->connectedCount() == 0; }));
        QCOMPARE(pupil("Bartek")->state, State::Disconnected);
        QCOMPARE(room->results().size(), size_t(3));
        QCOMPARE(room->results()[2].record.grade, QStringLiteral("nie ukończył(a)")); // Ala's, cut by the end
    }

    void aPupilBackAfterALostConnectionIsAdmitted()
    {
        Session &ala = loggedIn(QStringLiteral("Ala"));
        loggedIn(QStringLiteral("Bartek"));
        QCOMPARE(room->assign(30), 2);
        ala.leave(); // the cable is pulled
        QVERIFY(waitFor([&] { return pupil("Ala")->state == State::Disconnected; }));
        QVERIFY(room->testRunning()); // Bartek is still at it
        // An assignment passes over a pupil who is gone.
        QCOMPARE(room->assign(31), 1);
        QCOMPARE(pupil("Ala")->state, State::Disconnected);
        loggedIn(QStringLiteral("Ala"));
        QCOMPARE(pupil("Ala")->state, State::Waiting);
        QCOMPARE(room->pupils().size(), size_t(2));
        // With late-comers admitted, a new name gets in while the test runs.
        room->setAdmitLateComers(true);
        loggedIn(QStringLiteral("Celina"));
        QCOMPARE(room->connectedCount(), 3);
    }

    void forgetTheConfiguration()
    {
        pupilData->write(QStringLiteral("Net_konf.dat"), "127.0.0.1\r\n");
        Session &ala = loggedIn(QStringLiteral("Ala"));
        QCOMPARE(room->forgetConfiguration(), 1);
        QVERIFY(tick(ala));
        QVERIFY(!pupilData->has(QStringLiteral("Net_konf.dat")));
        QVERIFY(ala.connectionUp()); // the lesson goes on
    }

    void rubbishAndBrokenConnectionsCostOnlyThemselves()
    {
        Session &ala = loggedIn(QStringLiteral("Ala"));
        QTcpSocket rogue;
        rogue.connectToHost(QHostAddress::LocalHost, server->sessionPort());
        QVERIFY(rogue.waitForConnected(5000));
        // Before a login nothing counts; then an empty line, an over-long
        // line, a result short of fields, a status of no known form.
        rogue.write("2x^y^\r\n\r\n" + QByteArray(20000, 'A') + "\r\n1Rogue\r\n\r\n2a^b^\r\n3?\r\n"
                    + QByteArray(40000, '2'));
        rogue.flush();
        QVERIFY(waitFor([&] { return pupil("Rogue"); }));
        QVERIFY(waitFor([&] { return room->badLines() >= 3; }));
        QCOMPARE(room->results().size(), size_t(0));
        rogue.abort();
        QVERIFY(waitFor([&] { return pupil("Rogue")->state == State::Disconnected; }));
        // The rest of the class goes on.
        QSignalSpy message(&ala, &Session::teacherMessage);
        QCOMPARE(room->sendMessage(QStringLiteral("Dalej")), 1);
        QVERIFY(tick(ala));
        QCOMPARE(message.size(), 1);
        QCOMPARE(server->openConnections(), 1);
    }

    void gradesAndTimesSortAsTheyMean()
    {
        const QStringList ascending{"Niedostateczny (1)", "Mierny minus  (2-)", "Mierny z dwoma (2=)", "Mierny (2)",
                                    "Dostateczny(3)", "Dobry plus (4+)", "Bardzo dobry minus (5-)",
                                    "Bardzo dobry plus(5+)", "Celujący (6)"};
        for (int i = 1; i < ascending.size(); ++i)
            QVERIFY2(gradeNumber(ascending[i - 1]) < gradeNumber(ascending[i]), qPrintable(ascending[i]));
        QCOMPARE(timeSeconds(QStringLiteral("10 min 0 sek")), 600);
        QCOMPARE(timeSeconds(QStringLiteral("9 min 59 sek")), 599);
        QCOMPARE(timeSeconds(QStringLiteral("nie czas")), -1);
    }

    void settingsMadeAtFirstStartAndKept()
    {
        QTemporaryDir dir;
        const QString where = dir.filePath(QStringLiteral("nowy"));
        const SettingsLoad first = loadOrCreate(where);
        QVERIFY(first.status);
        QVERIFY(first.created);
        QCOMPARE(first.settings.password.size(), 8);
        QVERIFY(passwordProblem(first.settings.password).isEmpty());
        const SettingsLoad again = loadOrCreate(where);
        QVERIFY(!again.created);
        QCOMPARE(again.settings.password, first.settings.password);
        QVERIFY(save(where, {QStringLiteral("Żółw 7"), true}));
        QCOMPARE(loadOrCreate(where).settings.password, QStringLiteral("Żółw 7"));
        QVERIFY(loadOrCreate(where).settings.admitLateComers);
        QVERIFY(!passwordProblem(QStringLiteral(" a")).isEmpty());
        QVERIFY(!passwordProblem(QStringLiteral("a\tb")).isEmpty());
        QVERIFY(!passwordProblem(QStringLiteral("漢字")).isEmpty());
    }

    // The count a result is held to comes only from a configuration that reads
    // whole and names a count a test can have; otherwise any such count goes.
    void theTaskCountComesOnlyFromASoundConfiguration_data()
    {
        QTest::addColumn<QByteArray>("configuration");
        QTest::addColumn<int>("tasks");
        QTest::newRow("sound") << QByteArray("3\r\nmapa.jpg\r\n10\r\n20\r\n") << 3;
        QTest::newRow("a count no test has") << QByteArray("20\r\nmapa.jpg\r\n") << 0;
        QTest::newRow("damaged after the count") << QByteArray("3\r\nmapa.jpg\r\nx\r\n") << 0;
    }
    void theTaskCountComesOnlyFromASoundConfiguration()
    {
        QFETCH(QByteArray, configuration);
        QFETCH(int, tasks);
        QTemporaryDir content;
        QFile f(content.filePath(catalogue::findByCode(18)->configurationFile));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(configuration);
        f.close();
        QCOMPARE(expectedFor(18, content.path()).tasks, tasks);
    }

    void everyResultOfAFullClassIsRecordedOnce()
    {
        const int n = 12;
        std::vector<std::unique_ptr<QTcpSocket>> socks;
        for (int i = 0; i < n; ++i) {
            socks.push_back(std::make_unique<QTcpSocket>());
            socks.back()->connectToHost(QHostAddress::LocalHost, server->sessionPort());
            QVERIFY(socks.back()->waitForConnected(5000));
            socks.back()->write(QByteArray("1Uczen ") + QByteArray::number(i) + "\r\n");
        }
        QVERIFY(waitFor([&] { return room->connectedCount() == n; }));
        QCOMPARE(room->assign(33), n);
        const Expected e = expectedFor(33, QStringLiteral(TERRAVIA_CONTENT_DIR));
        QVERIFY(e.tasks > 0);
        const QString grade = singleTestGrade(e.tasks, e.tasks).label;
        QCOMPARE(grade, QStringLiteral("Celujący (6)"));
        const QString honest = QStringLiteral("%1^1 min 1 sek^%2^%2^0^Celuj\u0105cy (6)^").arg(e.title).arg(e.tasks);
        for (int i = 0; i < n; ++i) {
            QTcpSocket &s = *socks[size_t(i)];
            QVERIFY(waitFor([&] { return s.bytesAvailable() >= 9; }));
            QCOMPARE(s.readAll(), QByteArray("02\r\n133\r\n"));
            // Half of them in pieces.
            // Under the socket's own name: the logins, sent together over
            // separate connections, may be taken in any order.
            const QByteArray line = protocol::encodeLine(QStringLiteral("2Uczen %1^").arg(i) + honest);
            if (i % 2) {
                s.write(line.left(7));
                s.flush();
                QTest::qWait(1);
                s.write(line.mid(7));
            } else {
                s.write(line);
            }
            s.flush();
        }
        QVERIFY(waitFor([&] { return room->results().size() == size_t(n); }));
        QTest::qWait(50);
        QCOMPARE(room->results().size(), size_t(n));
        QCOMPARE(teacherFile().count("\r\n"), 7 * n);
        QCOMPARE(room->results()[3].record.grade, QStringLiteral("Celujący (6)"));
    }

    // The rules without sockets: each connection's lines handed in directly.
    void everyPupilWhoReceivedATestGetsARow_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<int>("rows");
        QTest::newRow("a result") << "result" << singleTestGrade(17, 12).label << 1;
        QTest::newRow("the teacher ends the test") << "endTest" << "przerwano" << 1;
        QTest::newRow("another test assigned") << "assign" << "przerwano" << 2;
        QTest::newRow("disconnected") << "nothing" << "nie ukończył(a)" << 1;
        QTest::newRow("the lesson ends") << "endLesson" << "nie ukończył(a)" << 1;
        QTest::newRow("the lesson ends, a stranger still connected")
            << "endLessonWithStranger" << "nie ukończył(a)" << 1;
        QTest::newRow("closed without a result") << "idle" << "nie ukończył(a)" << 1;
    }
    void everyPupilWhoReceivedATestGetsARow()
    {
        QFETCH(QString, then);
        QFETCH(QString, grade);
        QFETCH(int, rows);
        Classroom r(teacherDir->path());
        r.setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        r.connectionOpened(1, QStringLiteral("10.0.0.1"));
        r.lineReceived(1, QStringLiteral("1Ala"));
        QCOMPARE(r.assign(18), 1);
        r.lineReceived(1, QStringLiteral("3Użytkownik^Obecnie rozwiązuje: Test: Europa - Stolice^10.0.0.1"));
        if (then == "result")
            r.lineReceived(1, honestReport(QStringLiteral("Ala")));
        else if (then == "endTest")
            QCOMPARE(r.endTest(), 1);
        else if (then == "assign")
            r.assign(20);
        else if (then == "endLesson")
            r.endLesson();
        else if (then == "endLessonWithStranger") {
            // A connection that never logged in must not outlive the lesson.
            QList<int> closed;
            r.setTransport([](int, const QString &) {}, [&closed](int c) { closed << c; });
            r.connectionOpened(2, QStringLiteral("10.0.0.2"));
            r.endLesson();
            QCOMPARE(closed, QList<int>{2});
        }
        else if (then == "idle")
            r.lineReceived(1, QStringLiteral("3Użytkownik^Obecnie nie rozwiązuje żadnego testu^10.0.0.1"));
        r.connectionClosed(1); // in every case the pupil then goes
        QCOMPARE(int(r.results().size()), rows);
        const ClassResult &row = r.results()[0];
        QCOMPARE(row.record.user, QStringLiteral("Ala"));
        QCOMPARE(row.record.title, QStringLiteral("Test: Europa - Stolice"));
        QCOMPARE(row.record.grade, grade);
        QCOMPARE(row.outcome == ClassResult::Outcome::Result, then == "result");
        QCOMPARE(teacherFile().isEmpty(), then != "result"); // nothing but a result is stored
        QVERIFY(resultsCsv(r.results()).contains(grade.toUtf8()));
    }

    void namesEqualIgnoringEndBlanksAndCase()
    {
        Classroom r(teacherDir->path());
        r.setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        QStringList sent;
        r.setTransport([&](int c, const QString &line) { sent << QString::number(c) + line; }, [](int) {});
        r.connectionOpened(1, QStringLiteral("10.0.0.1"));
        r.lineReceived(1, QStringLiteral("1Łucja Żak"));
        r.connectionOpened(2, QStringLiteral("10.0.0.2"));
        r.lineReceived(2, QStringLiteral("1łucja żak "));
        QCOMPARE(sent.last(), QStringLiteral("204"));
        r.connectionClosed(1);
        r.connectionOpened(3, QStringLiteral("10.0.0.3"));
        r.lineReceived(3, QStringLiteral("1  ŁUCJA ŻAK"));
        QCOMPARE(sent.last(), QStringLiteral("302"));
        QCOMPARE(int(r.pupils().size()), 1);
        QCOMPARE(r.pupils()[0].name, QStringLiteral("Łucja Żak"));
        QVERIFY(r.pupils()[0].connected());
        r.assign(18);
        r.lineReceived(3, honestReport(QStringLiteral("  ŁUCJA ŻAK")));
        QCOMPARE(r.results()[0].record.user, QStringLiteral("Łucja Żak"));
    }

    void onlyADisconnectedPupilLeavesTheList()
    {
        Classroom r(teacherDir->path());
        r.setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        PupilsModel model(r);
        for (int c = 1; c <= 3; ++c) {
            r.connectionOpened(c, QStringLiteral("10.0.0.%1").arg(c));
            r.lineReceived(c, QStringLiteral("1Uczeń %1").arg(c));
        }
        r.connectionClosed(1);
        QVERIFY(!r.removePupil(1)); // logged in
        QVERIFY(!r.removePupil(3));
        QVERIFY(r.removePupil(0));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0, PupilsModel::Name).data().toString(), QStringLiteral("Uczeń 2"));
        // The connections still find their pupils after the list moved up.
        r.assign(18, {1});
        r.lineReceived(3, honestReport(QStringLiteral("Uczeń 3")));
        QCOMPARE(r.pupils()[1].state, State::Finished);
        QCOMPARE(r.pupils()[0].state, State::Waiting);
    }

    // Ala has "Europa - Stolice" (code 18, 17 markers); what her connection sends next.
    void onlyTheAssignedTestsHonestResultIsTaken_data()
    {
        QTest::addColumn<QString>("before"); // assigned, nothing, result
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("taken"); // the title stored, or empty: refused
        QTest::addColumn<QString>("reason");
        const QString honest = honestReport(QStringLiteral("Ala"));
        const QString grade = singleTestGrade(17, 12).label;
        QTest::newRow("honest") << "assigned" << honest << "Test: Europa - Stolice" << "";
        QTest::newRow("the name typed otherwise") << "assigned" << honestReport(QStringLiteral(" ala ")) << "Test: Europa - Stolice" << "";
        QTest::newRow("no title: the window was closed by 01")
            << "assigned" << QStringLiteral("2Ala^^1 min 0 sek^17^12^5^%1^").arg(grade) << "Test: Europa - Stolice" << "";
        QTest::newRow("another pupil's name") << "assigned" << honestReport(QStringLiteral("Bartek")) << "" << "imię";
        QTest::newRow("no test assigned") << "nothing" << honest << "" << "nie dostał";
        QTest::newRow("a second result") << "result" << honest << "" << "drugi wynik";
        QTest::newRow("another test's title")
            << "assigned" << QStringLiteral("2Ala^Test: Europa - Góry^1 min 0 sek^17^12^5^%1^").arg(grade) << "" << "przydzielono";
        QTest::newRow("fields shifted by a ^") << "assigned" << "2Ala^Test: Europa - Stolice^a^b^c^d^e^" << "" << "czas";
        QTest::newRow("seconds above 59")
            << "assigned" << QStringLiteral("2Ala^Test: Europa - Stolice^1 min 75 sek^17^12^5^%1^").arg(grade) << "" << "czas";
        QTest::newRow("good and bad do not add up")
            << "assigned" << QStringLiteral("2Ala^Test: Europa - Stolice^1 min 0 sek^17^12^4^%1^").arg(grade) << "" << "nie dają";
        QTest::newRow("not the test's task count")
            << "assigned" << QStringLiteral("2Ala^Test: Europa - Stolice^1 min 0 sek^16^12^4^%1^").arg(singleTestGrade(16, 12).label)
            << "" << "zadań";
        QTest::newRow("a grade the score does not give")
            << "assigned" << "2Ala^Test: Europa - Stolice^1 min 0 sek^17^12^5^Celujący (6)^" << "" << "ocena";
    }
    void onlyTheAssignedTestsHonestResultIsTaken()
    {
        QFETCH(QString, before);
        QFETCH(QString, line);
        QFETCH(QString, taken);
        QFETCH(QString, reason);
        Classroom r(teacherDir->path());
        r.setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        QSignalSpy refused(&r, &Classroom::refused);
        r.connectionOpened(1, QStringLiteral("10.0.0.1"));
        r.lineReceived(1, QStringLiteral("1Ala"));
        r.connectionOpened(2, QStringLiteral("10.0.0.2"));
        r.lineReceived(2, QStringLiteral("1Bartek"));
        if (before != "nothing")
            r.assign(18, {0});
        if (before == "result")
            r.lineReceived(1, honestReport(QStringLiteral("Ala")));
        const size_t rowsBefore = r.results().size();
        const State stateBefore = r.pupils()[0].state;
        r.lineReceived(1, line);
        if (!taken.isEmpty()) {
            QCOMPARE(r.results().size(), rowsBefore + 1);
            QCOMPARE(r.results().back().record.title, taken);
            QCOMPARE(r.results().back().record.user, QStringLiteral("Ala"));
            QVERIFY(refused.isEmpty());
            return;
        }
        QCOMPARE(r.results().size(), rowsBefore);
        QCOMPARE(r.pupils()[0].state, stateBefore);
        QCOMPARE(r.pupils()[1].state, State::Waiting);
        QCOMPARE(refused.size(), 1);
        QVERIFY2(refused[0][0].toString().contains(reason), qPrintable(refused[0][0].toString()));
        QCOMPARE(r.refusedResults(), 1);
        QCOMPARE(teacherFile().count("\r\n"), before == "result" ? 7 : 0); // nothing refused is stored
    }

    void aResultAfterEndTestReplacesItsRow()
    {
        Classroom r(teacherDir->path());
        r.setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        r.connectionOpened(1, QStringLiteral("10.0.0.1"));
        r.lineReceived(1, QStringLiteral("1Ala"));
        r.assign(18);
        r.lineReceived(1, QStringLiteral("3Użytkownik^Obecnie rozwiązuje: Test: Europa - Stolice^10.0.0.1"));
        QCOMPARE(r.endTest(), 1);
        QCOMPARE(r.results()[0].record.grade, QStringLiteral("przerwano"));
        r.lineReceived(1, honestReport(QStringLiteral("Ala")));
        QCOMPARE(r.results().size(), size_t(1));
        QCOMPARE(r.results()[0].record.grade, singleTestGrade(17, 12).label);
        QCOMPARE(r.pupils()[0].state, State::Finished);
    }

    void anAssignmentNeverStartedLapses_data()
    {
        QTest::addColumn<int>("idleSeconds");
        QTest::addColumn<State>("state");
        QTest::newRow("90 s: may still start") << 90 << State::Assigned;
        QTest::newRow("91 s: never started") << 91 << State::Waiting;
    }
    void anAssignmentNeverStartedLapses()
    {
        QFETCH(int, idleSeconds);
        QFETCH(State, state);
        test::ManualClock clock;
        Classroom r(teacherDir->path());
        r.setTransport([](int, const QString &) {}, [](int) {});
        r.connectionOpened(1, QStringLiteral("10.0.0.1"));
        r.lineReceived(1, QStringLiteral("1Ala"));
        QCOMPARE(r.assign(30, {}), 1);
        clock.advance(qint64(idleSeconds) * 1000);
        r.lineReceived(1, protocol::statusIdle(QStringLiteral("10.0.0.1")));
        QCOMPARE(r.pupils()[0].state, state);
    }

    void loginNamesTheListCanShow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("admitted");
        QTest::newRow("forty letters") << QString(40, u'a') << true;
        QTest::newRow("forty-one letters") << QString(41, u'a') << false;
        QTest::newRow("a ^") << "Zly^Uczen" << false;
        QTest::newRow("a control character") << "Jan\x01Kowalski" << false;
        QTest::newRow("a tab") << "Jan\tKowalski" << false;
        QTest::newRow("blanks only") << "   " << false;
        QTest::newRow("a Polish name with blanks around") << "  Łucja Żak  " << true;
    }
    void loginNamesTheListCanShow()
    {
        QFETCH(QString, name);
        QFETCH(bool, admitted);
        Classroom r(teacherDir->path());
        QStringList sent;
        r.setTransport([&](int, const QString &line) { sent << line; }, [](int) {});
        QSignalSpy refused(&r, &Classroom::refused);
        r.connectionOpened(1, QStringLiteral("10.0.0.1"));
        r.lineReceived(1, QStringLiteral("1") + name);
        QCOMPARE(sent, QStringList{admitted ? QStringLiteral("02") : QStringLiteral("04")});
        QCOMPARE(int(r.pupils().size()), admitted ? 1 : 0);
        QCOMPARE(refused.size(), admitted ? 0 : 1);
    }

    void idleFloodingAndCrowdingConnectionsAreClosed()
    {
        test::ManualClock clock; // the limits count on its ticks
        QSignalSpy said(server.get(), &ClassroomServer::limitReached);
        Session &ala = loggedIn(QStringLiteral("Ala"));
        const auto open = [&] {
            auto s = std::make_unique<QTcpSocket>();
            s->connectToHost(QHostAddress::LocalHost, server->sessionPort());
            s->waitForConnected(5000);
            QTest::qWait(5); // the server, in this same thread, takes it
            return s;
        };
        const auto closed = [&](QTcpSocket &s) {
            return waitFor([&] { return s.state() == QAbstractSocket::UnconnectedState; });
        };

        auto idle = open();
        QVERIFY(waitFor([&] { return server->openConnections() == 2; }));
        clock.advance(29 * 1000);
        server->closeIdle();
        QCOMPARE(server->openConnections(), 2);
        clock.advance(1000);
        server->closeIdle();
        QVERIFY(closed(*idle));

        auto flood = open();
        flood->write("1Potok\r\n");
        QVERIFY(waitFor([&] { return room->connectedCount() == 2; }));
        for (int i = 0; i <= ClassroomServer::kMaxLinesPerSecond; ++i)
            flood->write("rubbish\r\n");
        QVERIFY(closed(*flood));

        std::vector<std::unique_ptr<QTcpSocket>> crowd;
        for (int i = 0; i < ClassroomServer::kMaxWaitingForLogin; ++i)
            crowd.push_back(open());
        QVERIFY(waitFor([&] { return server->openConnections() == 1 + ClassroomServer::kMaxWaitingForLogin; }));
        auto oneTooMany = open();
        QVERIFY(closed(*oneTooMany));
        for (int i = 0; i < 3; ++i)
            crowd.push_back(open()); // refused too, and not logged again

        QVERIFY(waitFor([&] { return server->limitsReached().waiting == 4; }));
        QCOMPARE(server->limitsReached().idle, 1);
        QCOMPARE(server->limitsReached().flooding, 1);
        QCOMPARE(said.size(), 3);
        // The pupil logged in noticed nothing.
        QVERIFY(ala.connectionUp());
        QCOMPARE(pupil(QStringLiteral("Ala"))->state, State::Waiting);
        QCOMPARE(room->requestStates(), 1);
        QVERIFY(tick(ala));
    }
};

QTEST_GUILESS_MAIN(TestClassroom)
#include "tst_classroom.moc"
