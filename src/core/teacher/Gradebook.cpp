#include "Gradebook.h"

#include "results/ResultsFile.h"
#include "teacher/ClassModels.h"

#include <QAtomicInt>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <map>

namespace tv::teacher {

namespace {

// Text sorts as time on both servers, and a period is two comparisons.
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString timeText(const QDateTime &t) { return t.toString(kTimeFormat); }
// A null text would be bound as NULL; every column holds text, empty or not.
QString text(const QString &s) { return s.isNull() ? QStringLiteral("") : s; }
QDateTime timeOf(const QString &text) { return QDateTime::fromString(text, kTimeFormat); }

QCollator polish()
{
    QCollator c{QLocale(QLocale::Polish, QLocale::Poland)};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

void sortPolish(QStringList &list)
{
    const QCollator c = polish();
    std::sort(list.begin(), list.end(), [&](const QString &a, const QString &b) { return c.compare(a, b) < 0; });
}

QAtomicInt connections;

} // namespace

// ---------------------------------------------------------------------------
// Where

GradebookPlace gradebookPlace(const QString &teacherDir)
{
    GradebookPlace place;
    place.file = QDir(teacherDir).filePath(kGradebookFile);
    const QString path = QDir(teacherDir).filePath(kGradebookSettingsFile);
    if (!QFileInfo::exists(path))
        return place;
    QSettings ini(path, QSettings::IniFormat);
    if (ini.value(QStringLiteral("rodzaj")).toString() == QStringLiteral("postgresql"))
        place.kind = GradebookPlace::Kind::PostgreSQL;
    place.host = ini.value(QStringLiteral("adres")).toString();
    place.port = ini.value(QStringLiteral("port"), 5432).toInt();
    place.database = ini.value(QStringLiteral("baza")).toString();
    place.user = ini.value(QStringLiteral("uzytkownik")).toString();
    place.password = ini.value(QStringLiteral("haslo")).toString();
    return place;
}

Status saveGradebookPlace(const QString &teacherDir, const GradebookPlace &place)
{
    QSettings ini(QDir(teacherDir).filePath(kGradebookSettingsFile), QSettings::IniFormat);
    const bool pg = place.kind == GradebookPlace::Kind::PostgreSQL;
    ini.setValue(QStringLiteral("rodzaj"), pg ? QStringLiteral("postgresql") : QStringLiteral("sqlite"));
    ini.setValue(QStringLiteral("adres"), place.host);
    ini.setValue(QStringLiteral("port"), place.port);
    ini.setValue(QStringLiteral("baza"), place.database);
    ini.setValue(QStringLiteral("uzytkownik"), place.user);
    ini.setValue(QStringLiteral("haslo"), place.password);
    ini.sync();
    if (ini.status() != QSettings::NoError)
        return Status::failure(QStringLiteral("Nie można zapisać ustawień dziennika ocen."));
    return Status::success();
}

// ---------------------------------------------------------------------------
// Periods

Period Period::term(int startYear, int term)
{
    if (term == 1)
        return {QDateTime(QDate(startYear, 9, 1), QTime(0, 0)), QDateTime(QDate(startYear + 1, 2, 1), QTime(0, 0))};
    return {QDateTime(QDate(startYear + 1, 2, 1), QTime(0, 0)), QDateTime(QDate(startYear + 1, 9, 1), QTime(0, 0))};
}

Period Period::month(int year, int month)
{
    const QDate first(year, month, 1);
    return {QDateTime(first, QTime(0, 0)), QDateTime(first.addMonths(1), QTime(0, 0))};
}

Period Period::days(const QDate &first, const QDate &last)
{
    return {QDateTime(first, QTime(0, 0)), QDateTime(last.addDays(1), QTime(0, 0))};
}

int schoolYearOf(const QDate &day) { return day.month() >= 9 ? day.year() : day.year() - 1; }

// ---------------------------------------------------------------------------
// The store

Gradebook::Gradebook() : connection(QStringLiteral("gradebook-%1").arg(connections.fetchAndAddRelaxed(1))) {}

Gradebook::~Gradebook() { close(); }

void Gradebook::close()
{
    opened = false;
    schema = 0;
    if (QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

Status Gradebook::failure(const QString &what, const QString &detail) const
{
    QString text = QStringLiteral("Dziennik ocen (%1): %2.").arg(placeName, what);
    if (!detail.trimmed().isEmpty())
        text += QStringLiteral("\n%1").arg(detail.trimmed());
    text += QStringLiteral("\nWyniki lekcji są nadal zapisywane w pliku Wyniki.tvw.");
    return Status::failure(text);
}

Status Gradebook::open(const GradebookPlace &place, int upTo)
{
    close();
    postgres = place.kind == GradebookPlace::Kind::PostgreSQL;
    placeName = postgres ? QStringLiteral("%1@%2:%3").arg(place.database, place.host).arg(place.port)
                         : QDir::toNativeSeparators(place.file);
    const QString driver = postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver))
        return failure(QStringLiteral("brak sterownika bazy danych %1").arg(driver),
                       postgres ? QStringLiteral("Zainstaluj pakiet libqt6sql6-psql.")
                                : QStringLiteral("Zainstaluj pakiet libqt6sql6-sqlite."));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection);
        if (postgres) {
            db.setHostName(place.host);
            db.setPort(place.port);
            db.setDatabaseName(place.database);
            db.setUserName(place.user);
            db.setPassword(place.password);
            db.setConnectOptions(QStringLiteral("connect_timeout=5"));
        } else {
            if (!QFileInfo(place.file).absoluteDir().exists())
                QDir().mkpath(QFileInfo(place.file).absolutePath());
            db.setDatabaseName(place.file);
            // Another copy of the program writing at the same moment waits
            // this long before the file counts as locked.
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        }
        if (!db.open())
            return failure(QStringLiteral("nie można otworzyć bazy"), db.lastError().text());
    }
    opened = true;
    const Status migrated = migrate(upTo);
    if (!migrated)
        close();
    return migrated;
}

