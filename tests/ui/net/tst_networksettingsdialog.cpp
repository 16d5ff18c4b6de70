#include "Parts.h"
#include "Scripted.h"
#include "StandInServer.h"
#include "UiTest.h"
#include "app/Application.h"
#include "net/Discovery.h"
#include "net/NetworkSettingsDialog.h"
#include "net/Session.h"
#include "platform/Files.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace tv;

namespace {

using namespace tv::test::parts;

const QString kUdpFound = QStringLiteral("Pobrano poprzez protokół UDP adres IP serwera Terravia");
const QString kTcpFound = QStringLiteral("Pobrano poprzez protokół TCP adres IP serwera Terravia");
const QString kNotFound = QStringLiteral(
    "Przykro mi, ale nie mogę odszukać serwera.\r\n- Sprawdź czy serwer Terravia jest uruchomiony\r\n- Czy jesteś w sieci");

QString passwordFile()
{
    return files::resolve(files::windowsDir(), QStringLiteral("tvpass.dat"));
}

} // namespace

class TestNetworkSettingsDialog : public test::UiTest {
    Q_OBJECT

    std::unique_ptr<test::StandInServer> server;

    NetworkSettingsDialog &dialog() { return app->networkSettings(); }
    // Everything the window found is final: the discovery controls are off
    // and "Zastosuj" is on.
    void verifyFound(const QString &address, const QString &password)
    {
        NetworkSettingsDialog &d = dialog();
        QCOMPARE(addressEdit(&d)->text(), address);
        QCOMPARE(passwordEdit(&d)->text(), password);
        for (QWidget *w : std::initializer_list<QWidget *>{addressEdit(&d), searchCheck(&d), udpRadio(&d), tcpRadio(&d),
                                                           findButton(&d)})
            QVERIFY(!w->isEnabled());
        QVERIFY(applyButton(&d)->isEnabled());
        QVERIFY(!hourglassShown());
    }

private slots:
    void init()
    {
        begin();
        createApp();
        server = std::make_unique<test::StandInServer>();
        app->state().session.endpoints() = server->endpoints();
        app->state().session.setPasswordPlace(PasswordPlace::WindowsFolder);
    }
    void cleanup()
    {
        server.reset();
        end();
    }

    void controlsAtStart()
    {
        NetworkSettingsDialog &d = dialog();
        QCOMPARE(d.windowTitle(), QStringLiteral("Architektura Klient-Server"));
        QStringList texts;
        for (QLabel *l : d.findChildren<QLabel *>())
            texts << l->text();
        for (QAbstractButton *b : d.findChildren<QAbstractButton *>())
            texts << b->text();
        for (QGroupBox *g : d.findChildren<QGroupBox *>())
            texts << g->title();
        texts.sort();
        QStringList expected = {" Tryby pracy ",
                                "Adres serwera:",
                                "Anuluj",
                                "Hasło przejścia z Architektury Klient-Server na tryb lokalny",
                                "Opcje Klient-Server",
                                "Sam przeszukaj sieć i znajdź serwer...",
                                "Sprawdź połączenie (Adres IP)",
                                "Tryb lokalny (na jedno stanowisko komputerowe)",
                                "Tryb w architekturze Klient-Server (praca jako KLIENT)",
                                "UWAGA: Komputer pracujący jako Serwer musi być uruchomiony w sieci LAN lub Internet",
                                "Wprowadź adres IP serwera lub wcisnij przycisk: Znajdź Serwer",
                                "Zastosuj",
                                "Znajdź Serwer",
                                "Znajdź serwer poprzez protokół TCP/IP (nazwa domenowa)",
                                "Znajdź serwer poprzez protokół UDP"};
        expected.sort();
        QCOMPARE(texts, expected);

        QVERIFY(localRadio(&d)->isChecked());
        QVERIFY(searchCheck(&d)->isChecked());
        QVERIFY(udpRadio(&d)->isChecked());
        for (QWidget *w : std::initializer_list<QWidget *>{addressEdit(&d), checkButton(&d), searchCheck(&d), udpRadio(&d),
                                                           tcpRadio(&d), findButton(&d), passwordEdit(&d)})
            QVERIFY(!w->isEnabled());
        QVERIFY(passwordEdit(&d)->isReadOnly());
        QCOMPARE(passwordEdit(&d)->echoMode(), QLineEdit::Password);
        QVERIFY(applyButton(&d)->isEnabled());
        QCOMPARE(d.discovery().udpWaitTimer().interval(), 30000);
    }

