#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "StandInServer.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "net/AssignmentPrompt.h"
#include "net/LoginWindow.h"
#include "net/Session.h"
#include "platform/Files.h"
#include "quiz/TestWindow.h"
#include "results/ResultDialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tv;

namespace {

using namespace tv::test::parts;

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

// A pupil's session against a stand-in teacher's server on the loopback
// address: the login window, the server's commands, assigned tests and the
// results sent back.
class TestClientSession : public test::UiTest {
    Q_OBJECT

    std::unique_ptr<test::StandInServer> server;

    Session &session() { return app->state().session; }
    MainWindow *main() { return &app->mainWindow(); }
    LoginWindow &login() { return app->loginWindow(); }
    AssignmentPrompt &prompt() { return app->assignmentPrompt(); }

    void writePassword(const QByteArray &line)
    {
        QVERIFY(files::ensureDir(files::windowsDir()));
        QFile f(files::resolve(files::windowsDir(), QStringLiteral("tvpass.dat")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(line);
    }
    // The pupil gives a name and presses OK; true once the server has the
    // login request.
    bool logIn(const QString &name, int linesBefore = 0)
    {
        nameEdit(&login())->setText(name);
        okButton(&login())->click();
        return server->waitForClient() && server->waitForLines(linesBefore + 1);
    }
    // The server sends a line; one tick carries it out once it has arrived.
    void tickWith(const QByteArray &line)
    {
        server->sendLine(line);
        QTRY_VERIFY_WITH_TIMEOUT(session().lineWaiting(), 5000);
        session().pollTick();
    }
    void loggedInAs(const QString &name)
    {
        QVERIFY(logIn(name));
        tickWith("02");
        QVERIFY(!login().isVisible());
    }
    TestWindow *testWindow()
    {
        flushDeletes();
        return app->launcher().testWindow();
    }
    int testWindows()
    {
        flushDeletes();
        int n = 0;
        for (QMdiSubWindow *sub : main()->childArea()->subWindowList())
            n += qobject_cast<TestWindow *>(sub->widget()) ? 1 : 0;
        return n;
    }
    void writeTest(int code)
    {
        const CatalogueEntry *e = catalogue::findByCode(code);
        test::writeMapTest(*data, e->configurationFile, e->descriptionFile, e->pictureFile,
                           {{10, 20}, {150, 40}, {300, 60}}, {"Wiedeń11", "Praga12", "Berlin13"});
    }

private slots:
    void init()
    {
        begin();
        data->write(QStringLiteral("Net_konf.dat"), "127.0.0.1\r\n");
        createApp();
        server = std::make_unique<test::StandInServer>();
        session().endpoints() = server->endpoints();
        session().setPasswordPlace(PasswordPlace::WindowsFolder);
        login().show();
    }
    void cleanup()
    {
        server.reset();
        end();
    }

    void loginWindowAsShown()
    {
        LoginWindow &w = login();
        QCOMPARE(w.windowTitle(), QStringLiteral("Połączenie do Serwera..."));
        QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
        QStringList labels;
        for (QLabel *l : w.findChildren<QLabel *>())
            labels << l->text();
        for (const char *text : {"UWAGA: Terravia obecnie pracuje w konfiguracji", "KLIENT - SERVER",
                                 "Przedstaw się (twój NIK) Imię i nazwisko", "Status: Oczekiwanie...",
                                 "Hasło do trybu lokalnego"})
            QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
        QCOMPARE(okButton(&w)->toolTip(), QStringLiteral("Zaloguj do serwera Terravia"));
        QCOMPARE(cancelButton(&w)->toolTip(), QStringLiteral("Wyjdź z programu"));
        QCOMPARE(localButton(&w)->toolTip(), QStringLiteral("Przejdź na tryb lokalny"));
        QCOMPARE(passwordOkButton(&w)->toolTip(), QStringLiteral("Zatwierdź hasło dostępu"));
        QCOMPARE(helpButton(&w)->text(), QStringLiteral("Pomoc"));
        QVERIFY(!w.passwordRowShown());
        QVERIFY(w.height() < LoginWindow::kGrownHeight);
        QTest::keyClick(&w, Qt::Key_Escape);
        w.close();
        QVERIFY(w.isVisible()); // left only through its buttons
    }

    void loginNeedsAProperName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "Aby wejść do systemu, musisz wpisać swoje Imię i Nazwisko";
        QTest::newRow("with ^") << "Jan^Test: Polska^0 min^"
                                << "Twoje Imię i Nazwisko nie może zawierać znaku \"^\"\r\nPopraw je i spróbuj "
                                   "ponownie";
    }
    void loginNeedsAProperName()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        nameEdit(&login())->setText(name);
        okButton(&login())->click();
        QCOMPARE(services->lastText(), message);
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QCOMPARE(login().status(), QStringLiteral("Status: Oczekiwanie..."));
        QVERIFY(!hourglassShown());
        QVERIFY(!session().active());
        QTest::qWait(20);
        QVERIFY(!server->clientConnected());
    }