int Gradebook::schemaVersion() const
{
    if (!opened)
        return 0;
    QSqlQuery q(QSqlDatabase::database(connection));
    if (!q.exec(QStringLiteral("SELECT version FROM schema_version")) || !q.next())
        return 0;
    return q.value(0).toInt();
}

Status Gradebook::migrate(int upTo)
{
    QSqlDatabase db = QSqlDatabase::database(connection);
    QSqlQuery probe(db);
    // A file that is no database fails here, before anything is written.
    const QString tables = postgres
        ? QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE table_name = 'schema_version'")
        : QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'schema_version'");
    if (!probe.exec(tables) || !probe.next())
        return failure(QStringLiteral("baza jest uszkodzona albo zablokowana"), probe.lastError().text());
    const bool fresh = probe.value(0).toInt() == 0;
    probe.finish();
    int version = fresh ? 0 : schemaVersion();

    const QString key = postgres ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY");
    const std::vector<QStringList> steps = {
        {
            QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
            QStringLiteral("INSERT INTO schema_version (version) VALUES (0)"),
            QStringLiteral("CREATE TABLE lessons (id %1, class_name TEXT NOT NULL, started TEXT NOT NULL)").arg(key),
            QStringLiteral("CREATE TABLE results (id %1, lesson BIGINT NOT NULL REFERENCES lessons(id),"
                           " class_name TEXT NOT NULL, pupil TEXT NOT NULL, title TEXT NOT NULL,"
                           " test_time TEXT NOT NULL, tasks TEXT NOT NULL, good TEXT NOT NULL, bad TEXT NOT NULL,"
                           " grade TEXT NOT NULL, arrived TEXT NOT NULL)")
                .arg(key),
        },
        {
            QStringLiteral("CREATE TABLE classes (name TEXT PRIMARY KEY)"),
            QStringLiteral("CREATE TABLE class_pupils (class_name TEXT NOT NULL REFERENCES classes(name),"
                           " pupil TEXT NOT NULL, PRIMARY KEY (class_name, pupil))"),
            QStringLiteral("CREATE TABLE imports (fingerprint TEXT PRIMARY KEY, imported TEXT NOT NULL)"),
            QStringLiteral("CREATE INDEX results_class ON results (class_name, arrived)"),
            QStringLiteral("CREATE INDEX results_pupil ON results (class_name, pupil, arrived)"),
            // The first version knew classes only by their results.
            QStringLiteral("INSERT INTO classes (name) SELECT DISTINCT class_name FROM results WHERE class_name <> ''"),
            QStringLiteral("INSERT INTO class_pupils (class_name, pupil) SELECT DISTINCT class_name, pupil"
                           " FROM results WHERE class_name <> ''"),
        },
    };
    for (; version < upTo && version < int(steps.size()); ++version) {
        if (!db.transaction())
            return failure(QStringLiteral("baza jest zablokowana"), db.lastError().text());
        QSqlQuery q(db);
        for (const QString &statement : steps[size_t(version)]) {
            if (!q.exec(statement)) {
                const QString detail = q.lastError().text();
                db.rollback();
                return failure(QStringLiteral("nie można przejść na wersję %1").arg(version + 1), detail);
            }
        }
        if (!q.exec(QStringLiteral("UPDATE schema_version SET version = %1").arg(version + 1)) || !db.commit()) {
            const QString detail = q.lastError().text() + db.lastError().text();
            db.rollback();
            return failure(QStringLiteral("nie można przejść na wersję %1").arg(version + 1), detail);
        }
    }
    if (version > kSchemaVersion)
        return failure(QStringLiteral("baza pochodzi z nowszej wersji programu (%1)").arg(version), {});
    schema = version;
    return Status::success();
}

