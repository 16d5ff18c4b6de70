#include "Scripted.h"
#include "net/NetworkFiles.h"
#include "net/Protocol.h"
#include "platform/Files.h"

#include <QFile>
#include <QTest>

using namespace tv;
using namespace tv::protocol;
using Kind = ServerCommand::Kind;

Q_DECLARE_METATYPE(tv::protocol::ServerCommand::Kind)

namespace {

bool ownerOnly(const QString &path)
{
    const QFileDevice::Permissions p = QFile::permissions(path);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return (p & QFileDevice::ReadOwner) && (p & QFileDevice::WriteOwner) && !(p & others);
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

    void discoveryAnswers_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("password");
        QTest::newRow("address and password") << QByteArray("192.168.1.5^tajne") << "192.168.1.5" << "tajne";
        QTest::newRow("no ^: all of it is the password") << QByteArray("192.168.1.5") << "" << "192.168.1.5";
        QTest::newRow("two ^: the first splits") << QByteArray("10.0.0.1^ab^cd") << "10.0.0.1" << "ab^cd";
        QTest::newRow("Windows-1250") << QByteArray("10.0.0.1^\xbf\xf3\xb3w") << "10.0.0.1" << "żółw";
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

        // Kind 0 keeps no password file.
        QVERIFY(netfiles::writePassword(0, QStringLiteral("x")));
        QVERIFY(!QFile::exists(files::resolve(files::windowsDir(), QStringLiteral("tvpass.dat"))));
        QCOMPARE(netfiles::readPassword(0).text, QString());
        QVERIFY(netfiles::readPassword(0).status);
        // Missing: an input/output error to show.
        QVERIFY(!netfiles::readPassword(2).status);
        QVERIFY(!netfiles::readPassword(2).status.message.isEmpty());

        for (int kind : {1, 2, 3}) {
            QVERIFY(netfiles::writePassword(kind, QStringLiteral("żółw%1").arg(kind)));
            QCOMPARE(netfiles::readPassword(kind).text, QStringLiteral("żółw%1").arg(kind));
            const QString path = files::resolve(netfiles::passwordDir(kind), QStringLiteral("tvpass.dat"));
            QVERIFY(ownerOnly(path));
        }

        // A file that others could read is narrowed when it is rewritten.
        const QString path = files::resolve(files::windowsDir(), QStringLiteral("tvpass.dat"));
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOther | QFileDevice::ReadGroup);
        QVERIFY(netfiles::writePassword(2, QStringLiteral("nowe")));
        QVERIFY(ownerOnly(path));
        QCOMPARE(QFile(path).size(), 6);

        netfiles::removeClientConfiguration(2);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!netfiles::clientModeConfigured());
        netfiles::removeClientConfiguration(2); // nothing there: nothing happens
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
