#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "net/AssignmentPrompt.h"
#include "net/LoginWindow.h"
#include "net/Session.h"
#include "platform/LineFile.h"
#include "quiz/TestWindow.h"
#include "results/ResultDialog.h"
#include "teacher/ClassroomServer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv;
using namespace tv::test::parts;

// The pupil's whole program in a lesson of the teacher's server, on the
// loopback address: the login window, the assigned test launched from its
// prompt, and the result that lands in the teacher's results file.
class TestTeacherLesson : public test::UiTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> teacherDir;
    std::unique_ptr<teacher::Classroom> room;
    std::unique_ptr<teacher::ClassroomServer> server;

    Session &session() { return app->state().session; }
    void tickWhenLineArrives()
    {
        QTRY_VERIFY_WITH_TIMEOUT(session().lineWaiting(), 5000);
        session().pollTick();
    }

    // The pupil presses "Wyślij" in the result dialog when it comes.
    void pupilSendsTheResult()
    {
        services->onModal = [](QDialog &dlg) -> int {
            auto *r = qobject_cast<ResultDialog *>(&dlg);
            if (!r)
                return QDialog::Rejected;
            r->show();
            sendButton(r)->click();
            return r->result();
        };
    }
    // The window system moves the focus: QApplication's own activation, which
    // sends every widget the same events as a click on another window does.
    static void activate(QWidget &window)
    {
        QApplication::setActiveWindow(&window);
        QTest::qWait(10);
        QTRY_VERIFY(window.isActiveWindow());
    }
    // The focus goes to `other` and comes back to the main window. Under X11
    // the child area then reports no active child, and the same child again;
    // the offscreen platform sends neither, so the test repeats both.
    void awayAndBack(QWidget &other)
    {
        MainWindow &main = app->mainWindow();
        QMdiArea *area = main.childArea();
        QMdiSubWindow *child = area->activeSubWindow();
        QVERIFY(child);
        other.show();
        activate(other);
        emit area->subWindowActivated(nullptr);
        other.close();
        activate(main);
        emit area->subWindowActivated(child);
    }
    // A message box of the program comes over the window and goes.
    void messageBoxOver()
    {
        QMessageBox box(&app->mainWindow());
        awayAndBack(box);
    }
    // The pupil clicks another program and comes back; then a message box.
    void focusAwayAndBack()
    {
        QWidget other;
        awayAndBack(other);
        messageBoxOver();
    }
    TestWindow *openAssignedTest(const CatalogueEntry *entry)
    {
        test::writeMapTest(*data, entry->configurationFile, entry->descriptionFile, entry->pictureFile,
                           {{10, 20}, {150, 40}, {300, 60}}, {"Wiedeń11", "Praga12", "Berlin13"});
        nameEdit(&app->loginWindow())->setText(QStringLiteral("Zoja Łęcka"));
        okButton(&app->loginWindow())->click();
        tickWhenLineArrives(); // "02"
        app->mainWindow().show();
        activate(app->mainWindow());
        if (room->assign(entry->code) != 1)
            return nullptr;
        tickWhenLineArrives();
        okButton(&app->assignmentPrompt())->click();
        return app->launcher().testWindow();
    }