qint64 Gradebook::startLesson(const QString &className, const QDateTime &started, Status *status)
{
    auto fail = [&](const Status &s) {
        if (status)
            *status = s;
        return qint64(-1);
    };
    if (!opened)
        return fail(failure(QStringLiteral("baza nie jest otwarta"), {}));
    if (!className.isEmpty() && schema >= 2) {
        const Status added = addClass(className);
        if (!added)
            return fail(added);
    }
    QSqlQuery q(QSqlDatabase::database(connection));
    q.prepare(QStringLiteral("INSERT INTO lessons (class_name, started) VALUES (?, ?) RETURNING id"));
    q.addBindValue(text(className));
    q.addBindValue(timeText(started));
    if (!q.exec() || !q.next())
        return fail(failure(QStringLiteral("nie można zapisać lekcji"), q.lastError().text()));
    if (status)
        *status = Status::success();
    return q.value(0).toLongLong();
}

Status Gradebook::store(qint64 lesson, const QString &className, const ResultRecord &r, const QDateTime &arrived)
{
    if (!opened)
        return failure(QStringLiteral("baza nie jest otwarta"), {});
    QSqlDatabase db = QSqlDatabase::database(connection);
    if (!db.transaction())
        return failure(QStringLiteral("baza jest zablokowana"), db.lastError().text());
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO results (lesson, class_name, pupil, title, test_time, tasks, good, bad,"
                             " grade, arrived) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &v : QVariantList{lesson, text(className), text(r.user), text(r.title), text(r.time),
                                          text(r.tasks), text(r.good), text(r.bad), text(r.grade),
                                          timeText(arrived)})
        q.addBindValue(v);
    bool ok = q.exec();
    if (ok && !className.isEmpty() && schema >= 2) {
        q.prepare(QStringLiteral("INSERT INTO class_pupils (class_name, pupil) VALUES (?, ?) ON CONFLICT DO NOTHING"));
        q.addBindValue(text(className));
        q.addBindValue(text(r.user));
        ok = q.exec();
    }
    if (!ok || !db.commit()) {
        const QString detail = q.lastError().text() + db.lastError().text();
        db.rollback();
        return failure(QStringLiteral("nie można zapisać wyniku ucznia %1").arg(r.user), detail);
    }
    return Status::success();
}

