#include "Classroom.h"
#include "Gradebook.h"

#include "ResultCheck.h"
#include "catalogue/Catalogue.h"
#include "net/Protocol.h"
#include "platform/Files.h"
#include "platform/System.h"

namespace tv::teacher {

namespace {

// The pupil's prompt launches an assigned test after 61 seconds at most; a
// pupil still idle well after that never started it.
constexpr int kAssignmentStaleSeconds = 90;

// A connection sending forged lines by the dozen is said once in this time.
constexpr qint64 kRefusalQuietMs = 10 * 1000;

} // namespace

Classroom::Classroom(const QString &resultsDir, QObject *parent)
    : QObject(parent), dir(resultsDir), content(files::dataDir())
{
}

void Classroom::setTransport(SendLine send, CloseConnection close)
{
    sender = std::move(send);
    closer = std::move(close);
}

void Classroom::send(int connection, const QString &line)
{
    if (sender)
        sender(connection, line);
}

// ---------------------------------------------------------------------------
// Connections

void Classroom::connectionOpened(int connection, const QString &address)
{
    connections.insert(connection, Connection{address, -1});
}

void Classroom::connectionClosed(int connection)
{
    const auto it = connections.find(connection);
    if (it == connections.end())
        return;
    const int p = it->pupil;
    connections.erase(it);
    if (p < 0)
        return;
    Pupil &pupil = list[size_t(p)];
    pupil.connection = -1;
    if (pupil.hasTest() || pupil.state == Pupil::State::MissingFile)
        unfinished(p, ClassResult::Outcome::NotFinished);
    pupil.state = Pupil::State::Disconnected;
    changed(p);
}

void Classroom::unfinished(int p, ClassResult::Outcome outcome)
{
    Pupil &pupil = list[size_t(p)];
    ClassResult row;
    row.record.user = pupil.name;
    // The title a result of the assigned test would have, not the prompt's name.
    const QString title = expectedFor(pupil.assignedCode, content).title;
    row.record.title = title.isEmpty() ? pupil.test : title;
    row.record.grade = outcomeText(outcome);
    row.received = Clock::current().now();
    row.outcome = outcome;
    pupil.openRow = addRow(row);
}

int Classroom::addRow(const ClassResult &row)
{
    received.push_back(row);
    emit resultAdded(int(received.size()) - 1);
    return int(received.size()) - 1;
}

bool Classroom::removePupil(int index)
{
    if (index < 0 || size_t(index) >= list.size() || list[size_t(index)].connected())
        return false;
    emit pupilRemoving(index);
    list.erase(list.begin() + index);
    for (Connection &c : connections)
        if (c.pupil > index)
            --c.pupil;
    emit pupilRemoved(index);
    return true;
}

void Classroom::lineReceived(int connection, const QString &line)
{
    const auto it = connections.find(connection);
    if (it == connections.end())
        return;
    const protocol::ClientLine in = protocol::parseClientLine(line);
    using Kind = protocol::ClientLine::Kind;
    if (it->pupil < 0) {
        // Before the login nothing but the login is heard.
        if (in.kind == Kind::Login)
            login(connection, *it, in.name);
        else
            ++bad;
        return;
    }
    switch (in.kind) {
    case Kind::Result:
        takeResult(it->pupil, in.record);
        break;
    case Kind::Status:
        takeStatus(it->pupil, in.running, in.title);
        break;
    case Kind::MissingFile: {
        Pupil &pupil = list[size_t(it->pupil)];
        pupil.state = Pupil::State::MissingFile;
        if (!in.title.isEmpty())
            pupil.test = in.title;
        changed(it->pupil);
        emit missingFile(pupil.name, in.text);
        break;
    }
    case Kind::Login: // already logged in on this connection
    case Kind::Malformed:
    case Kind::None:
        ++bad;
        break;
    }
}

bool Classroom::sameName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

int Classroom::findByName(const QString &name) const
{
    for (size_t i = 0; i < list.size(); ++i)
        if (sameName(list[i].name, name))
            return int(i);
    return -1;
}

void Classroom::login(int connection, Connection &c, const QString &name)
{
    // A refused connection is heard no more; it closes once the answer is out.
    const auto refuse = [&](const QString &answer) {
        send(connection, answer);
        connections.remove(connection);
        if (closer)
            closer(connection);
    };
    // The pupil's program refuses an empty name; a blank one would only make
    // a row nobody can tell apart, so it is refused as taken: the pupil stays
    // at the login window and may type a name.
    const QString problem = loginNameProblem(name);
    if (!problem.isEmpty()) {
        ++refusedNames;
        const qint64 now = Clock::current().tickMs();
        if (lastLoginRefusalSaid < 0 || now - lastLoginRefusalSaid >= kRefusalQuietMs) {
            lastLoginRefusalSaid = now;
            emit refused(QStringLiteral("Odrzucono logowanie z %1: %2 (odrzuconych logowań: %3)")
                             .arg(c.address, problem)
                             .arg(refusedNames));
        }
        refuse(protocol::nameTakenCommand());
        return;
    }
    const int known = findByName(name);
    if (known >= 0 && list[size_t(known)].connected()) {
        refuse(protocol::nameTakenCommand());
        return;
    }
    if (known >= 0) {
        // Back after a lost connection: admitted even while a test runs.
        Pupil &pupil = list[size_t(known)];
        pupil.connection = connection;
        pupil.address = c.address;
        pupil.state = Pupil::State::Waiting;
        pupil.test.clear();
        pupil.grade.clear();
        // The program that had the test is gone with the old connection.
        pupil.assignedCode = 0;
        pupil.openRow = -1;
        c.pupil = known;
        send(connection, protocol::loginAcceptedCommand());
        changed(known);
        return;
    }
    if (testRunning() && !admitLate) {
        refuse(protocol::loginRefusedBusyCommand());
        return;
    }
    Pupil pupil;
    pupil.name = name.trimmed();
    pupil.address = c.address;
    pupil.connection = connection;
    list.push_back(pupil);
    c.pupil = int(list.size()) - 1;
    send(connection, protocol::loginAcceptedCommand());
    emit pupilAdded(c.pupil);
    if (gradebook && gradebook->isOpen() && !classOfLesson.isEmpty()) {
        const Status added = gradebook->addPupil(classOfLesson, pupil.name);
        if (!added)
            emit gradebookFailed(added);
    }
}

QString Classroom::resultProblem(const Pupil &pupil, ResultRecord &report) const
{
    // The pupil's program reports the name as typed at the login.
    if (!sameName(report.user, pupil.name))
        return QStringLiteral("wynik podaje imię „%1”").arg(report.user);
    if (pupil.assignedCode == 0)
        return QStringLiteral("ten uczeń nie dostał testu");
    if (pupil.resultTaken)
        return QStringLiteral("drugi wynik tego samego testu");
    const Expected expected = expectedFor(pupil.assignedCode, content);
    // A test window closed by "01" before its dialog sent the result leaves
    // the title empty.
    if (report.title.isEmpty())
        report.title = expected.title;
    if (report.title != expected.title)
        return QStringLiteral("wynik testu „%1”, a przydzielono „%2”").arg(report.title, expected.title);
    return figuresProblem(report, expected);
}

void Classroom::setClassName(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed == classOfLesson)
        return;
    classOfLesson = trimmed;
    lessonId = -1;
    if (!gradebook || !gradebook->isOpen() || trimmed.isEmpty())
        return;
    Status status = gradebook->addClass(trimmed);
    // The pupils already in come with the class too.
    for (const Pupil &pupil : list)
        if (status)
            status = gradebook->addPupil(trimmed, pupil.name);
    if (!status)
        emit gradebookFailed(status);
}