    void enablingRules()
    {
        NetworkSettingsDialog &d = dialog();
        clientRadio(&d)->click();
        QVERIFY(!applyButton(&d)->isEnabled());
        QVERIFY(searchCheck(&d)->isEnabled());
        QVERIFY(findButton(&d)->isEnabled() && udpRadio(&d)->isEnabled() && tcpRadio(&d)->isEnabled());
        QVERIFY(!addressEdit(&d)->isEnabled() && !checkButton(&d)->isEnabled());

        searchCheck(&d)->click(); // off: the address is typed
        QVERIFY(!findButton(&d)->isEnabled() && !udpRadio(&d)->isEnabled() && !tcpRadio(&d)->isEnabled());
        QVERIFY(checkButton(&d)->isEnabled() && addressEdit(&d)->isEnabled());
        addressEdit(&d)->setText(QStringLiteral("10.0.0.9"));
        searchCheck(&d)->click(); // on again: the typed address goes
        QVERIFY(addressEdit(&d)->text().isEmpty() && !addressEdit(&d)->isEnabled());
        QVERIFY(findButton(&d)->isEnabled() && !checkButton(&d)->isEnabled());

        localRadio(&d)->click();
        QVERIFY(applyButton(&d)->isEnabled());
        for (QWidget *w : std::initializer_list<QWidget *>{addressEdit(&d), checkButton(&d), searchCheck(&d), udpRadio(&d),
                                                           tcpRadio(&d), findButton(&d), passwordEdit(&d)})
            QVERIFY(!w->isEnabled());
    }