Status Gradebook::addClass(const QString &name)
{
    if (!opened)
        return failure(QStringLiteral("baza nie jest otwarta"), {});
    QSqlQuery q(QSqlDatabase::database(connection));
    q.prepare(QStringLiteral("INSERT INTO classes (name) VALUES (?) ON CONFLICT DO NOTHING"));
    q.addBindValue(text(name));
    if (!q.exec())
        return failure(QStringLiteral("nie można zapisać klasy %1").arg(name), q.lastError().text());
    return Status::success();
}

Status Gradebook::addPupil(const QString &className, const QString &pupil)
{
    const Status added = addClass(className);
    if (!added)
        return added;
    QSqlQuery q(QSqlDatabase::database(connection));
    q.prepare(QStringLiteral("INSERT INTO class_pupils (class_name, pupil) VALUES (?, ?) ON CONFLICT DO NOTHING"));
    q.addBindValue(text(className));
    q.addBindValue(text(pupil));
    if (!q.exec())
        return failure(QStringLiteral("nie można zapisać ucznia %1").arg(pupil), q.lastError().text());
    return Status::success();
}

QStringList Gradebook::classes() const
{
    QStringList out;
    if (!opened)
        return out;
    QSqlQuery q(QSqlDatabase::database(connection));
    if (q.exec(QStringLiteral("SELECT name FROM classes")))
        while (q.next())
            out << q.value(0).toString();
    sortPolish(out);
    return out;
}

QStringList Gradebook::pupils(const QString &className) const
{
    QStringList out;
    if (!opened)
        return out;
    QSqlQuery q(QSqlDatabase::database(connection));
    q.prepare(QStringLiteral("SELECT pupil FROM class_pupils WHERE class_name = ?"));
    q.addBindValue(text(className));
    if (q.exec())
        while (q.next())
            out << q.value(0).toString();
    sortPolish(out);
    return out;
}

std::vector<StoredResult> Gradebook::select(const QString &where, const QVariantList &values) const
{
    std::vector<StoredResult> out;
    if (!opened)
        return out;
    QSqlQuery q(QSqlDatabase::database(connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, lesson, class_name, pupil, title, test_time, tasks, good, bad, grade, arrived"
                             " FROM results WHERE %1 ORDER BY arrived, id")
                  .arg(where));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        return out;
    while (q.next()) {
        StoredResult r;
        r.id = q.value(0).toLongLong();
        r.lesson = q.value(1).toLongLong();
        r.className = q.value(2).toString();
        r.record = ResultRecord{q.value(3).toString(), q.value(4).toString(), q.value(5).toString(),
                                q.value(6).toString(), q.value(7).toString(), q.value(8).toString(),
                                q.value(9).toString()};
        r.arrived = timeOf(q.value(10).toString());
        out.push_back(std::move(r));
    }
    return out;
}

namespace {

void periodWhere(const Period &period, QString &where, QVariantList &values)
{
    if (period.from.isValid()) {
        where += QStringLiteral(" AND arrived >= ?");
        values << timeText(period.from);
    }
    if (period.to.isValid()) {
        where += QStringLiteral(" AND arrived < ?");
        values << timeText(period.to);
    }
}

} // namespace

std::vector<StoredResult> Gradebook::classResults(const QString &className, const Period &period) const
{
    QString where = QStringLiteral("class_name = ?");
    QVariantList values{text(className)};
    periodWhere(period, where, values);
    return select(where, values);
}

std::vector<StoredResult> Gradebook::pupilHistory(const QString &className, const QString &pupil,
                                                  const Period &period) const
{
    QString where = QStringLiteral("class_name = ? AND pupil = ?");
    QVariantList values{text(className), text(pupil)};
    periodWhere(period, where, values);
    return select(where, values);
}

