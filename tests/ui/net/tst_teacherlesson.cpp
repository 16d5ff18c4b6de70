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

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv;

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

private slots:
    void init()
    {
        begin();
        data->write(QStringLiteral("Net_konf.dat"), "127.0.0.1\r\n");
        createApp();
        teacherDir = std::make_unique<QTemporaryDir>();
        room = std::make_unique<teacher::Classroom>(teacherDir->path());
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
        app->loginWindow().nameEdit->setText(QStringLiteral("Zoja Łęcka"));
        app->loginWindow().okButton->click();
        tickWhenLineArrives(); // "02"
        QVERIFY(!app->loginWindow().isVisible());
        QCOMPARE(room->connectedCount(), 1);

        QCOMPARE(room->assign(18), 1);
        tickWhenLineArrives();
        QVERIFY(app->assignmentPrompt().isVisible());
        QCOMPARE(app->assignmentPrompt().testLine->text(), entry->promptName);
        app->assignmentPrompt().okButton->click();
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
        services->onModal = [](QDialog &dlg) -> int {
            auto *r = qobject_cast<ResultDialog *>(&dlg);
            if (!r)
                return QDialog::Rejected;
            r->show();
            r->sendButton->click();
            return r->result();
        };
        w->showResult();
        QTRY_COMPARE_WITH_TIMEOUT(room->results().size(), size_t(1), 5000);
        const ResultRecord expected{"Zoja Łęcka", entry->title, "0 min 0 sek", "3", "0", "3", "Niedostateczny (1)"};
        QFile f(teacherDir->filePath(QStringLiteral("Wyniki.tvw")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), lines::join(expected.lines()));
        QCOMPARE(room->pupils()[0].grade, QStringLiteral("Niedostateczny (1)"));
    }
};

QTEST_MAIN(TestTeacherLesson)
#include "tst_teacherlesson.moc"
