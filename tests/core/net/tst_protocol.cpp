#include "Scripted.h"
#include "net/NetworkFiles.h"
#include "net/Protocol.h"
#include "platform/Files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tv;
using namespace tv::protocol;
using Kind = ServerCommand::Kind;

Q_DECLARE_METATYPE(tv::protocol::ServerCommand::Kind)

namespace {

bool ownerOnly(const QString &path)
{
    const QFileDevice::Permissions p = QFile::permissions(path);
#ifdef Q_OS_WIN
    // Windows keeps no permission bits, and Qt reports every file readable
    // by all: what is left to see is that the owner may read and rewrite it.
    return (p & QFileDevice::ReadOwner) && (p & QFileDevice::WriteOwner);
#else
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return (p & QFileDevice::ReadOwner) && (p & QFileDevice::WriteOwner) && !(p & others);
#endif
}

} // namespace

class TestProtocol : public QObject {
    Q_OBJECT

private slots:
    void serverLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("00") << "00" << Kind::EndSession << 0 << "";
        QTest::newRow("01") << "01" << Kind::EndTest << 0 << "";
        QTest::newRow("02") << "02" << Kind::LoginAccepted << 0 << "";
        QTest::newRow("04") << "04" << Kind::NameTaken << 0 << "";
        QTest::newRow("05 with text") << "05Dzień dobry ^ klaso" << Kind::Message << 0 << "Dzień dobry ^ klaso";
        QTest::newRow("05 alone") << "05" << Kind::Message << 0 << "";
        QTest::newRow("06") << "06" << Kind::ReportState << 0 << "";
        QTest::newRow("07") << "07" << Kind::LoginRefusedBusy << 0 << "";
        QTest::newRow("08") << "08" << Kind::ForgetServer << 0 << "";
        QTest::newRow("only the second character counts") << "02xyz" << Kind::LoginAccepted << 0 << "";
        QTest::newRow("120") << "120" << Kind::AssignTest << 20 << "";
        QTest::newRow("110, lowest") << "110" << Kind::AssignTest << 10 << "";
        QTest::newRow("165, highest") << "165" << Kind::AssignTest << 65 << "";
        QTest::newRow("159") << "159" << Kind::AssignTest << 59 << "";
        QTest::newRow("only two digits count") << "1481" << Kind::AssignTest << 48 << "";
        for (const char *ignored : {"", "0", "1", "03", "09", "0x", "0 ", "15", "199", "109", "166", "1x5", "15x",
                                    "245", "2Jan^", "x00", " 00"})
            QTest::newRow(qPrintable(QStringLiteral("ignored \"%1\"").arg(QLatin1String(ignored))))
                << QString::fromLatin1(ignored) << Kind::None << 0 << "";
    }
    void serverLines()
    {
        QFETCH(QString, line);
        QFETCH(Kind, kind);
        QFETCH(int, code);
        QFETCH(QString, text);
        const ServerCommand c = parseServerLine(line);
        QCOMPARE(c.kind, kind);
        QCOMPARE(c.code, code);
        QCOMPARE(c.text, text);
    }

    void linesInPieces()
    {
        // Line ends LF or CR LF; only the CR right before the LF goes; the
        // text is Windows-1250. Cut anywhere, the same lines come out.
        const QByteArray stream("00\r\n05Za\xbf\xf3\xb3\xe6\n\n05a\rb\r\r\n120");
        const QStringList expected = {"00", "05Zażółć", "", "05a\rb\r"};
        for (int cut = 0; cut <= stream.size(); ++cut) {
            LineDecoder d;
            d.feed(stream.left(cut));
            d.feed(stream.mid(cut));
            QStringList got;
            while (auto line = d.next())
                got << *line;
            QCOMPARE(got, expected);
        }
    }

    void overLongLinesAreDropped()
    {
        const QByteArray longest(kMaxLineLength, 'x');
        LineDecoder d;
        d.feed("05" + longest + "\r\n");               // 16386 characters: dropped
        d.feed(longest + "\r\n");                      // exactly the limit: kept
        d.feed(QByteArray(3 * kMaxLineLength, 'y'));   // no line end yet: not kept in memory
        d.feed(QByteArray(kMaxLineLength, 'y') + "\n06\n");
        d.feed(longest + "\r"); // the longest line, its LF still to come
        d.feed("\n");
        d.feed("x" + longest);    // one too many, waiting for its LF
        d.feed("\r\n07\n");
        QCOMPARE(d.next(), std::optional<QString>(QString::fromLatin1(longest)));
        QCOMPARE(d.next(), std::optional<QString>(QStringLiteral("06")));
        QCOMPARE(d.next(), std::optional<QString>(QString::fromLatin1(longest)));
        QCOMPARE(d.next(), std::optional<QString>(QStringLiteral("07")));
        QVERIFY(!d.next());
        QCOMPARE(d.droppedLines(), 3);
    }

    void clientLinesByteForByte_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("login") << loginRequest(QStringLiteral("Jaś Nowak")) << QByteArray("1Ja\x9c Nowak\r\n");
        QTest::newRow("result")
            << resultReport({"Jaś", "Test: Europa - Stolice", "2 min 5 sek", "17", "15", "2", "Bardzo dobry (5)"})
            << QByteArray("2Ja\x9c^Test: Europa - Stolice^2 min 5 sek^17^15^2^Bardzo dobry (5)^\r\n");
        QTest::newRow("status, test running")
            << statusRunning(QStringLiteral("Test: Europa - Stolice"), QStringLiteral("192.168.5.17"))
            << QByteArray("3U\xbfytkownik^Obecnie rozwi\xb9zuje: Test: Europa - Stolice^192.168.5.17\r\n");
        QTest::newRow("status, idle") << statusIdle(QStringLiteral("10.0.0.2"))
                                      << QByteArray("3U\xbfytkownik^Obecnie nie rozwi\xb9zuje \xbf"
                                                    "adnego testu^10.0.0.2\r\n");
        QTest::newRow("missing file") << missingFileReport(QStringLiteral("Ola"), QStringLiteral("Test: Europa - Góry"))
                                      << QByteArray("9UzytkownikOla Test: Europa - G\xf3ry brakuje pliku "
                                                    "konfiguracyjnego\r\n");
        QTest::newRow("a line break cannot start another line")
            << loginRequest(QStringLiteral("Jan\r\n2Jan^")) << QByteArray("1Jan  2Jan^\r\n");
    }
    void clientLinesByteForByte()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeLine(line), bytes);
    }

    // The server's side: what it sends, and how it reads what clients send.
    void serverCommandsAreTheirCodesOnly_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("00") << endSessionCommand() << QByteArray("00\r\n");
        QTest::newRow("01") << endTestCommand() << QByteArray("01\r\n");
        QTest::newRow("02") << loginAcceptedCommand() << QByteArray("02\r\n");
        QTest::newRow("04") << nameTakenCommand() << QByteArray("04\r\n");
        QTest::newRow("06") << reportStateCommand() << QByteArray("06\r\n");
        QTest::newRow("07") << loginRefusedBusyCommand() << QByteArray("07\r\n");
        QTest::newRow("08") << forgetServerCommand() << QByteArray("08\r\n");
        QTest::newRow("assign 10") << assignCommand(10) << QByteArray("110\r\n");
        QTest::newRow("assign 65") << assignCommand(65) << QByteArray("165\r\n");
        QTest::newRow("message, line breaks stripped")
            << messageCommand(QStringLiteral("Koniec za\r\n5 minut\nproszę\rzapisać")) << QByteArray("05Koniec za 5 minut prosz\xea zapisa\xe6\r\n");
    }
    void serverCommandsAreTheirCodesOnly()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encodeLine(line), bytes);
        // What the client makes of it.
        const ServerCommand c = parseServerLine(line);
        QVERIFY(c.kind != Kind::None);
    }

    void assignOnlyServerCodes()
    {
        QCOMPARE(assignCommand(9), QString());
        QCOMPARE(assignCommand(66), QString());
        QCOMPARE(parseServerLine(assignCommand(48)).code, 48);
    }

    void clientLinesAsTheServerReadsThem_data()
    {
        using CK = ClientLine::Kind;
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("fields"); // login: name; result: record; status: running?, title, address
        const QStringList rec{"Jaś", "Test: Europa - Stolice", "2 min 5 sek", "17", "15", "2", "Bardzo dobry (5)"};
        QTest::newRow("login") << loginRequest("Jaś Nowak") << int(CK::Login) << QStringList{"Jaś Nowak"};
        QTest::newRow("result") << resultReport(rec) << int(CK::Result) << rec;
        QStringList caret = rec;
        caret[0] = QStringLiteral("Jan^Test: Polska^0 min^");
        QTest::newRow("a ^ in the name stays in the name") << resultReport(caret) << int(CK::Result) << caret;
        QStringList empty = rec;
        empty[0].clear();
        empty[3].clear();
        QTest::newRow("empty fields") << resultReport(empty) << int(CK::Result) << empty;
        QTest::newRow("result without its closing ^")
            << QStringLiteral("2Ola^Test: A^1 min 0 sek^3^3^0^Celujący (6)") << int(CK::Result)
            << QStringList{"Ola", "Test: A", "1 min 0 sek", "3", "3", "0", "Celujący (6)"};
        QTest::newRow("result short of fields") << QStringLiteral("2Ola^Test: A^1^2^3^") << int(CK::Malformed)
                                                << QStringList();
        QTest::newRow("status running") << statusRunning("Test: Europa - Stolice", "10.0.0.7") << int(CK::Status)
                                        << QStringList{"1", "Test: Europa - Stolice", "10.0.0.7"};
        QTest::newRow("status running, title empty") << statusRunning("", "10.0.0.7") << int(CK::Status)
                                                     << QStringList{"1", "", "10.0.0.7"};
        QTest::newRow("status idle") << statusIdle("10.0.0.7") << int(CK::Status) << QStringList{"0", "", "10.0.0.7"};
        QTest::newRow("status of no known form") << QStringLiteral("3cokolwiek") << int(CK::Malformed)
                                                 << QStringList();
        QTest::newRow("missing file") << missingFileReport("Jan Nowak", "Test: Europa - Góry") << int(CK::MissingFile)
                                      << QStringList{"Test: Europa - Góry"};
        QTest::newRow("empty") << QString() << int(CK::None) << QStringList();
        QTest::newRow("unknown kind") << QStringLiteral("xyz") << int(CK::None) << QStringList();
    }
    void clientLinesAsTheServerReadsThem()
    {
        QFETCH(QString, line);
        QFETCH(int, kind);
        QFETCH(QStringList, fields);
        const ClientLine in = parseClientLine(line);
        QCOMPARE(int(in.kind), kind);
        switch (in.kind) {
        case ClientLine::Kind::Login:
            QCOMPARE(in.name, fields.value(0));
            break;
        case ClientLine::Kind::Result:
            QCOMPARE(in.record, fields);
            break;
        case ClientLine::Kind::Status:
            QCOMPARE(in.running, fields[0] == QStringLiteral("1"));
            QCOMPARE(in.title, fields[1]);
            QCOMPARE(in.address, fields[2]);
            break;
        case ClientLine::Kind::MissingFile:
            QCOMPARE(in.title, fields.value(0));
            break;
        default:
            break;
        }
    }

    void discoveryAnswers_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("password");
        QTest::newRow("address and password") << QByteArray("192.168.1.5^tajne") << "192.168.1.5" << "tajne";
        QTest::newRow("no ^: all of it is the password") << QByteArray("192.168.1.5") << "" << "192.168.1.5";
        QTest::newRow("two ^: the first splits") << QByteArray("10.0.0.1^ab^cd") << "10.0.0.1" << "ab^cd";
        QTest::newRow("Windows-1250") << QByteArray("10.0.0.1^\xbf\xf3\xb3w") << "10.0.0.1" << "żółw";
        QTest::newRow("^ first: no address") << QByteArray("^tajne") << "" << "tajne";
    }
    void discoveryAnswers()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(QString, address);
        QFETCH(QString, password);
        const DiscoveryReply r = parseUdpReply(datagram);
        QCOMPARE(r.address, address);
        QCOMPARE(r.password, password);
    }

    void probeAnswerLosesItsLineEnd()
    {
        QCOMPARE(parseProbeReply("has\xb3o\r\n"), QStringLiteral("hasło"));
        QCOMPARE(parseProbeReply("a b"), QStringLiteral("a b"));
        QCOMPARE(parseProbeReply("haslo\n"), QStringLiteral("haslo"));
    }

    void broadcastTextKeepsThreeParts()
    {
        QCOMPARE(broadcastText(QStringLiteral("192.168.5.17")), QStringLiteral("192.168.5.255"));
        QCOMPARE(broadcastText(QStringLiteral("10.0.0.2")), QStringLiteral("10.0.0.255"));
    }

    void localAddress_data()
    {
        QTest::addColumn<QStringList>("fromName");
        QTest::addColumn<QStringList>("fromInterfaces");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the name's first that is not loopback")
            << QStringList{"127.0.1.1", "fe80::1", "192.168.1.7", "192.168.1.8"} << QStringList{"10.0.0.2"}
            << "192.168.1.7";
        QTest::newRow("the name gives only loopback: the interfaces")
            << QStringList{"127.0.1.1"} << QStringList{"127.0.0.1", "::1", "10.0.0.2"} << "10.0.0.2";
        QTest::newRow("IPv4 inside IPv6") << QStringList{"::ffff:172.16.0.9"} << QStringList{} << "172.16.0.9";
        QTest::newRow("loopback only when there is no other")
            << QStringList{"127.0.1.1"} << QStringList{"127.0.0.1", "::1"} << "127.0.1.1";
        QTest::newRow("nothing at all") << QStringList{} << QStringList{} << "127.0.0.1";
    }
    void localAddress()
    {
        QFETCH(QStringList, fromName);
        QFETCH(QStringList, fromInterfaces);
        QFETCH(QString, chosen);
        auto addresses = [](const QStringList &texts) {
            QList<QHostAddress> out;
            for (const QString &t : texts)
                out << QHostAddress(t);
            return out;
        };
        QCOMPARE(dottedAddress(chooseLocalAddress(addresses(fromName), addresses(fromInterfaces))), chosen);
    }

    void networkFiles()
    {
        test::TempDataDir data;
        QVERIFY(!netfiles::clientModeConfigured());
        QVERIFY(netfiles::writeServerAddress(QStringLiteral("192.168.1.5")));
        QCOMPARE(data.read(QStringLiteral("Net_konf.dat")), QByteArray("192.168.1.5\r\n"));
        QVERIFY(netfiles::clientModeConfigured());

        // Win32s keeps no password file.
        QVERIFY(netfiles::writePassword(PasswordPlace::None, QStringLiteral("x")));
        QVERIFY(!QFile::exists(files::resolve(files::windowsDir(), QStringLiteral("tvpass.dat"))));
        QCOMPARE(netfiles::readPassword(PasswordPlace::None).text, QString());
        QVERIFY(netfiles::readPassword(PasswordPlace::None).status);
        // Missing: an input/output error to show.
        QVERIFY(!netfiles::readPassword(PasswordPlace::WindowsFolder).status);
        QVERIFY(!netfiles::readPassword(PasswordPlace::WindowsFolder).status.message.isEmpty());

        for (PasswordPlace place : {PasswordPlace::WindowsFolder, PasswordPlace::WinntFolder}) {
            const QString word = QStringLiteral("żółw%1").arg(int(place));
            QVERIFY(netfiles::writePassword(place, word));
            QCOMPARE(netfiles::readPassword(place).text, word);
            const QString path = files::resolve(netfiles::passwordDir(place), QStringLiteral("tvpass.dat"));
            QVERIFY(ownerOnly(path));
        }

        // A file that others could read is narrowed when it is rewritten.
        const QString path = files::resolve(files::windowsDir(), QStringLiteral("tvpass.dat"));
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther | QFileDevice::ReadGroup);
        QVERIFY(netfiles::writePassword(PasswordPlace::WindowsFolder, QStringLiteral("nowe")));
        QVERIFY(ownerOnly(path));
        QCOMPARE(QFile(path).size(), 6);

        netfiles::removeClientConfiguration(PasswordPlace::WindowsFolder);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!netfiles::clientModeConfigured());
        netfiles::removeClientConfiguration(PasswordPlace::WindowsFolder); // nothing there: nothing happens
    }

    void aLabIsConfiguredOnceForEveryAccount()
    {
        QTemporaryDir etc;
        const QString conf = etc.filePath(QStringLiteral("terravia.conf"));
        {
            QFile f(conf);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("# pracownia 12\nserver = 10.1.2.3\npassword=tajne 7\n");
        }
        files::setSystemConfigFile(conf);
        {
            test::TempDataDir account;
            QVERIFY(netfiles::clientModeConfigured());
            QCOMPARE(netfiles::readServerAddress().text, QStringLiteral("10.1.2.3"));
            QCOMPARE(netfiles::readPassword(PasswordPlace::None).text, QStringLiteral("tajne 7")); // also where no file is kept
            // Leaving with the password: for this account only.
            netfiles::removeClientConfiguration(PasswordPlace::None);
            QVERIFY(!netfiles::clientModeConfigured());
            QVERIFY(account.has(netfiles::kLocalChoiceFile));
            // A server of its own again.
            QVERIFY(netfiles::writeServerAddress(QStringLiteral("192.168.1.9")));
            QCOMPARE(netfiles::readServerAddress().text, QStringLiteral("192.168.1.9"));
            QVERIFY(!account.has(netfiles::kLocalChoiceFile));
        }
        {
            test::TempDataDir anotherAccount;
            QVERIFY(netfiles::clientModeConfigured());
        }
        files::setSystemConfigFile(QString());
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