Gradebook::Imported Gradebook::importResultsFile(const QString &path)
{
    Imported out;
    if (!opened) {
        out.status = failure(QStringLiteral("baza nie jest otwarta"), {});
        return out;
    }
    const results::ReadRecords read = results::readRecordsFile(path);
    if (!read.status) {
        out.status = read.status;
        return out;
    }
    const QString fingerprint =
        QStringLiteral("%1:%2").arg(read.fingerprint.size).arg(quint64(read.fingerprint.hash), 16, 16, QChar(u'0'));
    QSqlDatabase db = QSqlDatabase::database(connection);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT count(*) FROM imports WHERE fingerprint = ?"));
    q.addBindValue(fingerprint);
    if (!q.exec() || !q.next()) {
        out.status = failure(QStringLiteral("nie można sprawdzić wcześniejszych importów"), q.lastError().text());
        return out;
    }
    if (q.value(0).toInt() > 0) {
        out.already = true;
        return out;
    }
    // The file says nothing of when each result came; its date is all there is.
    const QDateTime when = QFileInfo(path).lastModified();
    const qint64 lesson = startLesson(QString(), when, &out.status);
    if (lesson < 0)
        return out;
    if (!db.transaction()) {
        out.status = failure(QStringLiteral("baza jest zablokowana"), db.lastError().text());
        return out;
    }
    q.prepare(QStringLiteral("INSERT INTO results (lesson, class_name, pupil, title, test_time, tasks, good, bad,"
                             " grade, arrived) VALUES (?, '', ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const ResultRecord &r : read.records) {
        for (const QVariant &v : QVariantList{lesson, text(r.user), text(r.title), text(r.time), text(r.tasks),
                                              text(r.good), text(r.bad), text(r.grade), timeText(when)})
            q.addBindValue(v);
        if (!q.exec()) {
            out.status = failure(QStringLiteral("nie można zaimportować pliku"), q.lastError().text());
            db.rollback();
            return out;
        }
        ++out.count;
    }
    q.prepare(QStringLiteral("INSERT INTO imports (fingerprint, imported) VALUES (?, ?)"));
    q.addBindValue(fingerprint);
    q.addBindValue(timeText(when));
    if (!q.exec() || !db.commit()) {
        out.status = failure(QStringLiteral("nie można zaimportować pliku"), q.lastError().text());
        db.rollback();
        out.count = 0;
    }
    return out;
}

// ---------------------------------------------------------------------------
// The class's table

int markOf(const QString &grade)
{
    const int open = grade.lastIndexOf(u'(');
    if (open < 0 || open + 1 >= grade.size() || !grade[open + 1].isDigit())
        return 0;
    return grade[open + 1].digitValue();
}

QString averageText(double average)
{
    if (average < 0)
        return QString();
    return QLocale(QLocale::Polish).toString(average, 'f', 2);
}

GradeTable gradeTable(const std::vector<StoredResult> &results, const QStringList &classPupils)
{
    GradeTable t;
    t.pupils = classPupils;
    for (const StoredResult &r : results) {
        if (!t.pupils.contains(r.record.user))
            t.pupils << r.record.user;
        if (!t.tests.contains(r.record.title))
            t.tests << r.record.title;
    }
    sortPolish(t.pupils);
    sortPolish(t.tests);
    std::map<QString, int> pupilRow, testColumn;
    for (int i = 0; i < t.pupils.size(); ++i)
        pupilRow[t.pupils[i]] = i;
    for (int i = 0; i < t.tests.size(); ++i)
        testColumn[t.tests[i]] = i;
    t.cells.assign(size_t(t.pupils.size()), std::vector<std::vector<StoredResult>>(size_t(t.tests.size())));
    for (const StoredResult &r : results) // oldest first already
        t.cells[size_t(pupilRow[r.record.user])][size_t(testColumn[r.record.title])].push_back(r);
    return t;
}

namespace {

const StoredResult *chosen(const std::vector<StoredResult> &results, GradeChoice choice)
{
    if (results.empty())
        return nullptr;
    if (choice == GradeChoice::Best) {
        const StoredResult *best = &results.front();
        for (const StoredResult &r : results)
            if (gradeNumber(r.record.grade) > gradeNumber(best->record.grade))
                best = &r;
        return best;
    }
    return &results.back();
}

} // namespace

QString GradeTable::cell(int pupil, int test, GradeChoice choice) const
{
    const auto &results = cells[size_t(pupil)][size_t(test)];
    if (choice == GradeChoice::All) {
        QStringList grades;
        for (const StoredResult &r : results)
            grades << r.record.grade;
        return grades.join(QStringLiteral(", "));
    }
    const StoredResult *r = chosen(results, choice);
    return r ? r->record.grade : QString();
}

double GradeTable::average(int test, GradeChoice choice) const
{
    int sum = 0, n = 0;
    for (const auto &row : cells) {
        const auto &results = row[size_t(test)];
        if (choice == GradeChoice::All) {
            for (const StoredResult &r : results)
                if (const int m = markOf(r.record.grade)) {
                    sum += m;
                    ++n;
                }
        } else if (const StoredResult *r = chosen(results, choice)) {
            if (const int m = markOf(r->record.grade)) {
                sum += m;
                ++n;
            }
        }
    }
    return n == 0 ? -1.0 : double(sum) / n;
}

QStringList GradeTable::missing(int test) const
{
    QStringList out;
    for (int p = 0; p < pupils.size(); ++p)
        if (cells[size_t(p)][size_t(test)].empty())
            out << pupils[p];
    return out;
}

QByteArray gradeTableCsv(const GradeTable &table, GradeChoice choice, const std::vector<int> &order)
{
    QStringList head{QStringLiteral("Uczeń")};
    head << table.tests;
    QList<QStringList> rows;
    std::vector<int> pupilRows = order;
    if (pupilRows.empty())
        for (int p = 0; p < table.pupils.size(); ++p)
            pupilRows.push_back(p);
    for (const int p : pupilRows) {
        if (p < 0 || p >= table.pupils.size())
            continue;
        QStringList row{table.pupils[p]};
        for (int t = 0; t < table.tests.size(); ++t)
            row << table.cell(p, t, choice);
        rows << row;
    }
    QStringList averages{QStringLiteral("Średnia klasy")}, missing{QStringLiteral("Nie pisali")};
    for (int t = 0; t < table.tests.size(); ++t) {
        averages << averageText(table.average(t, choice));
        missing << table.missing(t).join(QStringLiteral(", "));
    }
    rows << averages << missing;
    return csvTable(head, rows);
}

QStringList historyHeaders()
{
    return {QStringLiteral("Data"),    QStringLiteral("Test"),     QStringLiteral("Czas"),
            QStringLiteral("Zadań"),   QStringLiteral("Dobrych"),  QStringLiteral("Błędnych"),
            QStringLiteral("Ocena"),   QStringLiteral("Klasa")};
}

QString historyCell(const StoredResult &r, int column)
{
    switch (column) {
    case 0: return r.arrived.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case 1: return r.record.title;
    case 2: return r.record.time;
    case 3: return r.record.tasks;
    case 4: return r.record.good;
    case 5: return r.record.bad;
    case 6: return r.record.grade;
    case 7: return r.className;
    default: return QString();
    }
}

QByteArray historyCsv(const std::vector<StoredResult> &history)
{
    QList<QStringList> rows;
    for (const StoredResult &r : history) {
        QStringList row;
        for (int c = 0; c < historyHeaders().size(); ++c)
            row << historyCell(r, c);
        rows << row;
    }
    return csvTable(historyHeaders(), rows);
}

} // namespace tv::teacher
