#include "Scripted.h"
#include "StandInServer.h"
#include "net/Session.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace tv;

// The session against a stand-in server on the loopback address: the login,
// the tick that reads one line at a time, and how the connection ends.
class TestSession : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDataDir> data;
    std::unique_ptr<test::StandInServer> server;
    std::unique_ptr<Session> session;

    bool connectAs(const QString &name)
    {
        session->connectToServer(QStringLiteral("127.0.0.1"), name);
        if (!server->waitForClient())
            return false;
        for (int i = 0; i < 500 && !session->connectionUp(); ++i)
            QTest::qWait(10);
        return session->connectionUp();
    }
    // The server sends a line; one tick carries it out once it has arrived.
    void tickWith(const QByteArray &line)
    {
        server->sendLine(line);
        QTRY_VERIFY_WITH_TIMEOUT(session->lineWaiting(), 5000);
        session->pollTick();
    }

private slots:
    void init()
    {
        data = std::make_unique<test::TempDataDir>();
        server = std::make_unique<test::StandInServer>();
        session = std::make_unique<Session>();
        session->endpoints() = server->endpoints();
    }
    void cleanup()
    {
        session.reset();
        server.reset();
        data.reset();
    }

    void loginRequestAndPolling()
    {
        QSignalSpy connected(session.get(), &Session::connected);
        QVERIFY(connectAs(QStringLiteral("Jaś Nowak")));
        QVERIFY(session->active());
        QCOMPARE(connected.size(), 1);
        QVERIFY(server->waitForLines(1));
        QCOMPARE(server->received(), QByteArray("1Ja\x9c Nowak\r\n"));
        QVERIFY(session->serverPoll().isActive());
        QCOMPARE(session->serverPoll().interval(), 1000);
    }

    void connectingAgainWhileConnectedIsIgnored()
    {
        QVERIFY(connectAs(QStringLiteral("Ola")));
        session->connectToServer(QStringLiteral("127.0.0.1"), QStringLiteral("Ala"));
        QVERIFY(session->connectionUp());
        QTest::qWait(20);
        QVERIFY(server->clientConnected());
        QCOMPARE(server->lines(), QStringList{"1Ola"});
        QCOMPARE(session->loginName(), QStringLiteral("Ola"));
    }

    void failedAttemptLowersTheFlag()
    {
        server->stopListening();
        QSignalSpy failed(session.get(), &Session::connectFailed);
        session->connectToServer(QStringLiteral("127.0.0.1"), QStringLiteral("Ola"));
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 5000);
        QCOMPARE(session->disconnectReason(), 5);
        QVERIFY(!session->active());
        QVERIFY(!session->serverPoll().isActive());
    }

    void oneLinePerTickInOrder()
    {
        QVERIFY(connectAs(QStringLiteral("Ola")));
        QSignalSpy messages(session.get(), &Session::teacherMessage);
        server->send("05pierwsza\r\n05druga\n");
        QTRY_VERIFY_WITH_TIMEOUT(session->lineWaiting(), 5000);
        session->pollTick();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral("pierwsza"));
        session->pollTick();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages.at(1).at(0).toString(), QStringLiteral("druga"));
        session->pollTick(); // nothing waits: nothing happens, polling goes on
        QCOMPARE(messages.size(), 2);
        QVERIFY(session->serverPoll().isActive());
    }

    void aTickWaitsAMomentForALine()
    {
        QVERIFY(connectAs(QStringLiteral("Ola")));
        QSignalSpy state(session.get(), &Session::stateRequested);
        // On its way, not yet taken in by the program: the tick's short wait
        // reads it.
        server->sendLine("06");
        session->pollTick();
        QCOMPARE(state.size(), 1);
    }

    void badLinesAreIgnoredAndPollingGoesOn()
    {
        QVERIFY(connectAs(QStringLiteral("Ola")));
        QSignalSpy state(session.get(), &Session::stateRequested);
        QSignalSpy assigned(session.get(), &Session::assignmentReceived);
        QSignalSpy ended(session.get(), &Session::connectionEnded);
        const QList<QByteArray> bad = {"0", "1", "09", "15", "199", "0x", "1x5"};
        for (const QByteArray &line : bad)
            server->sendLine(line);
        server->sendLine("05" + QByteArray(20000, 'x')); // too long: never a tick's line
        server->sendLine("06");
        for (int i = 0; i < bad.size(); ++i) {
            QTRY_VERIFY_WITH_TIMEOUT(session->lineWaiting(), 5000);
            session->pollTick();
            QVERIFY(session->serverPoll().isActive());
        }
        QVERIFY(state.isEmpty() && assigned.isEmpty() && ended.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(session->lineWaiting(), 5000);
        session->pollTick();
        QCOMPARE(state.size(), 1);
    }

    void commands_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("reason");     // connectionEnded's reason, -1 when it stays up
        QTest::addColumn<bool>("stillActive");
        QTest::newRow("00 ends the session") << QByteArray("00") << 0 << true;
        QTest::newRow("04 refuses the name") << QByteArray("04") << 4 << false;
        QTest::newRow("07 refuses while pupils are solving") << QByteArray("07") << 7 << true;
        QTest::newRow("01 keeps the connection") << QByteArray("01") << -1 << true;
        QTest::newRow("02 keeps the connection") << QByteArray("02") << -1 << true;
    }
    void commands()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, reason);
        QFETCH(bool, stillActive);
        QVERIFY(connectAs(QStringLiteral("Ola")));
        session->setUserName(QStringLiteral("Ola"));
        QSignalSpy ended(session.get(), &Session::connectionEnded);
        QSignalSpy endSession(session.get(), &Session::endSessionRequested);
        QSignalSpy endTest(session.get(), &Session::endTestRequested);
        QSignalSpy accepted(session.get(), &Session::loginAccepted);
        tickWith(line);
        QCOMPARE(session->active(), stillActive);
        QCOMPARE(endSession.size(), line == "00" ? 1 : 0);
        QCOMPARE(endTest.size(), line == "01" ? 1 : 0);
        QCOMPARE(accepted.size(), line == "02" ? 1 : 0);
        if (reason < 0) {
            QVERIFY(ended.isEmpty());
            QVERIFY(session->connectionUp());
            QCOMPARE(session->userName(), QStringLiteral("Ola"));
            return;
        }
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), reason);
        QCOMPARE(session->disconnectReason(), reason);
        QVERIFY(!session->connectionUp());
        if (line != "07")
            QCOMPARE(session->userName(), QString());
        // The server sees the connection go, and the next tick ends polling.
        QTRY_VERIFY_WITH_TIMEOUT(!server->clientConnected(), 5000);
        session->pollTick();
        QVERIFY(!session->serverPoll().isActive());
        QCOMPARE(ended.size(), 1);
    }

    void anotherNameAfterARefusal()
    {
        QVERIFY(connectAs(QStringLiteral("Ola")));
        tickWith("04");
        QVERIFY(connectAs(QStringLiteral("Ola Nowak")));
        QVERIFY(session->active());
        QCOMPARE(session->disconnectReason(), 11); // a later loss ends the program again
        QVERIFY(server->waitForLines(2));
        QCOMPARE(server->lines(), (QStringList{"1Ola", "1Ola Nowak"}));
    }

    void forgettingTheServerKeepsTheSession()
    {
        data->write(QStringLiteral("Net_konf.dat"), "127.0.0.1\r\n");
        session->setPasswordPlace(PasswordPlace::WindowsFolder);
        QVERIFY(connectAs(QStringLiteral("Ola")));
        tickWith("08");
        QVERIFY(!data->has(QStringLiteral("Net_konf.dat")));
        QVERIFY(session->connectionUp());
        QVERIFY(session->serverPoll().isActive());
    }

    void serverClosingEndsTheConnection()
    {
        QVERIFY(connectAs(QStringLiteral("Ola")));
        QSignalSpy ended(session.get(), &Session::connectionEnded);
        session->setDisconnectReason(8);
        server->dropClient();
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 5000); // at once, without a tick
        QCOMPARE(ended.at(0).at(0).toInt(), 8);
        QVERIFY(!session->serverPoll().isActive());
    }

    void linesBeforeTheCloseAreStillCarriedOut()
    {
        QVERIFY(connectAs(QStringLiteral("Ola")));
        QSignalSpy messages(session.get(), &Session::teacherMessage);
        QSignalSpy ended(session.get(), &Session::connectionEnded);
        server->send("05koniec lekcji\n00\n");
        server->dropClient();
        QTRY_VERIFY_WITH_TIMEOUT(!session->connectionUp(), 5000);
        QVERIFY(ended.isEmpty());
        session->pollTick();
        QCOMPARE(messages.size(), 1);
        session->pollTick();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.at(0).at(0).toInt(), 0); // "00" decided the message
    }

    void nothingIsSentWithoutAConnection()
    {
        QVERIFY(!session->send(QStringLiteral("2x^")));
        QVERIFY(connectAs(QStringLiteral("Ola")));
        session->leave();
        QVERIFY(!session->active());
        QVERIFY(!session->send(QStringLiteral("2x^")));
        QTRY_VERIFY_WITH_TIMEOUT(!server->clientConnected(), 5000);
        QCOMPARE(server->lines(), QStringList{"1Ola"});
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
