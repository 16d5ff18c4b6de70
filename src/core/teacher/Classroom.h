#pragma once

#include "platform/Status.h"
#include "results/ResultRecord.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace tv::teacher {

class Gradebook;

// One pupil of the lesson, from the first login under a name to the end.
struct Pupil {
    enum class State {
        Waiting,      // logged in, no test
        Assigned,     // a test was sent; the pupil's prompt counts down
        Solving,      // the pupil reported the test open
        Finished,     // a result arrived
        MissingFile,  // the pupil's computer lacks a file of the test
        Disconnected, // the connection is gone; the name may log in again
    };
    QString name;
    QString address;
    State state = State::Waiting;
    QString test;  // the test of Assigned, Solving, Finished, MissingFile
    QString grade; // Finished
    int connection = -1; // -1 while disconnected
    QDateTime assignedAt;
    int assignedCode = 0;   // the test this lesson sent last; 0 none
    bool resultTaken = false; // its one result came in
    int openRow = -1;       // its row without a result, which a late result replaces
    qint64 lastRefusalSaid = -1; // clock tick; a flood of forged reports is said once in a while

    bool connected() const { return connection >= 0; }
    bool busy() const { return connected() && hasTest(); }
    // A test was sent and neither its result nor the end of it came back.
    bool hasTest() const { return state == State::Assigned || state == State::Solving; }
};

// One row of the lesson's results: a result that came in, or a pupil who
// received a test and did not finish it. Only a result is stored in the
// results file; the other rows name the test and say why in the grade.
struct ClassResult {
    enum class Outcome {
        Result,
        Stopped,     // the teacher's "Zakończ test"
        NotFinished, // disconnected, or the lesson ended, before a result
    };
    ResultRecord record;
    QDateTime received;
    Outcome outcome = Outcome::Result;
};

// The lesson as the server keeps it: who is logged in on which connection,
// what each pupil is doing, and the results that came in. It knows nothing of
// sockets: the server hands it each connection's lines and carries out the
// lines and closings it asks for, which keeps every rule testable alone.
class Classroom : public QObject {
    Q_OBJECT

public:
    using SendLine = std::function<void(int connection, const QString &line)>;
    using CloseConnection = std::function<void(int connection)>;

    // Results are appended to Wyniki.tvw in resultsDir.
    Classroom(const QString &resultsDir, QObject *parent = nullptr);

    void setTransport(SendLine send, CloseConnection close);
    void setAdmitLateComers(bool on) { admitLate = on; }
    // Where the tests' files are, for the marker counts results must give.
    void setContentDir(const QString &dir) { content = dir; }
    bool admitLateComers() const { return admitLate; }
    const QString &resultsDir() const { return dir; }
    // Every accepted result also goes to the gradebook, when one is open,
    // under the lesson's class; Wyniki.tvw is written first in any case.
    void setGradebook(Gradebook *book) { gradebook = book; }
    // The class of the lesson. A change starts a new lesson in the gradebook;
    // the pupils who log in from then on join its list.
    void setClassName(const QString &name);
    // The gradebook now keeps its results elsewhere: the lesson starts there anew.
    void gradebookReplaced();
    const QString &className() const { return classOfLesson; }

    // --- what the connections bring ----------------------------------------------
    void connectionOpened(int connection, const QString &address);
    void lineReceived(int connection, const QString &line);
    void connectionClosed(int connection);
    // The connection's pupil is logged in.
    bool loggedIn(int connection) const { return connections.value(connection).pupil >= 0; }

    // --- the teacher's commands --------------------------------------------------
    // Each returns how many pupils the line went to. An empty list of pupils
    // (indexes into pupils()) means every pupil logged in.
    int assign(int code, const std::vector<int> &to = {});
    int endTest();
    int sendMessage(const QString &text);
    int endLesson();
    // Takes a disconnected pupil off the list; false (nothing changes) for
    // a pupil still logged in.
    bool removePupil(int index);
    int forgetConfiguration();
    int requestStates();

    // A test is running while a pupil logged in has one assigned or open.
    bool testRunning() const;

    const std::vector<Pupil> &pupils() const { return list; }
    int connectedCount() const;
    const std::vector<ClassResult> &results() const { return received; }
    // Lines that could not be read, for the record.
    int badLines() const { return bad; }
    int refusedResults() const { return refusedReports; }
    int refusedLogins() const { return refusedNames; }

    // The state of a pupil as the class list shows it.
    static QString stateText(const Pupil &pupil);
    // The grade column of a row that is no result.
    static QString outcomeText(ClassResult::Outcome outcome);
    // Names typed with other blanks at the ends or other letter case are
    // the same pupil.
    static bool sameName(const QString &a, const QString &b);

signals:
    void pupilAdded(int index);
    void pupilChanged(int index);
    // Around a removal: the pupils after index move up by one.
    void pupilRemoving(int index);
    void pupilRemoved(int index);
    void resultAdded(int index);
    // A row without a result became the result that came in late.
    void resultReplaced(int index);
    // A line the lesson did not take, and why, for the teacher's log.
    void refused(const QString &text);
    // A result arrived but could not be written to the results file; it
    // stays in the table.
    void storeFailed(const Status &status);
    // The gradebook did not take a result or a pupil; Wyniki.tvw has the result.
    void gradebookFailed(const Status &status);
    void missingFile(const QString &name, const QString &text);

private:
    struct Connection {
        QString address;
        int pupil = -1;
    };

    void login(int connection, Connection &c, const QString &name);
    void takeResult(int pupil, const QStringList &fields);
    void takeStatus(int pupil, bool running, const QString &title);
    // A pupil who had a test and leaves it without a result gets a row.
    void unfinished(int pupil, ClassResult::Outcome outcome);
    int addRow(const ClassResult &row);
    QString resultProblem(const Pupil &pupil, ResultRecord &report) const;
    int sendToLoggedIn(const QString &line);
    int findByName(const QString &name) const;
    void send(int connection, const QString &line);
    void changed(int pupil) { emit pupilChanged(pupil); }

    void keepInGradebook(const ClassResult &result);

    QString dir;
    QString content;
    Gradebook *gradebook = nullptr;
    QString classOfLesson;
    qint64 lessonId = -1; // in the gradebook; -1 until its first result
    SendLine sender;
    CloseConnection closer;
    bool admitLate = false;
    QHash<int, Connection> connections;
    std::vector<Pupil> list;
    std::vector<ClassResult> received;
    int bad = 0;
    int refusedReports = 0;
    int refusedNames = 0;
    qint64 lastLoginRefusalSaid = -1;
};

} // namespace tv::teacher
