#include "Protocol.h"

#include "platform/Cp1250.h"

namespace tv::protocol {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QByteArray encodeLine(const QString &line)
{
    QString text = line;
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return cp1250::encode(text) + QByteArrayLiteral("\r\n");
}

// ---------------------------------------------------------------------------

void LineDecoder::feed(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0) {
            if (skipping)
                return;
            partial.append(bytes.constData() + start, bytes.size() - start);
            // Even a CR still to come would not bring it back within the limit.
            if (partial.size() > kMaxLineLength + 1) {
                partial.clear();
                skipping = true;
                ++dropped;
            }
            return;
        }
        if (skipping) {
            skipping = false; // the over-long line ends here
        } else {
            partial.append(bytes.constData() + start, lf - start);
            takeLine(std::move(partial));
            partial = QByteArray();
        }
        start = lf + 1;
    }
}

void LineDecoder::takeLine(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.size() > kMaxLineLength) {
        ++dropped;
        return;
    }
    lines.push_back(cp1250::decode(line));
}

std::optional<QString> LineDecoder::next()
{
    if (lines.empty())
        return std::nullopt;
    QString line = std::move(lines.front());
    lines.pop_front();
    return line;
}

void LineDecoder::clear()
{
    lines.clear();
    partial.clear();
    skipping = false;
}

// ---------------------------------------------------------------------------

ServerCommand parseServerLine(const QString &line)
{
    using Kind = ServerCommand::Kind;
    ServerCommand command;
    if (line.size() < 2 || !isDigit(line[1]))
        return command;
    if (line[0] == u'0') {
        switch (line[1].unicode() - u'0') {
        case 0:
            command.kind = Kind::EndSession;
            break;
        case 1:
            command.kind = Kind::EndTest;
            break;
        case 2:
            command.kind = Kind::LoginAccepted;
            break;
        case 4:
            command.kind = Kind::NameTaken;
            break;
        case 5:
            command.kind = Kind::Message;
            command.text = line.mid(2);
            break;
        case 6:
            command.kind = Kind::ReportState;
            break;
        case 7:
            command.kind = Kind::LoginRefusedBusy;
            break;
        case 8:
            command.kind = Kind::ForgetServer;
            break;
        default:
            break;
        }
        return command;
    }
    if (line[0] == u'1' && line.size() >= 3 && isDigit(line[2])) {
        const int code = (line[1].unicode() - u'0') * 10 + (line[2].unicode() - u'0');
        if (code >= 10 && code <= 65) {
            command.kind = Kind::AssignTest;
            command.code = code;
        }
    }
    return command;
}

// ---------------------------------------------------------------------------

namespace {

// Each prefix is written once: the pupil's lines are built and read from these.
// Note the two spellings, "Użytkownik" and "Uzytkownik", as the lines always had.
const QString kStatusRunning = QStringLiteral("3Użytkownik^Obecnie rozwiązuje: ");
const QString kStatusIdle = QStringLiteral("3Użytkownik^Obecnie nie rozwiązuje żadnego testu^");
const QString kMissingStart = QStringLiteral("9Uzytkownik");
const QString kMissingEnd = QStringLiteral(" brakuje pliku konfiguracyjnego");

} // namespace

QString loginRequest(const QString &name)
{
    return QStringLiteral("1") + name;
}

QString resultReport(const QStringList &record)
{
    QString line = QStringLiteral("2");
    for (int i = 0; i < 7; ++i)
        line += record.value(i) + kFieldEnd;
    return line;
}

QString statusRunning(const QString &title, const QString &localAddress)
{
    return kStatusRunning + title + kFieldEnd + localAddress;
}

QString statusIdle(const QString &localAddress)
{
    return kStatusIdle + localAddress;
}

QString missingFileReport(const QString &user, const QString &title)
{
    return kMissingStart + user + QLatin1Char(' ') + title + kMissingEnd;
}

// ---------------------------------------------------------------------------

QString endSessionCommand() { return QStringLiteral("00"); }
QString endTestCommand() { return QStringLiteral("01"); }
QString loginAcceptedCommand() { return QStringLiteral("02"); }
QString nameTakenCommand() { return QStringLiteral("04"); }
QString reportStateCommand() { return QStringLiteral("06"); }
QString loginRefusedBusyCommand() { return QStringLiteral("07"); }
QString forgetServerCommand() { return QStringLiteral("08"); }