void Classroom::gradebookReplaced()
{
    const QString name = classOfLesson;
    classOfLesson.clear();
    setClassName(name);
}

void Classroom::keepInGradebook(const ClassResult &result)
{
    if (!gradebook || !gradebook->isOpen())
        return;
    Status status;
    if (lessonId < 0)
        lessonId = gradebook->startLesson(classOfLesson, result.received, &status);
    if (lessonId >= 0)
        status = gradebook->store(lessonId, classOfLesson, result.record, result.received);
    if (!status)
        emit gradebookFailed(status);
}

void Classroom::takeResult(int p, const QStringList &fields)
{
    Pupil &pupil = list[size_t(p)];
    ClassResult result{ResultRecord::fromLines(fields), Clock::current().now()};
    const QString problem = resultProblem(pupil, result.record);
    if (!problem.isEmpty()) {
        ++refusedReports;
        const qint64 now = Clock::current().tickMs();
        if (pupil.lastRefusalSaid < 0 || now - pupil.lastRefusalSaid >= kRefusalQuietMs) {
            pupil.lastRefusalSaid = now;
            emit refused(QStringLiteral("Odrzucono wynik od %1: %2").arg(pupil.name, problem));
        }
        return;
    }
    result.record.user = pupil.name;
    pupil.resultTaken = true;
    pupil.state = Pupil::State::Finished;
    pupil.test = result.record.title;
    pupil.grade = result.record.grade;
    const Status stored = appendResult(dir, result.record);
    keepInGradebook(result);
    if (pupil.openRow >= 0 && size_t(pupil.openRow) < received.size()) {
        received[size_t(pupil.openRow)] = result;
        emit resultReplaced(pupil.openRow);
    } else {
        addRow(result);
    }
    pupil.openRow = -1;
    changed(p);
    if (!stored)
        emit storeFailed(stored);
}

