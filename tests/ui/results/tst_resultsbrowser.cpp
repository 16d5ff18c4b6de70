#include "QuizFixture.h"
#include "Scripted.h"
#include "app/Application.h"
#include "app/Locking.h"
#include "app/MainWindow.h"
#include "results/ResultsCommands.h"
#include "results/ResultsFile.h"
#include "results/ResultsFilterDialog.h"
#include "results/ResultsBrowser.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

using namespace tv;
using results::Records;

namespace {

ResultRecord rec(const QString &user, const QString &good = QStringLiteral("8"),
                 const QString &grade = QStringLiteral("Dobry (4)"),
                 const QString &title = QStringLiteral("Test: Europa - Stolice"))
{
    return {user, title, QStringLiteral("1 min 15 sek"), QStringLiteral("12"), good, QStringLiteral("2"), grade};
}

QStringList users(const Records &records)
{
    QStringList out;
    for (const ResultRecord &r : records)
        out << r.user;
    return out;
}

// Prints to a PDF file instead of asking for a printer.
class PdfServices : public test::ScriptedServices {
public:
    QString pdf;
    bool printDialog(QWidget *parent, QPrinter &printer) override
    {
        const bool answer = ScriptedServices::printDialog(parent, printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return answer;
    }
};

} // namespace

class TestResultsBrowser : public QObject {
    Q_OBJECT

    test::TempDataDir *data = nullptr;
    PdfServices *services = nullptr;
    Application *app = nullptr;