    void udpSearch_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("password");
        QTest::newRow("address and password") << QByteArray("127.0.0.1^tajne") << "127.0.0.1" << "tajne";
        QTest::newRow("no ^") << QByteArray("127.0.0.1") << "" << "127.0.0.1";
        QTest::newRow("two ^") << QByteArray("127.0.0.1^ta^jne") << "127.0.0.1" << "ta^jne";
    }
    void udpSearch()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, address);
        QFETCH(QString, password);
        server->udpAnswer = answer;
        NetworkSettingsDialog &d = dialog();
        clientRadio(&d)->click();
        findButton(&d)->click();
        // The local subnet's broadcast text, while the search waits.
        QCOMPARE(addressEdit(&d)->text(), QStringLiteral("192.168.5.255"));
        QVERIFY(hourglassShown());
        QTRY_COMPARE_WITH_TIMEOUT(services->messages.size(), 1, 5000);
        QCOMPARE(server->udpRequests, QList<QByteArray>{"d"});
        QCOMPARE(services->lastText(), kUdpFound);
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        verifyFound(address, password);
    }

    void udpSearchRunsOut()
    {
        // The server answers, but only after the thirty seconds are over.
        server->udpAnswer = "127.0.0.1^za_pozno";
        NetworkSettingsDialog &d = dialog();
        clientRadio(&d)->click();
        findButton(&d)->click();
        QVERIFY(d.discovery().udpWaiting());
        d.discovery().onUdpTimeout();
        QTRY_COMPARE_WITH_TIMEOUT(server->udpRequests.size(), 1, 5000);
        QTest::qWait(50); // the late answer arrives, unheard
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(passwordEdit(&d)->text().isEmpty());
        QCOMPARE(services->lastText(), QStringLiteral("Przykro mi, ale upłynął maksymalny czas (30 sekund) "
                                                      "oczekiwania na odpowiedź serwera\r\nSpróbuj poszukać serwera "
                                                      "poprzez protokół TCP"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
        QVERIFY(addressEdit(&d)->text().isEmpty());
        QVERIFY(!hourglassShown());
        QVERIFY(!applyButton(&d)->isEnabled());
        // Searching again sends again, and this time the answer comes.
        server->udpAnswer = "127.0.0.1^x";
        findButton(&d)->click();
        QTRY_COMPARE_WITH_TIMEOUT(services->messages.size(), 2, 5000);
        QCOMPARE(services->lastText(), kUdpFound);
        QCOMPARE(server->udpRequests.size(), 2);
        verifyFound(QStringLiteral("127.0.0.1"), QStringLiteral("x"));
    }

    void tcpSearchByName()
    {
        server->probeAnswer = "has\xb3o\r\n";
        NetworkSettingsDialog &d = dialog();
        clientRadio(&d)->click();
        tcpRadio(&d)->click();
        services->inputAnswers << QStringLiteral("127.0.0.1");
        findButton(&d)->click();
        QCOMPARE(services->prompts.size(), 1);
        QCOMPARE(services->prompts.last().caption, QStringLiteral("Wpisz nazwę..."));
        QCOMPARE(services->prompts.last().prompt, QStringLiteral("Wpisz nazwę domenową serwera np. Server.lan"));
        QCOMPARE(services->prompts.last().initial, QString());
        QTRY_COMPARE_WITH_TIMEOUT(passwordEdit(&d)->text(), QStringLiteral("hasło"), 5000);
        QCOMPARE(services->lastText(), kTcpFound);
        QCOMPARE(server->probeConnections, 1);
        verifyFound(QStringLiteral("127.0.0.1"), QStringLiteral("hasło"));
    }

    void tcpSearchWithoutAName()
    {
        NetworkSettingsDialog &d = dialog();
        clientRadio(&d)->click();
        tcpRadio(&d)->click();
        findButton(&d)->click(); // cancelled
        services->inputAnswers << QString();
        findButton(&d)->click(); // empty
        QCOMPARE(services->messages.size(), 2);
        for (const auto &m : services->messages)
            QCOMPARE(m.text, QStringLiteral("Musisz wpisać nazwę domenową serwera Terravia np. SERVER.lan\r\nJeżeli "
                                            "nie wiesz jaka jest nazwa serwera, spytaj Administratora sieci lub "
                                            "Nauczyciela"));
        QCOMPARE(server->probeConnections, 0);
        QVERIFY(!hourglassShown());
    }

    void tcpSearchFindingNothing()
    {
        server->stopListening();
        app->state().session.endpoints().discoveryTcpPort = server->sessionPort(); // nobody listens there
        NetworkSettingsDialog &d = dialog();
        clientRadio(&d)->click();
        tcpRadio(&d)->click();
        services->inputAnswers << QStringLiteral("127.0.0.1");
        findButton(&d)->click();
        QTRY_COMPARE_WITH_TIMEOUT(services->messages.size(), 1, 5000);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QVERIFY(addressEdit(&d)->text().isEmpty());
        QVERIFY(!hourglassShown());
        QVERIFY(!applyButton(&d)->isEnabled());
        if (test::underWine())
            QSKIP("Wine reports a refused connection to this computer while it is being made, as a "
                  "connection that could not start");
        QCOMPARE(services->lastText(), kNotFound);
    }

    void checkByAddress()
    {
        server->probeAnswer = "tajne";
        NetworkSettingsDialog &d = dialog();
        clientRadio(&d)->click();
        searchCheck(&d)->click();
        checkButton(&d)->click();
        QCOMPARE(services->lastText(), QStringLiteral("Muszisz wpisać adres IP serwera Terravia np. 169.214.15.25\r\n"
                                                      "Jeżeli nie wiesz jaki jest Adres IP serwera, spytaj "
                                                      "Administratora sieci lub nauczyciela"));
        QVERIFY(!applyButton(&d)->isEnabled());
        addressEdit(&d)->setText(QStringLiteral("127.0.0.1"));
        checkButton(&d)->click();
        QTRY_COMPARE_WITH_TIMEOUT(passwordEdit(&d)->text(), QStringLiteral("tajne"), 5000);
        QCOMPARE(services->lastText(), kTcpFound);
        verifyFound(QStringLiteral("127.0.0.1"), QStringLiteral("tajne"));
    }

    void applyClientServerMode()
    {
        NetworkSettingsDialog &d = dialog();
        clientRadio(&d)->click();
        d.apply(); // nothing found yet
        QCOMPARE(services->lastText(), QStringLiteral("Musisz wpisać hasło dostępu które będzie potrzebne przy "
                                                      "przejściu z architektury Klient-Server na tryb lokalny"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QVERIFY(!data->has(QStringLiteral("Net_konf.dat")));

        server->udpAnswer = "127.0.0.1^Za\xbf\xf3\xb3\xe6";
        findButton(&d)->click();
        QTRY_COMPARE_WITH_TIMEOUT(passwordEdit(&d)->text(), QStringLiteral("Zażółć"), 5000);
        // Yes: the program cannot start again here, says so, and the window stays.
        services->answers << QMessageBox::Yes;
        d.show();
        applyButton(&d)->click();
        QCOMPARE(services->messages.at(services->messages.size() - 2).text,
                 QStringLiteral("Architektura Klient-Server będzie dostępna po ponownym uruchomieniu programu "
                                "Terravia\r\nCzy mam teraz ponownie uruchomic program?"));
        QCOMPARE(services->messages.at(services->messages.size() - 2).buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(services->lastText(), QStringLiteral("Nie mogę odszukać na Twoim dysku programu: Terravia [Klient]"));
        QVERIFY(d.isVisible());
        QCOMPARE(data->read(QStringLiteral("Net_konf.dat")), QByteArray("127.0.0.1\r\n"));
        QFile password(passwordFile());
        QVERIFY(password.open(QIODevice::ReadOnly));
        QCOMPARE(password.readAll(), QByteArray("Za\xbf\xf3\xb3\xe6\r\n"));
#ifdef Q_OS_UNIX
        QVERIFY(!(password.permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup)));
#endif
        password.close(); // Windows replaces no file that is open
        // No: the window closes; the mode changes at the next start.
        services->answers << QMessageBox::No;
        applyButton(&d)->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(services->terminations, 0);
    }

    void applyLocalMode()
    {
        NetworkSettingsDialog &d = dialog();
        d.show();
        d.apply(); // no files: closes without a word
        QVERIFY(!d.isVisible());
        QVERIFY(services->messages.isEmpty());
        data->write(QStringLiteral("Net_konf.dat"), "10.1.2.3\r\n");
        QVERIFY(files::ensureDir(files::windowsDir()));
        QFile f(passwordFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x\r\n");
        f.close();
        d.apply();
        QVERIFY(!data->has(QStringLiteral("Net_konf.dat")));
        QVERIFY(!QFile::exists(passwordFile()));
    }

    void openedInClientServerMode()
    {
        data->write(QStringLiteral("Net_konf.dat"), "10.1.2.3\r\n");
        NetworkSettingsDialog &d = dialog();
        d.show(); // the password file is missing: said, and nothing shown
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QVERIFY(addressEdit(&d)->text().isEmpty());
        QVERIFY(applyButton(&d)->isEnabled());
        d.hide();

        QVERIFY(files::ensureDir(files::windowsDir()));
        QFile f(passwordFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("tajne\r\n");
        f.close();
        d.show();
        QCOMPARE(addressEdit(&d)->text(), QStringLiteral("10.1.2.3"));
        QCOMPARE(d.storedPassword(), QStringLiteral("tajne"));
        QVERIFY(clientRadio(&d)->isChecked());
        QVERIFY(!applyButton(&d)->isEnabled());
        QVERIFY(!localRadio(&d)->isEnabled() && !clientRadio(&d)->isEnabled());
        QVERIFY(passwordEdit(&d)->isEnabled());
    }

    void escapeForgetsWhatWasFound()
    {
        server->udpAnswer = "127.0.0.1^tajne";
        NetworkSettingsDialog &d = dialog();
        d.show();
        clientRadio(&d)->click();
        findButton(&d)->click();
        QTRY_COMPARE_WITH_TIMEOUT(passwordEdit(&d)->text(), QStringLiteral("tajne"), 5000);
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QVERIFY(addressEdit(&d)->text().isEmpty() && passwordEdit(&d)->text().isEmpty());
        QVERIFY(!applyButton(&d)->isEnabled());
        QVERIFY(findButton(&d)->isEnabled());
    }
};

QTEST_MAIN(TestNetworkSettingsDialog)
#include "tst_networksettingsdialog.moc"
