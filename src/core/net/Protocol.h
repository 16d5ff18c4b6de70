#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

// Everything that crosses the network between this program and the teacher's
// server, in one place: the ports, the discovery exchanges and the session's
// lines in both directions. The teacher's server is built on the same code.
//
// Session lines are Windows-1250 text. The client ends the lines it sends with
// CR LF; it reads lines ended by LF, dropping one CR before the LF. The first
// character of a line is its kind; fields follow without escaping, "^" ending
// each field where fields are used.
namespace tv::protocol {

// The program's fixed ports and broadcast target.
constexpr quint16 kDiscoveryUdpPort = 3000;
constexpr quint16 kDiscoveryTcpPort = 3001;
constexpr quint16 kSessionPort = 3002;
inline const QString kBroadcastTarget = QStringLiteral("255.255.255.255");

// A received line longer than this (line end not counted) is refused.
constexpr int kMaxLineLength = 16384;

// The field terminator of the result and status lines.
constexpr char16_t kFieldEnd = u'^';

// Where the client looks for and talks to the server. The defaults are the
// program's fixed values; tests point everything at the loopback address.
struct Endpoints {
    QString broadcastTarget = kBroadcastTarget;
    quint16 discoveryUdpPort = kDiscoveryUdpPort;
    quint16 discoveryTcpPort = kDiscoveryTcpPort;
    quint16 sessionPort = kSessionPort;
    // When not empty, stands for this computer's address (tests).
    QString fixedLocalAddress;
};

// --- one line on the wire ---------------------------------------------------------

// The bytes of one line as the client sends it: Windows-1250, then CR LF. A
// line break inside the text would split it into two lines on the server, so
// each CR or LF in it becomes a blank.
QByteArray encodeLine(const QString &line);

// Cuts received bytes into lines. Bytes come in pieces as the network delivers
// them; whole lines come out in order of arrival. A line longer than
// kMaxLineLength is dropped whole, and its bytes are not kept while it lasts.
class LineDecoder {
public:
    void feed(const QByteArray &bytes);
    bool hasLine() const { return !lines.empty(); }
    // The next whole line, decoded; nothing when none has arrived yet.
    std::optional<QString> next();
    void clear();
    // Lines dropped for their length, for tests.
    int droppedLines() const { return dropped; }

private:
    void takeLine(QByteArray line);

    std::deque<QString> lines;
    QByteArray partial;      // the bytes after the last line end
    bool skipping = false;   // inside an over-long line, until its LF
    int dropped = 0;
};

// --- server to client ---------------------------------------------------------------

struct ServerCommand {
    enum class Kind {
        None,              // an empty line, or one the client does not understand
        EndSession,        // "00"
        EndTest,           // "01"
        LoginAccepted,     // "02"
        NameTaken,         // "04"
        Message,           // "05" + text
        ReportState,       // "06"
        LoginRefusedBusy,  // "07"
        ForgetServer,      // "08"
        AssignTest,        // "1" + two digits, 10..65
    };
    Kind kind = Kind::None;
    QString text; // Message: the line from its third character on
    int code = 0; // AssignTest: the catalogue's server code
};

// Within group "0" only the second character counts, within group "1" the
// second and third; they must be decimal digits. Anything else is ignored.
ServerCommand parseServerLine(const QString &line);

// --- client to server ---------------------------------------------------------------

QString loginRequest(const QString &name);
// The seven fields of a result record in record order: user name, title, time,
// tasks, good, bad, grade. Each is followed by "^".
QString resultReport(const QStringList &record);
QString statusRunning(const QString &title, const QString &localAddress);
QString statusIdle(const QString &localAddress);
QString missingFileReport(const QString &user, const QString &title);

// --- the server's side ------------------------------------------------------------
// What the teacher's server sends and how it reads the client's lines. The
// client reads only the code characters of a command, so nothing but the
// message carries more than its code.

QString endSessionCommand();     // "00"
QString endTestCommand();        // "01"
QString loginAcceptedCommand();  // "02"
QString nameTakenCommand();      // "04"
// "05" + the text on one line: the client shows the line from its third
// character on, so each line break (CR LF, CR or LF) becomes one blank.
QString messageCommand(const QString &text);
QString reportStateCommand();    // "06"
QString loginRefusedBusyCommand(); // "07"
QString forgetServerCommand();   // "08"
// "1" + the two digits of a server code, 10..65; empty for any other code.
QString assignCommand(int code);

struct ClientLine {
    enum class Kind {
        None,        // empty, or of no kind the server knows
        Login,       // "1" + name
        Result,      // "2" + seven fields, each ended by "^"
        Status,      // "3Użytkownik^..."
        MissingFile, // "9Uzytkownik" + name + " " + title + " brakuje pliku konfiguracyjnego"
        Malformed,   // of a known kind, but its fields cannot be read
    };
    Kind kind = Kind::None;
    QString name;          // Login: the name as typed
    QStringList record;    // Result: user, title, time, tasks, good, bad, grade
    bool running = false;  // Status: a test is open
    QString title;         // Status (running), MissingFile: the test's title
    QString address;       // Status: the pupil's address as the client sees it
    QString text;          // MissingFile: the name and the title as sent
};

// Fields are joined without escaping, and a name may hold a "^" (older
// clients let it through): a result is read from the right, the title, time,
// tasks, good, bad and grade being the last fields before the closing "^",
// and the name is what remains.
ClientLine parseClientLine(const QString &line);

// --- discovery -----------------------------------------------------------------------

// The one datagram the client broadcasts to find the server.
inline const QByteArray kDiscoveryRequest = QByteArrayLiteral("d");

struct DiscoveryReply {
    QString address;
    QString password;
};
// The server's UDP answer: address + "^" + password. Split at the first "^";
// without one, the whole text is the password and the address is empty.
DiscoveryReply parseUdpReply(const QByteArray &datagram);

// The text the server sends on a TCP discovery connection: the password. A
// line end after it is not part of it.
QString parseProbeReply(const QByteArray &bytes);

// The local subnet's broadcast text shown while searching: the first three
// parts of a dotted IPv4 address with their dots, then "255".
QString broadcastText(const QString &address);

// The first IPv4 address that is not loopback, looked for among the addresses
// the host's own name resolves to and then among those of the network
// interfaces; a loopback address only when there is no other.
QHostAddress chooseLocalAddress(const QList<QHostAddress> &fromHostName,
                                const QList<QHostAddress> &fromInterfaces);

// An address in dotted form; an IPv4 address carried in IPv6 loses its wrapper.
QString dottedAddress(const QHostAddress &address);

} // namespace tv::protocol