void Classroom::takeStatus(int p, bool running, const QString &title)
{
    Pupil &pupil = list[size_t(p)];
    if (running) {
        pupil.state = Pupil::State::Solving;
        pupil.test = title;
    } else if (pupil.state == Pupil::State::Solving) {
        unfinished(p, ClassResult::Outcome::NotFinished); // the test was closed without a result
        pupil.state = Pupil::State::Waiting;
        pupil.test.clear();
    } else if (pupil.state == Pupil::State::Assigned
               && pupil.assignedAt.secsTo(Clock::current().now()) > kAssignmentStaleSeconds) {
        pupil.state = Pupil::State::Waiting;
        pupil.test.clear();
    } else {
        return;
    }
    changed(p);
}

// ---------------------------------------------------------------------------
// Commands

int Classroom::sendToLoggedIn(const QString &line)
{
    int n = 0;
    for (const Pupil &pupil : list)
        if (pupil.connected()) {
            send(pupil.connection, line);
            ++n;
        }
    return n;
}

int Classroom::assign(int code, const std::vector<int> &to)
{
    const QString line = protocol::assignCommand(code);
    const QString name = catalogue::promptNameFor(code);
    if (line.isEmpty() || name.isEmpty())
        return 0;
    std::vector<int> targets = to;
    if (targets.empty())
        for (size_t i = 0; i < list.size(); ++i)
            targets.push_back(int(i));
    int n = 0;
    const QDateTime now = Clock::current().now();
    for (const int p : targets) {
        if (p < 0 || size_t(p) >= list.size() || !list[size_t(p)].connected())
            continue;
        Pupil &pupil = list[size_t(p)];
        // The pupil's program ends a test still open before the new one.
        if (pupil.hasTest())
            unfinished(p, ClassResult::Outcome::Stopped);
        send(pupil.connection, line);
        pupil.state = Pupil::State::Assigned;
        pupil.test = name;
        pupil.grade.clear();
        pupil.assignedAt = now;
        pupil.assignedCode = code;
        pupil.resultTaken = false;
        pupil.openRow = -1;
        changed(p);
        ++n;
    }
    return n;
}

int Classroom::endTest()
{
    const QString line = protocol::endTestCommand();
    int n = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        Pupil &pupil = list[i];
        if (!pupil.busy())
            continue;
        send(pupil.connection, line);
        ++n;
        // A prompt still counting down opens its test all the same.
        if (pupil.state == Pupil::State::Assigned)
            continue;
        unfinished(int(i), ClassResult::Outcome::Stopped);
        pupil.state = Pupil::State::Waiting;
        pupil.test.clear();
        changed(int(i));
    }
    return n;
}

int Classroom::sendMessage(const QString &text)
{
    return sendToLoggedIn(protocol::messageCommand(text));
}

int Classroom::endLesson()
{
    // Rows for the tests the lesson cuts short are made now: the pupils'
    // connections then close on a test already accounted for.
    for (size_t i = 0; i < list.size(); ++i) {
        Pupil &pupil = list[i];
        if (!pupil.busy())
            continue;
        unfinished(int(i), ClassResult::Outcome::NotFinished);
        pupil.state = Pupil::State::Waiting;
        pupil.test.clear();
        changed(int(i));
    }
    const int n = sendToLoggedIn(protocol::endSessionCommand());
    // Connections that never logged in end with the lesson too.
    if (closer) {
        const QList<int> open = connections.keys();
        for (const int c : open)
            if (connections.value(c).pupil < 0)
                closer(c);
    }
    return n;
}

int Classroom::forgetConfiguration()
{
    return sendToLoggedIn(protocol::forgetServerCommand());
}

int Classroom::requestStates()
{
    return sendToLoggedIn(protocol::reportStateCommand());
}

bool Classroom::testRunning() const
{
    for (const Pupil &pupil : list)
        if (pupil.busy())
            return true;
    return false;
}

int Classroom::connectedCount() const
{
    int n = 0;
    for (const Pupil &pupil : list)
        n += pupil.connected() ? 1 : 0;
    return n;
}

QString Classroom::stateText(const Pupil &pupil)
{
    switch (pupil.state) {
    case Pupil::State::Waiting:
        return QStringLiteral("czeka");
    case Pupil::State::Assigned:
        return QStringLiteral("otrzymał(a) test: ") + pupil.test;
    case Pupil::State::Solving:
        return QStringLiteral("rozwiązuje: ") + pupil.test;
    case Pupil::State::Finished:
        return QStringLiteral("zakończył(a): ") + pupil.grade;
    case Pupil::State::MissingFile:
        return QStringLiteral("brak pliku testu") + (pupil.test.isEmpty() ? QString() : QStringLiteral(": ") + pupil.test);
    case Pupil::State::Disconnected:
        return QStringLiteral("rozłączony(a)");
    }
    return QString();
}

QString Classroom::outcomeText(ClassResult::Outcome outcome)
{
    switch (outcome) {
    case ClassResult::Outcome::Stopped:
        return QStringLiteral("przerwano");
    case ClassResult::Outcome::NotFinished:
        return QStringLiteral("nie ukończył(a)");
    case ClassResult::Outcome::Result:
        break;
    }
    return QString();
}

} // namespace tv::teacher