    void loginAccepted()
    {
        nameEdit(&login())->setText(QStringLiteral("Jaś Nowak"));
        QTest::keyClick(nameEdit(&login()), Qt::Key_Return);
        QVERIFY(hourglassShown());
        QVERIFY(session().active());
        QVERIFY(server->waitForClient() && server->waitForLines(1));
        QCOMPARE(server->received(), QByteArray("1Ja\x9c Nowak\r\n"));
        QCOMPARE(login().status(), QStringLiteral("Połączono do serwera... Oczekiwanie na odpowiedź"));
        QVERIFY(session().serverPoll().isActive());
        QVERIFY(login().isVisible()); // until the server answers
        okButton(&login())->click();    // pressed again while waiting: nothing more
        QCOMPARE(login().status(), QStringLiteral("Połączono do serwera... Oczekiwanie na odpowiedź"));
        tickWith("02");
        QCOMPARE(server->lines(), QStringList{"1Jaś Nowak"});
        QVERIFY(!login().isVisible());
        QVERIFY(!hourglassShown());
        QCOMPARE(session().userName(), QStringLiteral("Jaś Nowak"));
        QCOMPARE(main()->statusText(2), QStringLiteral("Tryb: Klient-Server"));
        QVERIFY(!main()->commandAction(Command::MenuTests)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ButtonExit)->isEnabled());
        QVERIFY(session().serverPoll().isActive());
    }

    void nameTakenThenAnother()
    {
        QVERIFY(logIn(QStringLiteral("Ola żółw")));
        tickWith("04");
        QCOMPARE(services->lastText(), QStringLiteral("Nie możesz się zalogować, ponieważ użytkownik:\r\n[OLA żółW] "
                                                      "jest już zalogowany w systemie\r\nZmień swoją nazwę i spróbuj "
                                                      "ponownie..."));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QCOMPARE(services->terminations, 0);
        QVERIFY(login().isVisible());
        QVERIFY(!hourglassShown());
        QVERIFY(!session().active()); // the program may be closed again
        QVERIFY(logIn(QStringLiteral("Ola Nowak"), 1));
        QCOMPARE(server->lines(), (QStringList{"1Ola żółw", "1Ola Nowak"}));
        tickWith("02");
        QCOMPARE(session().userName(), QStringLiteral("Ola Nowak"));
    }

