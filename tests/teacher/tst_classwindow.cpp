#include "Parts.h"
#include "AssignDialog.h"
#include "ClassWindow.h"
#include "Scripted.h"
#include "SettingsDialog.h"
#include "net/Protocol.h"
#include "platform/Files.h"
#include "quiz/Grades.h"
#include "platform/LineFile.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace tv;
using namespace tv::test::parts;

using namespace tv::teacher;

// The teacher's window over a server on the loopback address, with pupils
// played by bare sockets that speak the pupil's lines.
class TestClassWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ScriptedServices> services;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Classroom> room;
    std::unique_ptr<ClassroomServer> server;
    TeacherSettings settings;
    std::unique_ptr<ClassWindow> window;
    std::vector<std::unique_ptr<QTcpSocket>> pupils;

    bool waitFor(const std::function<bool()> &condition)
    {
        for (int i = 0; i < 500 && !condition(); ++i)
            QTest::qWait(10);
        return condition();
    }
    QTcpSocket &pupil(const QByteArray &name)
    {
        pupils.push_back(std::make_unique<QTcpSocket>());
        QTcpSocket &s = *pupils.back();
        s.connectToHost(QHostAddress::LocalHost, server->sessionPort());
        s.waitForConnected(5000);
        s.write("1" + name + "\r\n");
        waitFor([&] { return s.bytesAvailable() >= 4; });
        s.read(4); // "02"
        return s;
    }
    QByteArray nextLine(QTcpSocket &s)
    {
        waitFor([&] { return s.canReadLine(); });
        return s.readLine();
    }
    // What an honest pupil's program sends for "Europa - Stolice" (17 markers).
    static void sendResult(QTcpSocket &s, const QString &name, const QString &time, int good)
    {
        s.write(protocol::encodeLine(QStringLiteral("2%1^Test: Europa - Stolice^%2^17^%3^%4^%5^")
                                         .arg(name, time)
                                         .arg(good)
                                         .arg(17 - good)
                                         .arg(singleTestGrade(17, good).label)));
        s.flush();
    }
    static void reportSolving(QTcpSocket &s)
    {
        s.write(protocol::encodeLine(QStringLiteral("3Użytkownik^Obecnie rozwiązuje: Test: Europa - Stolice^10.0.0.9")));
        s.flush();
    }