    MainWindow *main() { return &app->mainWindow(); }
    ResultsBrowser *browser() { return app->results().findBrowser(); }
    static QTableView *table(ResultsBrowser *w) { return test::named<QTableView>(w, "table"); }
    void start(const Records &records, const QStringList &registered = {})
    {
        test::writeSettings(*data, 0, 1, registered);
        if (!records.empty())
            data->write("Wyniki.tvw", results::recordBytes(records));
        app = new Application;
        main()->show();
        main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main()));
    }
    QByteArray stored(const Records &records) { return results::recordBytes(records); }
    bool enabled(const char *item) { return test::named<QAction>(main(), item)->isEnabled(); }
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    QString pdfText(const QString &pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (!p.waitForFinished(20000))
            return QString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    Records five()
    {
        return {rec("ola", "9", "Mierny (2)"), rec("Ala", "10", "Celujący (6)"), rec("Cezary", "2", "Dobry plus (4+)"),
                rec("bartek", "11", "Bardzo dobry (5)"), rec("Łucja", "100", "Dostateczny (3)")};
    }

private slots:
    void init()
    {
        data = new test::TempDataDir;
        services = new PdfServices;
        services->pdf = data->file("wydruk.pdf");
    }
    void cleanup()
    {
        delete app;
        app = nullptr;
        setHourglass(false);
        delete services;
        delete data;
    }

    void noResultsFile()
    {
        start({});
        app->results().openResults();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(), QStringLiteral("Nie znaleziono żadnych wyników testów na Twoim dysku"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QVERIFY(!browser());
        QVERIFY(!main()->hasChildWindow());
        QVERIFY(main()->commandAction(Command::ItemResults)->isEnabled());
        QVERIFY(!data->has("Wyniki.tvw"));
    }

    void opensMaximisedWithItsTable()
    {
        start({rec("Ala", "8", "Dobry (4)"), rec("Ola", "3", "Zaliczone")});
        app->results().openResults();
        ResultsBrowser *w = browser();
        QVERIFY(w);
        QVERIFY(w->parentWidget()->isMaximized());
        QCOMPARE(w->windowTitle(), QStringLiteral("Wyniki testów"));
        QVERIFY(!hourglassShown());
        // Test mode, and the results commands as the browser needs them.
        QVERIFY(!main()->backgroundVisible());
        QVERIFY(!main()->commandAction(Command::ItemResults)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ButtonResults)->isEnabled());
        QVERIFY(!main()->commandAction(Command::MenuTests)->isEnabled());
        QVERIFY(!enabled("deleteResultsItem"));
        QVERIFY(enabled("printItem"));
        QVERIFY(!w->filterMode());

        QTableView *t = table(w);
        QVERIFY(t->showGrid());
        QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
        QAbstractItemModel *m = t->model();
        QCOMPARE(m->rowCount(), 2);
        const QStringList headings{"Użytkownik", "Test", "Czas", "W sumie zadań", "Dobrych", "Złych", "Ocena"};
        const QList<int> widths{180, 250, 90, 105, 65, 50, 160};
        QCOMPARE(m->columnCount(), 7);
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), headings.at(c));
            // The grade column may be wider, where the font needs it.
            if (c < 6)
                QCOMPARE(t->horizontalHeader()->sectionSize(c), widths.at(c));
            else
                QVERIFY(t->horizontalHeader()->sectionSize(c) >= widths.at(c));
        }
        const QStringList row0{"Ala", "Test: Europa - Stolice", "1 min 15 sek", "12", "8", "2", "Dobry (4)"};
        for (int c = 0; c < 7; ++c)
            QCOMPARE(m->index(0, c).data().toString(), row0.at(c));
        // The user picture in the first column, the grade picture in the
        // last one when the grade has one.
        QVERIFY(!m->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(!m->index(0, 6).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(!m->index(1, 6).data(Qt::DecorationRole).isValid());
        QVERIFY(!m->index(0, 3).data(Qt::DecorationRole).isValid());
        QVERIFY(!(m->flags(m->index(0, 0)) & Qt::ItemIsEditable));

        const QStringList report = w->reportLines();
        QCOMPARE(report.size(), 3 + 16);
        QCOMPARE(report.at(0), QStringLiteral("        Terravia [KLIENT]"));
        QCOMPARE(report.at(3), QStringLiteral("          Użytkownik: Ala"));
        QCOMPARE(report.at(18), QStringLiteral("          -------------------------------"));
    }

    void aNewWindowEachOpening()
    {
        start({rec("Ala")});
        app->results().openResults();
        QPointer<ResultsBrowser> first = browser();
        main()->closeActiveChild();
        settle();
        QVERIFY(first.isNull());
        QVERIFY(!main()->hasChildWindow());
        app->results().openResults();
        QVERIFY(browser());
        QCOMPARE(browser()->rows().size(), size_t(1));
    }

    void recordCutShortAtTheEnd()
    {
        start({});
        data->write("Wyniki.tvw", stored({rec("Ala")}) + "Ola\r\nTest: Polska - Rzeki i Jeziora\r\n1 min");
        app->results().openResults();
        QAbstractItemModel *m = table(browser())->model();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("Ola"));
        QCOMPARE(m->index(1, 2).data().toString(), QStringLiteral("1 min"));
        for (int c = 3; c < 7; ++c)
            QCOMPARE(m->index(1, c).data().toString(), QString());
        QVERIFY(!m->index(1, 6).data(Qt::DecorationRole).isValid());
        QCOMPARE(browser()->reportLines().last(), QStringLiteral("          -------------------------------"));
        QCOMPARE(browser()->reportLines().at(3 + 8 + 6), QStringLiteral("          Ocena: "));
    }

    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Użytkownik: A to Z folded, Ł after them")
            << 0 << QStringList{"Ala", "bartek", "Cezary", "ola", "Łucja"};
        QTest::newRow("Dobrych: numbers as text") << 4 << QStringList{"Ala", "Łucja", "bartek", "Cezary", "ola"};
        QTest::newRow("Ocena") << 6 << QStringList{"bartek", "Ala", "Cezary", "Łucja", "ola"};
        QTest::newRow("Test: all equal, order kept") << 1 << QStringList{"ola", "Ala", "Cezary", "bartek", "Łucja"};
    }
    void sorting()
    {
        QFETCH(int, column);
        QFETCH(QStringList, order);
        start(five());
        app->results().openResults();
        ResultsBrowser *w = browser();
        w->selectRow(0); // "ola"
        table(w)->horizontalHeader()->sectionClicked(column);
        QCOMPARE(users(w->rows()), order);
        QCOMPARE(app->state().browser.sortColumn, column);
        QCOMPARE(table(w)->model()->index(0, 0).data().toString(), order.first());
        // The selection stays on its record.
        QCOMPARE(w->rows()[w->selectedRow()].user, QStringLiteral("ola"));
        // Again: still ascending.
        w->sortByColumn(column);
        QCOMPARE(users(w->rows()), order);
        QCOMPARE(table(w)->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        // Sorting rewrites nothing, and the report keeps the file's order.
        QCOMPARE(data->read("Wyniki.tvw"), stored(five()));
        QCOMPARE(w->reportLines().at(3), QStringLiteral("          Użytkownik: ola"));
    }

    void sortColumnSharedByAllBrowsers()
    {
        start(five());
        app->results().openResults();
        browser()->sortByColumn(6);
        main()->closeActiveChild();
        settle();
        QCOMPARE(app->state().browser.sortColumn, 6);
        app->results().openResults();
        QCOMPARE(app->state().browser.sortColumn, 6);
        // A new browser shows the file as it stands.
        QCOMPARE(users(browser()->rows()), users(five()));
    }

    void deleteFromASortedTable_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deleteFromASortedTable()
    {
        QFETCH(bool, yes);
        start(five());
        app->results().openResults();
        ResultsBrowser *w = browser();
        w->sortByColumn(0);
        w->selectRow(1); // "bartek"
        services->answers << (yes ? QMessageBox::Yes : QMessageBox::No);
        w->deleteSelected();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(), QStringLiteral("Czy napewno chcesz usunąć wynik: bartek"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
        QCOMPARE(services->messages.last().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(services->messages.last().defaultButton, QMessageBox::No); // Enter keeps the result
        const Records sorted = w->rows();
        QCOMPARE(users(sorted), yes ? QStringList({"Ala", "Cezary", "ola", "Łucja"})
                                    : QStringList({"Ala", "bartek", "Cezary", "ola", "Łucja"}));
        // Stored in the order displayed, whatever the answer.
        QCOMPARE(data->read("Wyniki.tvw"), stored(sorted));
        // The report is not rebuilt.
        QCOMPARE(w->reportLines().size(), 3 + 5 * 8);
    }

    // Two copies of the program share Wyniki.tvw: what the other saves or
    // deletes while this browser is open is never undone by its rewrite.
    void deletionMeetsAFileChangedByAnotherCopy()
    {
        start(five());
        app->results().openResults();
        ResultsBrowser *w = browser();
        w->sortByColumn(0);
        w->selectRow(1); // "bartek"
        // The other copy saves a result while the question is open.
        QVERIFY(appendResult(data->path(), rec("Nowy")));
        w->deleteSelected(); // yes
        QCOMPARE(services->messages.size(), 1); // the question alone
        Records expected = five();
        expected.erase(expected.begin() + 3);
        expected.push_back(rec("Nowy"));
        QCOMPARE(data->read("Wyniki.tvw"), stored(expected));
        // The table shows the file as it now is.
        QCOMPARE(users(w->rows()), users(expected));
        QCOMPARE(users(w->rows()), (QStringList{"ola", "Ala", "Cezary", "Łucja", "Nowy"}));

        // The other copy deletes "Ala" while this one asks about her.
        w->selectRow(1);
        Records without = expected;
        without.erase(without.begin() + 1);
        QVERIFY(results::writeRecordsFile(data->file("Wyniki.tvw"), without));
        w->deleteSelected(); // yes
        QCOMPARE(services->messages.size(), 3);
        QCOMPARE(services->lastText(),
                 QStringLiteral("Tego wyniku nie ma już w pliku z wynikami: w międzyczasie zmieniła go inna kopia "
                                "programu Terravia.\r\nNic nie zostało usunięte."));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QCOMPARE(data->read("Wyniki.tvw"), stored(without));
        QCOMPARE(users(w->rows()), users(without));
    }

    void deletingTheLastRecordLeavesAnEmptyFile()
    {
        start({rec("Ala")});
        app->results().openResults();
        browser()->selectRow(0);
        browser()->deleteSelected();
        QCOMPARE(table(browser())->model()->rowCount(), 0);
        QVERIFY(data->has("Wyniki.tvw"));
        QCOMPARE(data->read("Wyniki.tvw"), QByteArray());
        // An empty file still opens an (empty) browser.
        main()->closeActiveChild();
        settle();
        app->results().openResults();
        QVERIFY(browser());
        QCOMPARE(table(browser())->model()->rowCount(), 0);
    }

    void deletingWithNothingSelected()
    {
        start(five());
        app->results().openResults();
        browser()->deleteSelected();
        QVERIFY(services->messages.isEmpty());
        QCOMPARE(browser()->rows().size(), size_t(5));
    }

#ifdef Q_OS_UNIX
    void failedRewriteKeepsEveryRecord()
    {
        Records many;
        for (int i = 0; i < 60; ++i)
            many.push_back(rec(QStringLiteral("Uczeń %1").arg(i)));
        start(many);
        app->results().openResults();
        ResultsBrowser *w = browser();
        w->selectRow(5);
        {
            test::FileSizeLimit limit(1000);
            w->deleteSelected();
        }
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QVERIFY(services->lastText().contains(QLatin1String("Wyniki.tvw")));
        QCOMPARE(data->read("Wyniki.tvw"), stored(many));
        QCOMPARE(users(w->rows()), users(many)); // the table shows the file again
        QCOMPARE(QDir(data->path()).entryList({"*.tvw*", ".*tvw*"}, QDir::Files | QDir::Hidden),
                 QStringList{"Wyniki.tvw"});
    }
#endif

    void filterModeRefusesToDeleteOne()
    {
        start(five());
        data->write("tmp.tvw", stored({rec("Ala", "10", "Celujący (6)")}));
        main()->lockForTest();
        ResultsBrowser *w = app->results().openBrowser();
        QVERIFY(w->filterMode());
        QVERIFY(app->state().browser.filterMode);
        QCOMPARE(users(w->rows()), QStringList{"Ala"});
        w->selectRow(0);
        w->deleteSelected();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(),
                 QStringLiteral("Jesteś w trybie filtracji wyników testów. Z tego poziomu operacja usuwania jest "
                                "zabroniona.\r\nWybierz opcję: Pokaż wszystkie wyniki i wówczas usuń zaznaczony..."));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QCOMPARE(w->rows().size(), size_t(1));
        QCOMPARE(data->read("Wyniki.tvw"), stored(five()));
        QVERIFY(data->has("tmp.tvw"));
    }

    void showAllUntilTheNextActivation()
    {
        start(five());
        data->write("tmp.tvw", stored({rec("Ala", "10", "Celujący (6)")}));
        main()->lockForTest();
        ResultsBrowser *w = app->results().openBrowser();
        w->showAll();
        QVERIFY(!w->filterMode());
        QCOMPARE(w->rows().size(), size_t(5));
        QVERIFY(data->has("tmp.tvw"));
        // Now a record may be deleted...
        w->selectRow(0);
        w->deleteSelected();
        QCOMPARE(users(w->rows()), (QStringList{"Ala", "Cezary", "bartek", "Łucja"}));
        QCOMPARE(data->read("Wyniki.tvw"), stored(w->rows()));
        // ...until the browser is activated again.
        w->onActivated();
        QVERIFY(w->filterMode());
        QCOMPARE(users(w->rows()), QStringList{"Ala"});
    }

    void activationOnlyWhenAnotherChildGaveWay()
    {
        start(five());
        app->results().openResults();
        ResultsBrowser *w = browser();
        w->sortByColumn(0);
        // Whatever the area reports once the window is on screen, the
        // browser has read its file once, at its opening.
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(users(w->rows()).first(), QStringLiteral("Ala"));
        // The main window losing and regaining the focus (a message box, a
        // print dialog) is not an activation: the sorted table stays.
        emit main()->childArea()->subWindowActivated(nullptr);
        emit main()->childArea()->subWindowActivated(w->parentWidget() ? static_cast<QMdiSubWindow *>(w->parentWidget())
                                                                    : nullptr);
        QCOMPARE(users(w->rows()).first(), QStringLiteral("Ala"));
        // Another child window taking over and giving way again is.
        auto *other = new QWidget;
        QMdiSubWindow *sub = main()->addChildWindow(other);
        sub->show();
        main()->childArea()->setActiveSubWindow(sub);
        main()->childArea()->setActiveSubWindow(static_cast<QMdiSubWindow *>(w->parentWidget()));
        QCOMPARE(users(w->rows()), users(five()));
        sub->close();
    }

    void closingRemovesTheTemporaryFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc") << "esc";
        QTest::newRow("context menu") << "menu";
        QTest::newRow("main window") << "main";
    }
    void closingRemovesTheTemporaryFile()
    {
        QFETCH(QString, how);
        start(five());
        app->results().openResults();
        data->write("tmp.tvw", stored({rec("Ala")}));
        ResultsBrowser *w = browser();
        if (how == "esc") {
            table(w)->setFocus();
            QTest::keyClick(table(w), Qt::Key_Escape);
        } else if (how == "menu") {
            w->command(ResultsCommand::Close)->trigger();
        } else {
            main()->closeActiveChild();
        }
        settle();
        QVERIFY(!browser());
        QVERIFY(!data->has("tmp.tvw"));
        QVERIFY(!app->state().browser.filterMode);
        QVERIFY(data->has("Wyniki.tvw"));
        QVERIFY(main()->backgroundVisible());
        QVERIFY(main()->commandAction(Command::ItemResults)->isEnabled());
        QVERIFY(main()->commandAction(Command::ButtonResults)->isEnabled());
        QVERIFY(main()->commandAction(Command::MenuTests)->isEnabled());
        QVERIFY(enabled("deleteResultsItem"));
        QVERIFY(!enabled("printItem"));
    }

    void deleteAllFromTheBrowser()
    {
        start(five());
        app->results().openResults();
        services->answers << QMessageBox::No;
        browser()->deleteAll();
        QCOMPARE(services->lastText(), QStringLiteral("Czy napewno chcesz usunąć wszystkie wyniki testów?"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
        QCOMPARE(services->messages.last().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(services->messages.last().defaultButton, QMessageBox::No);
        QVERIFY(data->has("Wyniki.tvw"));
        QVERIFY(browser());

        browser()->deleteAll(); // yes
        settle();
        QVERIFY(!data->has("Wyniki.tvw"));
        QVERIFY(!browser());
        QCOMPARE(services->messages.size(), 2); // no word of success in this form
        QVERIFY(main()->commandAction(Command::ItemResults)->isEnabled());
    }

    void deleteAllWhenTheFileIsGone()
    {
        start(five());
        app->results().openResults();
        QFile::remove(data->file("Wyniki.tvw"));
        browser()->deleteAll();
        QCOMPARE(services->lastText(), QStringLiteral("Nie znaleziono żadnych wyników testów na Twoim dysku"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QVERIFY(browser());
    }

    void deleteAllFromTheMainWindow()
    {
        start({});
        app->results().deleteAllResults();
        QCOMPARE(services->lastText(), QStringLiteral("Nie znaleziono żadnych wyników testów na Twoim dysku"));
        data->write("Wyniki.tvw", stored(five()));
        services->answers << QMessageBox::No;
        app->results().deleteAllResults();
        QVERIFY(data->has("Wyniki.tvw"));
        QCOMPARE(services->messages.size(), 2);
        test::named<QAction>(main(), "deleteResultsItem")->trigger(); // yes
        QVERIFY(!data->has("Wyniki.tvw"));
        QCOMPARE(services->messages.size(), 4);
        QCOMPARE(services->messages.at(2).text, QStringLiteral("Czy napewno chcesz usunąć wszystkie wyniki testów?"));
        QCOMPARE(services->messages.at(2).defaultButton, QMessageBox::No);
        QCOMPARE(services->lastText(), QStringLiteral("Plik z wynikami został usunięty z powodzeniem"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
    }

    void printsTheWholeReport()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        start({rec("Łucja Żak", "10", "Celujący (6)"), rec("Ala", "3", "Niedostateczny (1)")});
        app->results().openResults();
        browser()->sortByColumn(0); // the report keeps the order read
        app->results().printResults();
        QCOMPARE(services->printDialogs, 1);
        QVERIFY(services->messages.isEmpty());
        const QString text = pdfText(services->pdf);
        const QStringList expected{"Terravia [KLIENT]",
                                   "Wyniki zapisanych testów",
                                   "----------------------------",
                                   "Użytkownik: Łucja Żak",
                                   "Nazwa testu: Test: Europa - Stolice",
                                   "Czas wykonywania testu: 1 min 15 sek",
                                   "W sumie zadań: 12",
                                   "Dobrych odpowiedzi: 10",
                                   "Złych odpowiedzi: 2",
                                   "Ocena: Celujący (6)",
                                   "-------------------------------",
                                   "Użytkownik: Ala",
                                   "Ocena: Niedostateczny (1)"};
        qsizetype at = 0;
        for (const QString &line : expected) {
            const qsizetype found = text.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(line + "\n---\n" + text));
            at = found + line.size();
        }
        QCOMPARE(text.count(QLatin1Char('\f')), 1); // one page
    }

    void aLongReportRunsOverSeveralPages()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is not installed");
        Records many;
        for (int i = 0; i < 40; ++i)
            many.push_back(rec(QStringLiteral("Uczeń numer %1").arg(i)));
        start(many);
        app->results().openResults();
        browser()->print();
        const QString text = pdfText(services->pdf);
        // 323 lines of a 12-point font: some fifty lines to a page.
        const int pages = int(text.count(QLatin1Char('\f')));
        QVERIFY2(pages >= 323 / 62 && pages <= 323 / 44 + 1, qPrintable(QString::number(pages)));
        QVERIFY(text.contains(QStringLiteral("Użytkownik: Uczeń numer 0")));
        QVERIFY(text.contains(QStringLiteral("Użytkownik: Uczeń numer 39")));
        QCOMPARE(text.count(QStringLiteral("Ocena: Dobry (4)")), 40);
    }

    void nothingToPrint()
    {
        start({rec("Ala")});
        data->write("tmp.tvw", QByteArray()); // a filter that matched nothing
        main()->lockForTest();
        ResultsBrowser *w = app->results().openBrowser();
        QCOMPARE(w->rows().size(), size_t(0));
        w->print();
        QCOMPARE(services->lastText(), QStringLiteral("Brak wyników do wydruku"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QCOMPARE(services->printDialogs, 0);
    }

    void printDialogCancelled()
    {
        start({rec("Ala")});
        app->results().openResults();
        services->printAnswer = false;
        browser()->print();
        QCOMPARE(services->printDialogs, 1);
        QVERIFY(!data->has("wydruk.pdf"));
    }

    void keysOfTheBrowserWin()
    {
        start(five());
        data->write("tmp.tvw", stored({rec("Ala")}));
        // Opened by the filter: the main window's print command is off and
        // its delete-all command on, but the browser's keys take precedence.
        main()->lockForTest();
        ResultsBrowser *w = app->results().openBrowser();
        QVERIFY(!enabled("printItem"));
        QVERIFY(enabled("deleteResultsItem"));
        table(w)->setFocus();
        QTest::keyClick(table(w), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(services->printDialogs, 1);
        QTest::keyClick(table(w), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(services->lastText(), QStringLiteral("Czy napewno chcesz usunąć wszystkie wyniki testów?"));
        settle();
        QVERIFY(!browser()); // the browser form closes the browser...
        QVERIFY(!data->has("Wyniki.tvw"));
        QVERIFY(!data->has("tmp.tvw"));
        QCOMPARE(services->messages.size(), 1); // ...and says nothing more
    }

    void f6ClosesAndShowsTheFilter()
    {
        start(five());
        app->results().openResults();
        ResultsBrowser *w = browser();
        table(w)->setFocus();
        QTest::keyClick(table(w), Qt::Key_F6);
        QCOMPARE(services->modals, QStringList{"resultsFilterDialog"});
        settle();
        QVERIFY(!browser());
        QVERIFY(main()->commandAction(Command::ItemResults)->isEnabled());
    }

    void contextMenu()
    {
        start(five());
        app->results().openResults();
        QStringList captions;
        for (QAction *a : test::named<QMenu>(browser(), "contextMenu")->actions())
            if (!a->isSeparator())
                captions << a->text();
        QCOMPARE(captions, (QStringList{"Drukuj wynik  [Ctrl + P]", "Pokaż wszystkie wyniki", "Filtruj wyniki... [F6]",
                                        "Usuń zaznaczony wynik", "Usuń wyniki  [Ctrl + U]", "Zamknij okno [Esc]"}));
        QCOMPARE(table(browser())->contextMenuPolicy(), Qt::CustomContextMenu);
        browser()->selectRow(2);
        browser()->command(ResultsCommand::DeleteSelected)->trigger();
        QCOMPARE(services->lastText(), QStringLiteral("Czy napewno chcesz usunąć wynik: Cezary"));
        browser()->command(ResultsCommand::Print)->trigger();
        QCOMPARE(services->printDialogs, 1);
    }

    void unreadableResultsFile()
    {
        start(five());
        app->results().openResults();
        QFile::remove(data->file("Wyniki.tvw"));
        QVERIFY(QDir(data->path()).mkdir("Wyniki.tvw"));
        browser()->showAll();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QCOMPARE(browser()->rows().size(), size_t(0));
    }
};

QTEST_MAIN(TestResultsBrowser)
#include "tst_resultsbrowser.moc"