    void refusedWhilePupilsAreSolving()
    {
        QVERIFY(logIn(QStringLiteral("Ola")));
        tickWith("07");
        QCOMPARE(services->lastText(), QStringLiteral("Nie możesz się teraz zalogować, ponieważ obecnie pewna ilość "
                                                      "użytkowników rozwiązuje test. Odczekaj chwilkę i spróbuj za "
                                                      "jakiś czas ponownie się zalogować\r\nTerravia zostanie "
                                                      "zamknięty"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QCOMPARE(services->terminations, 1);
    }

    void failedAttemptSaysSoAndOkTriesAgain()
    {
        server->stopListening();
        nameEdit(&login())->setText(QStringLiteral("Ola"));
        okButton(&login())->click();
        QTRY_COMPARE_WITH_TIMEOUT(session().disconnectReason(), 5, 5000);
        QVERIFY(!session().active());
        QVERIFY(services->messages.isEmpty());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(login().status(), QStringLiteral("Status: Nie znaleziono serwera. Wciśnij OK, by spróbować znowu"));
        QVERIFY(login().isVisible());
        QVERIFY(server->listenAgain());
        QVERIFY(logIn(QStringLiteral("Ola")));
        QCOMPARE(login().status(), QStringLiteral("Połączono do serwera... Oczekiwanie na odpowiedź"));
    }

    void leavingForLocalMode()
    {
        writePassword("Tajne\r\n");
        localButton(&login())->click();
        QVERIFY(login().passwordRowShown());
        QVERIFY(login().height() >= LoginWindow::kGrownHeight);
        QCOMPARE(login().storedPassword(), QStringLiteral("Tajne"));
        passwordEdit(&login())->setText(QStringLiteral("tajne"));
        passwordOkButton(&login())->click();
        QCOMPARE(services->lastText(), QStringLiteral("Błędne hasło dostępu. Dostęp zmiany trybu ZABRONIONY\r\n"
                                                      "Wprowadź hasło ponownie"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QVERIFY(login().isVisible());

        // A connection under way is dropped without a word.
        QVERIFY(logIn(QStringLiteral("Ola")));
        passwordEdit(&login())->setText(QStringLiteral("Tajne"));
        passwordOkButton(&login())->click();
        QVERIFY(!login().isVisible());
        QVERIFY(!data->has(QStringLiteral("Net_konf.dat")));
        QVERIFY(!QFile::exists(files::resolve(files::windowsDir(), QStringLiteral("tvpass.dat"))));
        QVERIFY(!session().active());
        QVERIFY(!session().connectionUp());
        QCOMPARE(services->messages.size(), 1);
        main()->exitProgram(); // no longer refused
        QCOMPARE(services->terminations, 1);
    }

    void leavingWithoutAPasswordFile()
    {
        localButton(&login())->click();
        QCOMPARE(services->messages.size(), 1); // the input/output error
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QCOMPARE(login().storedPassword(), QString());
        passwordOkButton(&login())->click(); // only an empty password matches
        QVERIFY(!login().isVisible());
    }

    void cancelAndHelp()
    {
        helpButton(&login())->click();
        QCOMPARE(services->lastText(), QStringLiteral("BŁĄD: Nie mogę odszukać programu Pomocy na Twoim dysku"));
        QCOMPARE(services->terminations, 0);
        cancelButton(&login())->click();
        QCOMPARE(services->terminations, 1);
    }

    void teacherMessage_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("with text") << QByteArray("05Koniec za 5 minut") << "Koniec za 5 minut";
        QTest::newRow("heading only") << QByteArray("05") << "";
    }
    void teacherMessage()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        loggedInAs(QStringLiteral("Ola"));
        tickWith(line);
        QCOMPARE(services->lastText(), QStringLiteral("Wiadomość od Administratora - Nauczyciela:\r\n") + text);
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Wiadomość"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
    }

    void stateReports()
    {
        writeTest(18);
        loggedInAs(QStringLiteral("Ola"));
        tickWith("06");
        QVERIFY(server->waitForLines(2));
        app->launcher().launch(18);
        tickWith("06");
        QVERIFY(server->waitForLines(3));
        QCOMPARE(server->received(), QByteArray("1Ola\r\n"
                                                "3U\xbfytkownik^Obecnie nie rozwi\xb9zuje \xbf" "adnego testu^192.168.5.17\r\n"
                                                "3U\xbfytkownik^Obecnie rozwi\xb9zuje: Test: Europa - Stolice^192.168.5.17\r\n"));
    }

    void teacherEndsTheTest()
    {
        writeTest(18);
        loggedInAs(QStringLiteral("Ola"));
        app->launcher().launch(18);
        testWindow()->onActivated();
        testWindow()->stopTest(); // refused: the result is pending
        QVERIFY(testWindow());
        tickWith("01");
        QCOMPARE(services->lastText(),
                 QStringLiteral("Administrator - Nauczyciel: Wyłączył Tobie aktualny test który rozwiązywałeś(aś)"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Test przerwany..."));
        QVERIFY(!testWindow());
        QVERIFY(session().active());
        QCOMPARE(main()->statusText(2), QStringLiteral("Tryb: Klient-Server"));
        QVERIFY(!main()->commandAction(Command::MenuTests)->isEnabled());
        QCOMPARE(server->lines(), QStringList{"1Ola"}); // no result for it
    }

    void teacherEndsTheSession()
    {
        loggedInAs(QStringLiteral("Ola"));
        tickWith("00");
        QCOMPARE(services->lastText(), QStringLiteral("UWAGA: Zostełeś(aś) rozłączony przez Administratora - "
                                                      "Nauczyciela\r\nTerravia zostanie zamknięty"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QCOMPARE(services->terminations, 1);
        QCOMPARE(session().userName(), QString());
    }

    void forgettingTheServer()
    {
        writePassword("x\r\n");
        loggedInAs(QStringLiteral("Ola"));
        tickWith("08");
        QVERIFY(!data->has(QStringLiteral("Net_konf.dat")));
        QVERIFY(!QFile::exists(files::resolve(files::windowsDir(), QStringLiteral("tvpass.dat"))));
        tickWith("06"); // the session goes on
        QVERIFY(server->waitForLines(2));
        QVERIFY(services->messages.isEmpty());
    }

    void connectionLostByTheServer_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("icon");
        QTest::newRow("no reason given")
            << 11
            << "BŁĄD: Nie można połączyć się z serwerem Terravia\r\nW architekturze Klient-Server jest to konieczne.\r\n"
               "Skontaktuj się z Administratorem. Aplikacja zostanie zamknięta"
            << "Terravia" << int(Services::Icon::Error);
        QTest::newRow("a test file was missing")
            << 8
            << "Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku konfiguracyjnego\r\nPowiedz o tym "
               "fakcie Administratorowi - Nauczycielowi"
            << "Terravia: Brak pliku" << int(Services::Icon::Warning);
        QTest::newRow("ended by the teacher") << 0
                                              << "UWAGA: Zostełeś(aś) rozłączony przez Administratora - "
                                                 "Nauczyciela\r\nTerravia zostanie zamknięty"
                                              << "Terravia" << int(Services::Icon::Error);
    }
    void connectionLostByTheServer()
    {
        QFETCH(int, reason);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(int, icon);
        loggedInAs(QStringLiteral("Ola"));
        session().setDisconnectReason(reason);
        server->dropClient();
        QTRY_COMPARE_WITH_TIMEOUT(services->terminations, 1, 5000);
        QCOMPARE(services->lastText(), text);
        QCOMPARE(services->messages.last().caption, caption);
        QCOMPARE(int(services->messages.last().icon), icon);
    }

    void missingFilesDuringALesson()
    {
        loggedInAs(QStringLiteral("Ola"));
        // Mark 8: the message, the reason for a later end, and the lock stays.
        app->launcher().launch(10);
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Brak pliku"));
        QCOMPARE(session().disconnectReason(), 8);
        QVERIFY(!main()->commandAction(Command::MenuFile)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ButtonCreator)->isEnabled());
        QCOMPARE(main()->statusText(1), QStringLiteral("Test: Oczekiwanie..."));
        // Mark R: reported to the teacher, nothing shown.
        const int shown = services->messages.size();
        app->launcher().launch(20);
        QVERIFY(server->waitForLines(2));
        QCOMPARE(server->lines().last(),
                 QStringLiteral("9UzytkownikOla Test: Europa - Góry brakuje pliku konfiguracyjnego"));
        QCOMPARE(services->messages.size(), shown);
    }

    void assignments_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("promptName");
        QTest::addColumn<QString>("title");
        QTest::newRow("120") << QByteArray("120") << "Europa - Góry" << "Test: Europa - Góry";
        QTest::newRow("148") << QByteArray("148") << "Różne - Wyśokosci gór" << "Test: Różne - Wysokości gór";
        QTest::newRow("165") << QByteArray("165") << "Wszystko o Różnych pojęciach geograficznych"
                             << "Test: Wszystko o Różnych pojęciach [Obecny test (1) z (8): Różne - Wysokości gór]";
    }
    void assignments()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, promptName);
        QFETCH(QString, title);
        writeTest(20);
        for (const ChainStep &s : catalogue::chainSteps(7))
            test::writeMapTest(*data, s.configurationFile, s.descriptionFile, s.pictureFile, {{5, 5}}, {"X11"});
        loggedInAs(QStringLiteral("Ola"));
        QCOMPARE(userLine(&prompt())->text(), QStringLiteral("Użytkowniku:"));
        tickWith(line);
        QVERIFY(prompt().isVisible());
        QVERIFY(session().serverPoll().isActive());
        QCOMPARE(userLine(&prompt())->text(), QStringLiteral("Użytkowniku: Ola"));
        QCOMPARE(testLine(&prompt())->text(), promptName);
        QCOMPARE(codeField(&prompt())->text(), QString::fromLatin1(line.mid(1)));
        QVERIFY(!codeField(&prompt())->isVisible());
        okButton(&prompt())->click();
        QVERIFY(!prompt().isVisible());
        QCOMPARE(main()->title(), title);
        QVERIFY(testWindow());
        QCOMPARE(app->state().chain.active, line == "165");
        if (line == "165")
            QCOMPARE(app->state().chain.chain, 7);
    }

    void promptCountsOnWhenTheFocusComesBack()
    {
        writeTest(20);
        loggedInAs(QStringLiteral("Ola"));
        tickWith("120");
        AssignmentPrompt &p = prompt();
        for (int i = 0; i < 5; ++i)
            p.tick();
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(&p);
        QMessageBox box(&p);
        box.show();
        QApplication::setActiveWindow(&box);
        box.close();
        QApplication::setActiveWindow(&p);
        QTRY_VERIFY(p.isActiveWindow());
        QCOMPARE(p.secondsLeft(), 55);
    }

    void promptCountsDownSixtySeconds()
    {
        writeTest(20);
        loggedInAs(QStringLiteral("Ola"));
        tickWith("120");
        QTest::qWait(20);
        AssignmentPrompt &p = prompt();
        QCOMPARE(p.size(), QSize(536, 148));
        QVERIFY(p.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(p.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(okButton(&p)->toolTip(), QStringLiteral("Rozpoczęcie testu..."));
        QCOMPARE(countdownLine(&p)->text(), QStringLiteral("Jeżeli jesteś gotowy(a). Wciśnij OK, lub poczekaj 60 sekund"));
        QVERIFY(p.countdownTimer().isActive());
        QCOMPARE(p.countdownTimer().interval(), 1000);
        p.tick();
        QCOMPARE(countdownLine(&p)->text(), QStringLiteral("Jeżeli jesteś gotowy(a). Wciśnij OK, lub poczekaj 60 sekund"));
        for (int i = 2; i <= 60; ++i)
            p.tick();
        QCOMPARE(countdownLine(&p)->text(), QStringLiteral("Jeżeli jesteś gotowy(a). Wciśnij OK, lub poczekaj 1 sekund"));
        QVERIFY(p.isVisible());
        QVERIFY(!testWindow());
        p.tick(); // the 61st
        QVERIFY(!p.isVisible());
        QVERIFY(!p.countdownTimer().isActive());
        QCOMPARE(main()->title(), QStringLiteral("Test: Europa - Góry"));
    }

    void assignmentWhileATestIsOpen()
    {
        writeTest(18);
        writeTest(20);
        loggedInAs(QStringLiteral("Ola"));
        app->launcher().launch(18);
        testWindow()->onActivated();
        tickWith("120");
        prompt().start();
        QCOMPARE(testWindows(), 1);
        QCOMPARE(main()->title(), QStringLiteral("Test: Europa - Góry"));
        QCOMPARE(server->lines(), QStringList{"1Ola"}); // nothing sent for the ended test
    }

    void resultSent_data()
    {
        QTest::addColumn<bool>("byCountdown");
        QTest::newRow("OK pressed") << false;
        QTest::newRow("the countdown ends") << true;
    }
    void resultSent()
    {
        QFETCH(bool, byCountdown);
        writeTest(18);
        loggedInAs(QStringLiteral("Jaś"));
        app->launcher().launch(18);
        TestWindow *w = testWindow();
        w->onActivated();
        w->onStartDelay();
        QStringList countdown;
        bool sessionButtons = false;
        QString nameShown;
        int linesBeforeTheEnd = 0;
        services->onModal = [&](QDialog &dlg) -> int {
            auto *r = qobject_cast<ResultDialog *>(&dlg);
            if (!r)
                return QDialog::Rejected;
            r->show();
            sessionButtons = sendButton(r)->isVisible() && !saveButton(r)->isVisible();
            nameShown = nameEdit(r)->text();
            if (!byCountdown) {
                sendButton(r)->click();
                return r->result();
            }
            for (int tick = 1; tick <= 30; ++tick) {
                r->countDown();
                countdown << countdownLabel(r)->text();
            }
            QTest::qWait(20);
            linesBeforeTheEnd = server->lines().size();
            r->countDown(); // the 31st sends
            return r->result();
        };
        w->showResult();
        QVERIFY(server->waitForLines(2));
        QCOMPARE(server->received().mid(6),
                 QByteArray("2Ja\x9c^Test: Europa - Stolice^0 min 0 sek^3^0^3^Niedostateczny (1)^\r\n"));
        QVERIFY(sessionButtons);
        QCOMPARE(nameShown, QStringLiteral("Jaś"));
        if (byCountdown) {
            QCOMPARE(linesBeforeTheEnd, 1);
            QCOMPARE(countdown.first(), QStringLiteral("Zamknięcie okna za: 30 sekund"));
            QCOMPARE(countdown.last(), QStringLiteral("Zamknięcie okna za: 1 sekund"));
        }
        QVERIFY(!testWindow());
        QVERIFY(session().active());
        QCOMPARE(main()->statusText(2), QStringLiteral("Tryb: Klient-Server"));
        QVERIFY(main()->backgroundVisible());
        QVERIFY(!data->has(QStringLiteral("Wyniki.tvw")));
    }
};

QTEST_MAIN(TestClientSession)
#include "tst_clientsession.moc"