private slots:
    void init()
    {
        services = std::make_unique<test::ScriptedServices>();
        dir = std::make_unique<QTemporaryDir>();
        room = std::make_unique<Classroom>(dir->path());
        room->setContentDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        ServerEndpoints e;
        e.bindAddress = QHostAddress(QHostAddress::LocalHost);
        e.discoveryUdpPort = e.discoveryTcpPort = e.sessionPort = 0;
        server = std::make_unique<ClassroomServer>(*room, e);
        settings = {QStringLiteral("tajne12"), false};
        server->setPassword(settings.password);
        QVERIFY(server->start());
        window = std::make_unique<ClassWindow>(*room, *server, settings, dir->path());
        window->updateSummary();
    }
    void cleanup()
    {
        pupils.clear();
        window.reset();
        server.reset();
        room.reset();
        dir.reset();
        services.reset();
    }

    void summaryAndTheCatalogueToChooseFrom()
    {
        pupil("Ala");
        QVERIFY(waitFor([&] { return room->connectedCount() == 1; }));
        QVERIFY(window->summary().contains(QStringLiteral("127.0.0.1")));
        QVERIFY(window->summary().contains(QStringLiteral("Hasło dostępu: tajne12")));
        QVERIFY(window->summary().contains(QStringLiteral("Zalogowani: 1 z 1")));
        AssignDialog dialog(QStringLiteral("wszyscy"));
        int tests = 0;
        for (QTreeWidgetItemIterator it(tree(&dialog), QTreeWidgetItemIterator::NoChildren); *it; ++it)
            ++tests;
        QCOMPARE(tests, 56);
        QCOMPARE(tree(&dialog)->topLevelItem(tree(&dialog)->topLevelItemCount() - 1)->text(0),
                 QStringLiteral("Wszystko o..."));
        QVERIFY(!okButton(&dialog)->isEnabled()); // a region is not a test
        QVERIFY(dialog.choose(48));
        QCOMPARE(tree(&dialog)->currentItem()->text(0), QStringLiteral("Różne - Wyśokosci gór"));
        QVERIFY(okButton(&dialog)->isEnabled());
    }

    void assignToTheSelectedOrToAll()
    {
        QTcpSocket &ala = pupil("Ala");
        QTcpSocket &bartek = pupil("Bartek");
        QVERIFY(waitFor([&] { return room->connectedCount() == 2; }));
        services->onModal = [](QDialog &d) {
            static_cast<AssignDialog &>(d).choose(61);
            return int(QDialog::Accepted);
        };
        test::named<QTableView>(window.get(), "pupils")->selectRow(1);
        window->assignToSelected();
        QCOMPARE(services->modals, QStringList{"assignDialog"});
        QCOMPARE(nextLine(bartek), QByteArray("161\r\n"));
        QTest::qWait(20);
        QCOMPARE(ala.bytesAvailable(), 0);
        window->assignToAll();
        QCOMPARE(nextLine(ala), QByteArray("161\r\n"));
        QCOMPARE(nextLine(bartek), QByteArray("161\r\n"));
        QVERIFY(window->summary().contains(QStringLiteral("Trwa test")));
        // Cancelled: nothing goes.
        services->onModal = nullptr;
        window->assignToAll();
        QTest::qWait(20);
        QCOMPARE(ala.bytesAvailable(), 0);
    }

    void commandsThatAskFirst_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("forget, no") << QMessageBox::No << QByteArray();
        QTest::newRow("forget, yes") << QMessageBox::Yes << QByteArray("08\r\n");
    }
    void commandsThatAskFirst()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, line);
        QTcpSocket &ala = pupil("Ala");
        QVERIFY(waitFor([&] { return room->connectedCount() == 1; }));
        services->answers = {answer};
        window->forgetConfiguration();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages[0].icon, Services::Icon::Question);
        if (line.isEmpty()) {
            QTest::qWait(20);
            QCOMPARE(ala.bytesAvailable(), 0);
        } else {
            QCOMPARE(nextLine(ala), line);
        }
    }

    void messageEndTestAndEndLesson()
    {
        QTcpSocket &ala = pupil("Ala");
        QVERIFY(waitFor([&] { return room->connectedCount() == 1; }));
        services->inputAnswers = {QStringLiteral("Zostało\n5 minut")};
        window->sendMessage();
        QCOMPARE(nextLine(ala), QByteArray("05Zosta\xb3o 5 minut\r\n"));
        room->assign(10);
        QCOMPARE(nextLine(ala), QByteArray("110\r\n"));
        window->endTest();
        QCOMPARE(nextLine(ala), QByteArray("01\r\n"));
        window->refreshStates();
        QCOMPARE(nextLine(ala), QByteArray("06\r\n"));
        window->endLesson();
        QCOMPARE(nextLine(ala), QByteArray("00\r\n"));
    }

    void endingWhilePupilsSolveAsksFirst()
    {
        QTcpSocket &ala = pupil("Ala");
        pupil("Bartek");
        QVERIFY(waitFor([&] { return room->connectedCount() == 2; }));
        QCOMPARE(room->assign(18), 2);
        QCOMPARE(nextLine(ala), QByteArray("118\r\n"));
        for (QTcpSocket *s : {pupils[0].get(), pupils[1].get()})
            reportSolving(*s);
        QVERIFY(waitFor([&] { return room->pupils()[1].state == Pupil::State::Solving; }));
        services->answers = {QMessageBox::No};
        window->endLesson();
        QVERIFY(services->lastText().startsWith(
            QStringLiteral("Uwaga: 2 uczniowie nadal rozwiązują test. Ich wyniki nie zostaną zapisane.\r\n"
                           "Zakończyć lekcję?")));
        QTest::qWait(20);
        QCOMPARE(ala.bytesAvailable(), 0);
        services->answers = {QMessageBox::Yes};
        window->endTest();
        QVERIFY(window->statusBar()->currentMessage().endsWith(QStringLiteral("Test przerwano: 2 uczniom.")));
        QCOMPARE(room->results().size(), size_t(2));
        QCOMPARE(test::named<QTableView>(window.get(), "results")->model()->index(0, ResultsModel::Grade).data().toString(),
                 QStringLiteral("przerwano"));
    }

    void onlyDisconnectedPupilsAreRemoved()
    {
        QTcpSocket &ala = pupil("Ala");
        pupil("Bartek");
        QVERIFY(waitFor([&] { return room->connectedCount() == 2; }));
        test::named<QTableView>(window.get(), "pupils")->selectAll();
        QVERIFY(!test::named<QPushButton>(window.get(), "removeDisconnected")->isEnabled());
        ala.disconnectFromHost();
        QVERIFY(waitFor([&] { return room->connectedCount() == 1; }));
        QVERIFY(test::named<QPushButton>(window.get(), "removeDisconnected")->isEnabled());
        window->removeDisconnected();
        QCOMPARE(test::named<QTableView>(window.get(), "pupils")->model()->rowCount(), 1);
        QCOMPARE(room->pupils()[0].name, QStringLiteral("Bartek"));
        QVERIFY(window->statusBar()->currentMessage().endsWith(QStringLiteral("Usunięto z listy: 1 ucznia.")));
    }

    void resultsSortExportAndPrint()
    {
        QTcpSocket &ala = pupil("Ala");
        QTcpSocket &bartek = pupil("Bartek");
        QTcpSocket &celina = pupil("=Celina");
        QVERIFY(waitFor([&] { return room->connectedCount() == 3; }));
        QCOMPARE(room->assign(18), 3);
        // One after the other, so that the rows come in this order: three
        // connections carry no order between them.
        sendResult(ala, QStringLiteral("Ala"), QStringLiteral("9 min 5 sek"), 12);
        QVERIFY(waitFor([&] { return room->results().size() == 1; }));
        sendResult(bartek, QStringLiteral("Bartek"), QStringLiteral("10 min 0 sek"), 17);
        QVERIFY(waitFor([&] { return room->results().size() == 2; }));
        sendResult(celina, QStringLiteral("=Celina"), QStringLiteral("2 min 59 sek"), 6);
        QVERIFY(waitFor([&] { return room->results().size() == 3; }));
        QTableView *view = test::named<QTableView>(window.get(), "results");
        view->sortByColumn(ResultsModel::Time, Qt::AscendingOrder);
        QCOMPARE(window->resultsInViewOrder(), (std::vector<int>{2, 0, 1}));
        view->sortByColumn(ResultsModel::Grade, Qt::DescendingOrder);
        QCOMPARE(window->resultsInViewOrder(), (std::vector<int>{1, 0, 2}));

        const QString csv = dir->filePath(QStringLiteral("klasa.csv"));
        services->fileAnswers = {csv};
        window->exportCsv();
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF")); // spreadsheets then read it as UTF-8
        const QStringList rows = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(rows[0], QStringLiteral("Uczeń;Test;Czas;Zadań;Dobrych;Błędnych;Ocena;Otrzymano"));
        QVERIFY(rows[1].startsWith(QStringLiteral("Bartek;Test: Europa - Stolice;10 min 0 sek;17;17;0;Celujący (6);")));
        QVERIFY(rows[3].startsWith(QStringLiteral("\"'=Celina\";")));

        services->printAnswer = false;
        window->print();
        QCOMPARE(services->printDialogs, 1);
    }

    void helpOpensTheLessonPage()
    {
        files::setDataDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
        window->openHelp();
        files::setDataDir(dir->path()); // no help there
        window->openHelp();
        files::setDataDir(QString());
        QCOMPARE(services->opened.size(), 1);
        QVERIFY(services->opened[0].toLocalFile().endsWith(QStringLiteral("/Pomoc/nauczyciel.html")));
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages[0].icon, Services::Icon::Error);
    }

    void settingsWantAUsablePassword()
    {
        services->onModal = [this](QDialog &d) {
            auto &dialog = static_cast<SettingsDialog &>(d);
            passwordEdit(&dialog)->clear();
            okButton(&dialog)->click();
            if (d.result() == QDialog::Accepted || services->messages.size() != 1)
                return int(QDialog::Rejected);
            passwordEdit(&dialog)->setText(QStringLiteral("nowe haslo"));
            lateBox(&dialog)->setChecked(true);
            okButton(&dialog)->click();
            return d.result();
        };
        window->openSettings();
        QCOMPARE(services->messages.value(0).text, QStringLiteral("Hasło nie może być puste."));
        QCOMPARE(server->password(), QStringLiteral("nowe haslo"));
        QVERIFY(room->admitLateComers());
        const lines::ReadResult stored = lines::readFile(dir->filePath(QStringLiteral("Nauczyciel.dat")));
        QCOMPARE(stored.lines, (QStringList{"nowe haslo", "1"}));
        QVERIFY(window->summary().contains(QStringLiteral("nowe haslo")));
    }
};

QTEST_MAIN(TestClassWindow)
#include "tst_classwindow.moc"
