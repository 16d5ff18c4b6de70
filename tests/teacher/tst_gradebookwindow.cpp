#include "Parts.h"
#include "ClassWindow.h"
#include "GradebookSettingsDialog.h"
#include "GradebookWindow.h"
#include "Scripted.h"
#include "quiz/Grades.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QFile>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv;
using namespace tv::test::parts;

using namespace tv::teacher;

// The gradebook's window over a store of a few lessons, and the teacher's
// window choosing the lesson's class.
class TestGradebookWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ScriptedServices> services;
    std::unique_ptr<test::ManualClock> clock;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Gradebook> book;

    static ResultRecord result(const QString &pupil, const QString &test, const QString &grade)
    {
        return ResultRecord{pupil, test, "2 min 0 sek", "10", "8", "2", grade};
    }
    static QString cellText(const QTableView *view, int row, int column)
    {
        return view->model()->index(row, column).data().toString();
    }

private slots:
    void init()
    {
        services = std::make_unique<test::ScriptedServices>();
        clock = std::make_unique<test::ManualClock>();
        clock->current = QDateTime(QDate(2025, 11, 20), QTime(12, 0));
        dir = std::make_unique<QTemporaryDir>();
        book = std::make_unique<Gradebook>();
        GradebookPlace where;
        where.file = dir->filePath(kGradebookFile);
        QVERIFY(book->open(where));
        const qint64 lesson = book->startLesson("6b", QDateTime(QDate(2025, 10, 6), QTime(9, 0)));
        const QDateTime t(QDate(2025, 10, 6), QTime(9, 30));
        QVERIFY(book->store(lesson, "6b", result("Zosia", "Test: Europa - Stolice", "Dobry (4)"), t));
        QVERIFY(book->store(lesson, "6b", result("Adam", "Test: Europa - Stolice", "Mierny (2)"), t));
        QVERIFY(book->store(lesson, "6b", result("Adam", "Test: Europa - Stolice", "Bardzo dobry (5)"), t.addSecs(60)));
        QVERIFY(book->store(lesson, "6b", result("Adam", "Test: Polska - Rzeki", "Dostateczny (3)"), t.addSecs(90)));
        QVERIFY(book->addPupil("6b", "Łukasz"));
    }
    void cleanup()
    {
        book.reset();
        dir.reset();
        clock.reset();
        services.reset();
    }

    void theClassTableKeepsItsFooterLast_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        // Ł between L and M, whatever the system's locale.
        QTest::newRow("names up") << 0 << Qt::AscendingOrder << "Adam" << "Łukasz";
        QTest::newRow("names down") << 0 << Qt::DescendingOrder << "Zosia" << "Łukasz";
        QTest::newRow("best first") << 1 << Qt::DescendingOrder << "Adam" << "Zosia";
        QTest::newRow("worst first") << 1 << Qt::AscendingOrder << "Łukasz" << "Zosia"; // not taken: lowest
    }
    void theClassTableKeepsItsFooterLast()
    {
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(QString, first);
        QFETCH(QString, second);
        GradebookWindow w(*book);
        QCOMPARE(test::named<QComboBox>(&w, "class")->currentText(), QStringLiteral("6b"));
        QCOMPARE(w.period().from, QDateTime(QDate(2025, 9, 1), QTime(0, 0)));
        test::named<QTableView>(&w, "classTable")->sortByColumn(column, order);
        QCOMPARE(test::named<QTableView>(&w, "classTable")->model()->rowCount(), 5);
        QCOMPARE(cellText(test::named<QTableView>(&w, "classTable"), 0, 0), first);
        QCOMPARE(cellText(test::named<QTableView>(&w, "classTable"), 1, 0), second);
        QCOMPARE(cellText(test::named<QTableView>(&w, "classTable"), 3, 0), QStringLiteral("Średnia klasy"));
        QCOMPARE(cellText(test::named<QTableView>(&w, "classTable"), 4, 0), QStringLiteral("Nie pisali"));
        QCOMPARE(cellText(test::named<QTableView>(&w, "classTable"), 3, 1), QStringLiteral("4,50")); // Adam's last 5, Zosia's 4
        QCOMPARE(cellText(test::named<QTableView>(&w, "classTable"), 4, 2), QStringLiteral("2: Łukasz, Zosia"));
    }

    void aPupilsHistoryAndItsExport()
    {
        GradebookWindow w(*book);
        test::named<QComboBox>(&w, "choice")->setCurrentIndex(2); // all grades
        QCOMPARE(cellText(test::named<QTableView>(&w, "classTable"), 0, 1), QStringLiteral("Mierny (2), Bardzo dobry (5)"));
        w.showHistory(QStringLiteral("Adam"));
        QCOMPARE(test::named<QTabWidget>(&w, "tabs")->currentIndex(), 1);
        QCOMPARE(test::named<QTableView>(&w, "history")->model()->rowCount(), 3);
        QCOMPARE(cellText(test::named<QTableView>(&w, "history"), 0, 0), QStringLiteral("2025-10-06 09:30"));
        QCOMPARE(cellText(test::named<QTableView>(&w, "history"), 2, 6), QStringLiteral("Dostateczny (3)"));
        const QString csv = dir->filePath("adam.csv");
        services->fileAnswers << csv;
        w.exportCsv();
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), historyCsv(w.history()));
        // Another month: nothing.
        test::named<QComboBox>(&w, "period")->setCurrentIndex(GradebookWindow::ThisMonth);
        QCOMPARE(test::named<QTableView>(&w, "history")->model()->rowCount(), 0);
    }

    void theLessonsClassIsChosenAndKept()
    {
        Classroom room(dir->path());
        ServerEndpoints e;
        e.bindAddress = QHostAddress(QHostAddress::LocalHost);
        e.discoveryUdpPort = e.discoveryTcpPort = e.sessionPort = 0;
        ClassroomServer server(room, e);
        TeacherSettings settings;
        ClassWindow window(room, server, settings, dir->path());
        window.setGradebook(book.get());
        QCOMPARE(test::named<QComboBox>(&window, "className")->count(), 1);
        services->inputAnswers << QStringLiteral(" 7a ");
        window.askClass();
        QCOMPARE(room.className(), QStringLiteral("7a"));
        QCOMPARE(book->classes(), (QStringList{"6b", "7a"}));
        GradebookWindow *w = window.openGradebook();
        QVERIFY(w);
        QCOMPARE(test::named<QComboBox>(w, "class")->currentText(), QStringLiteral("7a"));
    }

    void aServerThatDoesNotOpenLeavesTheGradebookWhereItWas()
    {
        Classroom room(dir->path());
        ServerEndpoints e;
        e.bindAddress = QHostAddress(QHostAddress::LocalHost);
        e.discoveryUdpPort = e.discoveryTcpPort = e.sessionPort = 0;
        ClassroomServer server(room, e);
        TeacherSettings settings;
        ClassWindow window(room, server, settings, dir->path());
        window.setGradebook(book.get());
        services->onModal = [](QDialog &d) {
            auto *dialog = qobject_cast<GradebookSettingsDialog *>(&d);
            if (!dialog)
                return int(QDialog::Rejected);
            serverRadio(dialog)->setChecked(true);
            hostEdit(dialog)->setText(QStringLiteral("127.0.0.1"));
            portBox(dialog)->setValue(1); // nothing listens there
            databaseEdit(dialog)->setText(QStringLiteral("szkola"));
            userEdit(dialog)->setText(QStringLiteral("nauczyciel"));
            return int(QDialog::Accepted);
        };
        window.openGradebookSettings();
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->lastText().endsWith(QStringLiteral("Dziennik ocen pozostaje tam, gdzie był.")));
        QVERIFY(book->isOpen());
        QCOMPARE(book->classes(), QStringList{"6b"});
        QVERIFY(!QFile::exists(dir->filePath(kGradebookSettingsFile)));
    }
};

QTEST_MAIN(TestGradebookWindow)
#include "tst_gradebookwindow.moc"