QString messageCommand(const QString &text)
{
    QString oneLine = text;
    oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    oneLine.replace(u'\r', u' ');
    oneLine.replace(u'\n', u' ');
    oneLine.replace(QChar(0x2028), u' ');
    oneLine.replace(QChar(0x2029), u' ');
    return QStringLiteral("05") + oneLine;
}

QString assignCommand(int code)
{
    if (code < 10 || code > 65)
        return QString();
    return QStringLiteral("1") + QString::number(code);
}

ClientLine parseClientLine(const QString &line)
{
    using Kind = ClientLine::Kind;
    ClientLine out;
    if (line.isEmpty())
        return out;
    switch (line[0].unicode()) {
    case u'1':
        out.kind = Kind::Login;
        out.name = line.mid(1);
        return out;
    case u'2': {
        QString body = line.mid(1);
        if (body.endsWith(kFieldEnd))
            body.chop(1);
        QStringList fromRight;
        qsizetype end = body.size();
        for (int i = 0; i < 6; ++i) {
            const qsizetype cut = body.lastIndexOf(kFieldEnd, end - 1);
            if (end == 0 || cut < 0) {
                out.kind = Kind::Malformed;
                return out;
            }
            fromRight.prepend(body.mid(cut + 1, end - cut - 1));
            end = cut;
        }
        out.kind = Kind::Result;
        out.record = QStringList{body.left(end)} + fromRight;
        return out;
    }
    case u'3': {
        QString rest;
        if (line.startsWith(kStatusIdle)) {
            out.address = line.mid(kStatusIdle.size());
        } else if (line.startsWith(kStatusRunning)) {
            rest = line.mid(kStatusRunning.size());
            const qsizetype cut = rest.lastIndexOf(kFieldEnd);
            if (cut < 0) {
                out.kind = Kind::Malformed;
                return out;
            }
            out.running = true;
            out.title = rest.left(cut);
            out.address = rest.mid(cut + 1);
        } else {
            out.kind = Kind::Malformed;
            return out;
        }
        out.kind = Kind::Status;
        return out;
    }
    case u'9': {
        if (!line.startsWith(kMissingStart)) {
            out.kind = Kind::Malformed;
            return out;
        }
        QString rest = line.mid(kMissingStart.size());
        if (rest.endsWith(kMissingEnd))
            rest.chop(kMissingEnd.size());
        out.kind = Kind::MissingFile;
        out.text = rest;
        // Every title begins "Test: "; the name before it may hold blanks.
        const qsizetype at = rest.indexOf(QStringLiteral(" Test: "));
        out.title = at >= 0 ? rest.mid(at + 1) : QString();
        return out;
    }
    default:
        return out;
    }
}

// ---------------------------------------------------------------------------

DiscoveryReply parseUdpReply(const QByteArray &datagram)
{
    const QString text = cp1250::decode(datagram);
    const qsizetype cut = text.indexOf(kFieldEnd);
    if (cut < 0)
        return {QString(), text};
    return {text.left(cut), text.mid(cut + 1)};
}

QString parseProbeReply(const QByteArray &bytes)
{
    QString text = cp1250::decode(bytes);
    while (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

QString broadcastText(const QString &address)
{
    const QStringList parts = address.split(u'.');
    if (parts.size() < 4)
        return QString();
    return parts.mid(0, 3).join(u'.') + QStringLiteral(".255");
}

QHostAddress chooseLocalAddress(const QList<QHostAddress> &fromHostName, const QList<QHostAddress> &fromInterfaces)
{
    QList<QHostAddress> candidates;
    for (const QList<QHostAddress> *list : {&fromHostName, &fromInterfaces})
        for (const QHostAddress &a : *list) {
            bool ok = false;
            const quint32 v4 = a.toIPv4Address(&ok);
            if (ok && v4 != 0)
                candidates.append(QHostAddress(v4));
        }
    for (const QHostAddress &a : candidates)
        if (!a.isLoopback())
            return a;
    return candidates.isEmpty() ? QHostAddress(QHostAddress::LocalHost) : candidates.first();
}

QString dottedAddress(const QHostAddress &address)
{
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return ok ? QHostAddress(v4).toString() : address.toString();
}

} // namespace tv::protocol
