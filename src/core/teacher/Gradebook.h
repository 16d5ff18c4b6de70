#pragma once

#include "platform/Status.h"
#include "results/ResultRecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace tv::teacher {

// Where the gradebook lives: a file of its own beside Wyniki.tvw, or a
// school's server shared by several teachers.
struct GradebookPlace {
    enum class Kind { SQLite, PostgreSQL };
    Kind kind = Kind::SQLite;
    QString file; // SQLite
    QString host; // PostgreSQL
    int port = 5432;
    QString database;
    QString user;
    QString password;
};

// The teacher's choice, kept in Dziennik.ini of the teacher's folder; without
// one, Dziennik.sqlite in that folder.
inline const QString kGradebookSettingsFile = QStringLiteral("Dziennik.ini");
inline const QString kGradebookFile = QStringLiteral("Dziennik.sqlite");
GradebookPlace gradebookPlace(const QString &teacherDir);
Status saveGradebookPlace(const QString &teacherDir, const GradebookPlace &place);

// One result as the gradebook keeps it.
struct StoredResult {
    qint64 id = 0;
    qint64 lesson = 0;
    QString className; // empty for results imported from a Wyniki.tvw
    ResultRecord record; // record.user is the pupil
    QDateTime arrived;
};

// A span of arrival times: from inclusive, to exclusive; an invalid end is open.
struct Period {
    QDateTime from;
    QDateTime to;

    static Period all() { return {}; }
    // 1: September to January, 2: February to August, of the school year
    // that begins in September of startYear.
    static Period term(int startYear, int term);
    static Period month(int year, int month);
    // Both days whole.
    static Period days(const QDate &first, const QDate &last);
    bool contains(const QDateTime &t) const
    {
        return (!from.isValid() || t >= from) && (!to.isValid() || t < to);
    }
};

// The school year a day belongs to (the year of its September).
int schoolYearOf(const QDate &day);

// The results of every lesson, by class and pupil, on SQLite or PostgreSQL
// through Qt SQL: the same schema and the same statements on both. Every
// failure comes back as a Status in Polish that says the lesson goes on
// with Wyniki.tvw, so the teacher knows nothing is lost.
class Gradebook {
public:
    // 1: lessons and results. 2: the classes with their pupils, the record of
    // imported files, the indexes the class and pupil queries use.
    static constexpr int kSchemaVersion = 2;

    Gradebook();
    ~Gradebook();
    Gradebook(const Gradebook &) = delete;
    Gradebook &operator=(const Gradebook &) = delete;

    // Opens (creating the file or the tables on first use) and migrates the
    // schema up to upTo, the current version unless a test wants an old one.
    Status open(const GradebookPlace &place, int upTo = kSchemaVersion);
    void close();
    bool isOpen() const { return opened; }
    int schemaVersion() const;

    // A new lesson of the class; -1 when it could not be stored.
    qint64 startLesson(const QString &className, const QDateTime &started, Status *status = nullptr);
    // Stores an accepted result; its pupil joins the class's list.
    Status store(qint64 lesson, const QString &className, const ResultRecord &record, const QDateTime &arrived);

    Status addClass(const QString &name);
    Status addPupil(const QString &className, const QString &pupil);
    QStringList classes() const;
    QStringList pupils(const QString &className) const;

    // Oldest first.
    std::vector<StoredResult> classResults(const QString &className, const Period &period = {}) const;
    std::vector<StoredResult> pupilHistory(const QString &className, const QString &pupil,
                                           const Period &period = {}) const;

    struct Imported {
        Status status;
        int count = 0;
        bool already = false; // the same file was imported before; nothing added
    };
    // Every record of a Wyniki.tvw, with the file's date and no class, once.
    Imported importResultsFile(const QString &path);

private:
    Status migrate(int upTo);
    Status failure(const QString &what, const QString &detail) const;
    std::vector<StoredResult> select(const QString &where, const QVariantList &values) const;

    QString connection;
    bool opened = false;
    bool postgres = false;
    int schema = 0; // as migrated; a book kept at an old version writes only what that version had
    QString placeName;
};

// --- the class's table ----------------------------------------------------------

enum class GradeChoice { Last, Best, All };

// Pupils × tests of a class in a period: each pupil's grade of each test, the
// class's average per test, and who has not taken it.
struct GradeTable {
    QStringList pupils; // the class's list and whoever has a result, in Polish order
    QStringList tests;  // titles, in Polish order
    // cells[pupil][test]: the results, oldest first; empty when not taken.
    std::vector<std::vector<std::vector<StoredResult>>> cells;

    QString cell(int pupil, int test, GradeChoice choice) const;
    // The mean of the marks shown (all of them for All); negative when none.
    double average(int test, GradeChoice choice) const;
    QStringList missing(int test) const;
};

GradeTable gradeTable(const std::vector<StoredResult> &results, const QStringList &classPupils);
// The mark of a grade text, "Dobry plus (4+)" 4; 0 for none.
int markOf(const QString &grade);
// "4,25", as a Polish spreadsheet reads it.
QString averageText(double average);

// The table for a spreadsheet, as the lesson's export writes it: the pupils'
// rows, then the class's average and who has not taken each test.
QByteArray gradeTableCsv(const GradeTable &table, GradeChoice choice, const std::vector<int> &order = {});
// One pupil's history for a spreadsheet.
QByteArray historyCsv(const std::vector<StoredResult> &history);
QStringList historyHeaders();
QString historyCell(const StoredResult &result, int column);

} // namespace tv::teacher