private slots:
    void init()
    {
        begin();
        data->write(QStringLiteral("Net_konf.dat"), "127.0.0.1\r\n");
        createApp();
        teacherDir = std::make_unique<QTemporaryDir>();
        room = std::make_unique<teacher::Classroom>(teacherDir->path());
        room->setContentDir(data->path());
        teacher::ServerEndpoints e;
        e.bindAddress = QHostAddress(QHostAddress::LocalHost);
        e.discoveryUdpPort = e.discoveryTcpPort = e.sessionPort = 0;
        server = std::make_unique<teacher::ClassroomServer>(*room, e);
        QVERIFY(server->start());
        protocol::Endpoints client;
        client.sessionPort = server->sessionPort();
        client.fixedLocalAddress = QStringLiteral("10.0.0.5");
        session().endpoints() = client;
        // The test drives the ticks; the program's own timer must not take a line first.
        session().serverPoll().setInterval(24 * 3600 * 1000);
        app->loginWindow().show();
    }
    void cleanup()
    {
        end();
        server.reset();
        room.reset();
        teacherDir.reset();
    }

    void assignedTestLaunchedAndItsResultStored()
    {
        const CatalogueEntry *entry = catalogue::findByCode(18);
        test::writeMapTest(*data, entry->configurationFile, entry->descriptionFile, entry->pictureFile,
                           {{10, 20}, {150, 40}, {300, 60}}, {"Wiedeń11", "Praga12", "Berlin13"});
        nameEdit(&app->loginWindow())->setText(QStringLiteral("Zoja Łęcka"));
        okButton(&app->loginWindow())->click();
        tickWhenLineArrives(); // "02"
        QVERIFY(!app->loginWindow().isVisible());
        QCOMPARE(room->connectedCount(), 1);

        QCOMPARE(room->assign(18), 1);
        tickWhenLineArrives();
        QVERIFY(app->assignmentPrompt().isVisible());
        QCOMPARE(testLine(&app->assignmentPrompt())->text(), entry->promptName);
        okButton(&app->assignmentPrompt())->click();
        QCOMPARE(app->mainWindow().title(), entry->title);
        TestWindow *w = app->launcher().testWindow();
        QVERIFY(w);

        // The teacher asks; the pupil's program says which test is open.
        room->requestStates();
        tickWhenLineArrives();
        QTRY_COMPARE_WITH_TIMEOUT(room->pupils()[0].state, teacher::Pupil::State::Solving, 5000);
        QCOMPARE(room->pupils()[0].test, entry->title);

        w->onActivated();
        w->onStartDelay();
        pupilSendsTheResult();
        w->showResult();
        QTRY_COMPARE_WITH_TIMEOUT(room->results().size(), size_t(1), 5000);
        const ResultRecord expected{"Zoja Łęcka", entry->title, "0 min 0 sek", "3", "0", "3", "Niedostateczny (1)"};
        QFile f(teacherDir->filePath(QStringLiteral("Wyniki.tvw")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), lines::join(expected.lines()));
        QCOMPARE(room->pupils()[0].grade, QStringLiteral("Niedostateczny (1)"));
    }

    void focusChangesDuringAnAssignedTest_data()
    {
        QTest::addColumn<bool>("teacherEnds");
        QTest::newRow("the pupil finishes") << false;
        QTest::newRow("the teacher ends the test") << true;
    }
    void focusChangesDuringAnAssignedTest()
    {
        QFETCH(bool, teacherEnds);
        const CatalogueEntry *entry = catalogue::findByCode(18);
        TestWindow *w = openAssignedTest(entry);
        QVERIFY(w);
        w->onStartDelay();
        focusAwayAndBack();
        QAction *result = w->command(TestCommand::ResultItem);
        QVERIFY(result->isEnabled());
        if (!teacherEnds) {
            pupilSendsTheResult();
            result->trigger();
            QTRY_COMPARE_WITH_TIMEOUT(room->results().size(), size_t(1), 5000);
            QCOMPARE(room->results()[0].outcome, teacher::ClassResult::Outcome::Result);
            QTRY_VERIFY(!app->launcher().testWindow());
            return;
        }
        // The "01" message box closes over the test window before it is closed.
        services->onMessage = [this] { messageBoxOver(); };
        room->requestStates(); // as the teacher's program does every 10 seconds
        tickWhenLineArrives();
        QTRY_COMPARE_WITH_TIMEOUT(room->pupils()[0].state, teacher::Pupil::State::Solving, 5000);
        QCOMPARE(room->endTest(), 1);
        tickWhenLineArrives();
        QCOMPARE(services->lastText(),
                 QStringLiteral("Administrator - Nauczyciel: Wyłączył Tobie aktualny test który rozwiązywałeś(aś)"));
        QTRY_VERIFY(!app->launcher().testWindow());
        room->requestStates();
        tickWhenLineArrives();
        QTest::qWait(200); // the pupil's answer to "06"
        QCOMPARE(room->pupils()[0].state, teacher::Pupil::State::Waiting);
        QVERIFY(!room->testRunning());
        QCOMPARE(room->results()[0].record.grade, QStringLiteral("przerwano"));

        QTcpSocket late;
        late.connectToHost(QHostAddress::LocalHost, server->sessionPort());
        QVERIFY(late.waitForConnected(5000));
        late.write("1Lena\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(late.canReadLine(), 5000);
        QCOMPARE(late.readLine(), QByteArray("02\r\n"));
    }
};

QTEST_MAIN(TestTeacherLesson)
#include "tst_teacherlesson.moc"
