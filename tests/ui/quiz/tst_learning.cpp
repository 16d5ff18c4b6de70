#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "quiz/Grades.h"
#include "quiz/Markers.h"
#include "quiz/TestWindow.h"
#include "quiz/Worksheet.h"
#include "results/ResultDialog.h"
#include "results/ResultsFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

using namespace tv;

namespace {

using namespace tv::test::parts;

const std::vector<QPoint> kPositions = {{10, 20}, {150, 40}, {300, 60}, {40, 200}};
const QStringList kDescription = {"Wiedeń11", "Praga12", "Berlin13", "Budapeszt14"};

// The text of one page of a PDF as laid out, row by row.
QString pdfText(const QString &path, int page)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                          QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool pdfToolsInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

int pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(20000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace

// After judging: the right answers, a retest of the missed markers, and
// the map on paper.
class TestLearning : public test::UiTest {
    Q_OBJECT

    MainWindow *main() { return &app->mainWindow(); }
    ResultDialog *result() { return &app->resultDialog(); }

    TestWindow *launch()
    {
        app->launcher().launchEntry(*catalogue::findByCode(18)); // Europa - Stolice
        TestWindow *w = app->launcher().testWindow();
        if (w)
            w->onStartDelay();
        // The keys are the window's shortcuts: they need the active window.
        QApplication::setActiveWindow(main());
        return w;
    }
    int fieldWith(TestWindow *w, const QString &name)
    {
        for (int k = 1; k <= 17; ++k)
            if (test::nameFieldOf(w, k)->isVisibleTo(w) && test::nameFieldOf(w, k)->text() == name)
                return k;
        return 0;
    }
    QStringList shownNames(TestWindow *w)
    {
        QStringList out;
        for (int k = 1; k <= 17; ++k)
            if (test::nameFieldOf(w, k)->isVisibleTo(w))
                out << test::nameFieldOf(w, k)->text();
        out.sort();
        return out;
    }
    // The result dialog is answered as a pupil does: saved under a name
    // (or left), with "Automatycznie zamknij ten test" unticked.
    void answerResult(const QString &name)
    {
        services->onModal = [this, name](QDialog &dlg) {
            auto *r = qobject_cast<ResultDialog *>(&dlg);
            if (!r)
                return int(QDialog::Rejected);
            r->show();
            autoCloseCheck(r)->setChecked(false);
            if (name.isEmpty()) {
                r->cancel();
                return int(QDialog::Rejected);
            }
            nameEdit(r)->setText(name);
            r->save();
            return int(QDialog::Accepted);
        };
    }
    // Praga on marker 1 (wrong), nothing on 2, Berlin and Budapeszt right.
    TestWindow *judgedWithTwoMissed()
    {
        TestWindow *w = launch();
        test::dropOnMarker(w, fieldWith(w, "Praga"), 1);
        test::dropOnMarker(w, fieldWith(w, "Berlin"), 3);
        test::dropOnMarker(w, fieldWith(w, "Budapeszt"), 4);
        answerResult(QString());
        w->showResult();
        return w;
    }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 0);
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", kPositions, kDescription);
        createApp();
        main()->show();
    }
    void cleanup()
    {
        TestWindow::setShuffleSeed(0);
        end();
    }

    void nothingOfferedBeforeJudging()
    {
        TestWindow *w = launch();
        QVERIFY(!w->command(TestCommand::CorrectionsTool)->isEnabled());
        QVERIFY(!w->command(TestCommand::RetestTool)->isEnabled());
        QVERIFY(w->command(TestCommand::WorksheetTool)->isEnabled());
        w->showCorrections();
        w->retestMissed();
        for (int k = 1; k <= 4; ++k)
            QVERIFY(test::markerBox(w, k)->correction().isEmpty());
    }

    void correctionsForWrongAndEmptyOnly()
    {
        TestWindow *w = judgedWithTwoMissed();
        QVERIFY(w->command(TestCommand::CorrectionsTool)->isEnabled());
        QVERIFY(w->command(TestCommand::CorrectionsItem)->isEnabled());
        QVERIFY(w->command(TestCommand::RetestTool)->isEnabled());
        QCOMPARE(test::markerBox(w, 1)->accessibleName(), QStringLiteral("Pole 1: Praga, źle"));
        QTest::keyClick(w, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(w->correctionsShown());
        const QStringList expected = {"Wiedeń", "Praga", "", ""};
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(test::markerBox(w, k)->correction(), expected.at(k - 1));
        QCOMPARE(test::markerBox(w, 1)->text(), QStringLiteral("Praga")); // the pupil's answer stays
        QCOMPARE(test::markerBox(w, 1)->accessibleName(), QStringLiteral("Pole 1: Praga, źle; poprawnie: Wiedeń"));
        QCOMPARE(test::markerBox(w, 2)->accessibleName(), QStringLiteral("Pole 2: puste, źle; poprawnie: Praga"));
        QCOMPARE(test::markerBox(w, 3)->accessibleName(), QStringLiteral("Pole 3: Berlin, dobrze"));
        QVERIFY(!w->command(TestCommand::CorrectionsTool)->isEnabled()); // shown once
        // The hint panel names the right answer under the pointer and the focus.
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(test::markerBox(w, 1), &enter);
        QCOMPARE(test::hintOf(w), QStringLiteral("Pole 1 – poprawnie: Wiedeń"));
        test::markerBox(w, 2)->setFocus();
        QFocusEvent focus(QEvent::FocusIn);
        QCoreApplication::sendEvent(test::markerBox(w, 2), &focus);
        QCOMPARE(test::hintOf(w), QStringLiteral("Pole 2 – poprawnie: Praga"));
    }

    void allRightLeavesNothingToCorrectOrRetest()
    {
        TestWindow *w = launch();
        for (const QString &n : kDescription)
            test::dropOnMarker(w, fieldWith(w, n.chopped(2)), n.right(1).toInt());
        answerResult(QString());
        w->showResult();
        QCOMPARE(goodLabel(result())->text(), QStringLiteral("4"));
        QVERIFY(!w->command(TestCommand::CorrectionsTool)->isEnabled());
        QVERIFY(!w->command(TestCommand::RetestTool)->isEnabled());
    }

    void retestAsksTheMissedAndStoresItsOwnTitle()
    {
        TestWindow *w = judgedWithTwoMissed();
        QTest::keyClick(w, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(main()->title(), QStringLiteral("Test: Europa - Stolice - powtórka błędnych"));
        QCOMPARE(shownNames(w), (QStringList{"Praga", "Wiedeń"}));
        QCOMPARE(w->mapTest().askedCount(), 2);
        QVERIFY(w->command(TestCommand::ResultTool)->isEnabled());
        QVERIFY(!w->command(TestCommand::RetestTool)->isEnabled());
        // The others are shown answered, and locked.
        QCOMPARE(test::markerBox(w, 1)->state(), MarkerState::Blank);
        QCOMPARE(test::markerBox(w, 2)->state(), MarkerState::Blank);
        QCOMPARE(test::markerBox(w, 3)->text(), QStringLiteral("Berlin"));
        QCOMPARE(test::markerBox(w, 3)->state(), MarkerState::Good);
        QCOMPARE(test::markerBox(w, 4)->text(), QStringLiteral("Budapeszt"));
        test::dropOnMarker(w, fieldWith(w, "Praga"), 3);
        QCOMPARE(test::markerBox(w, 3)->text(), QStringLiteral("Berlin"));
        QVERIFY(test::markerBox(w, 1)->correction().isEmpty());

        test::dropOnMarker(w, fieldWith(w, "Wiedeń"), 1);
        test::dropOnMarker(w, fieldWith(w, "Praga"), 2);
        answerResult(QStringLiteral("Ola"));
        w->showResult();
        QCOMPARE(tasksLabel(result())->text(), QStringLiteral("2"));
        QCOMPARE(goodLabel(result())->text(), QStringLiteral("2"));
        QCOMPARE(badLabel(result())->text(), QStringLiteral("0"));
        QCOMPARE(gradeLabel(result())->text(), singleTestGrade(2, 2).label);
        const results::Records stored = results::parseRecords(data->read("Wyniki.tvw"));
        QCOMPARE(stored.size(), size_t(1));
        QCOMPARE(stored.front(), (ResultRecord{"Ola", "Test: Europa - Stolice - powtórka błędnych", "0 min 0 sek", "2",
                                               "2", "0", singleTestGrade(2, 2).label}));
        // Nothing missed: nothing more to retest; the test taken whole
        // again is the catalogue's own.
        QVERIFY(!w->command(TestCommand::RetestTool)->isEnabled());
        w->reloadTest();
        QCOMPARE(main()->title(), QStringLiteral("Test: Europa - Stolice"));
        QCOMPARE(shownNames(w).size(), 4);
    }

    void aRetestCanBeRetested()
    {
        TestWindow *w = judgedWithTwoMissed();
        w->retestMissed();
        test::dropOnMarker(w, fieldWith(w, "Wiedeń"), 1); // marker 2 stays empty
        w->showResult();
        QCOMPARE(tasksLabel(result())->text(), QStringLiteral("2"));
        QCOMPARE(goodLabel(result())->text(), QStringLiteral("1"));
        QCOMPARE(gradeLabel(result())->text(), singleTestGrade(2, 1).label);
        QVERIFY(w->command(TestCommand::RetestTool)->isEnabled());
        w->showCorrections();
        QCOMPARE(test::markerBox(w, 2)->correction(), QStringLiteral("Praga"));
        QVERIFY(test::markerBox(w, 1)->correction().isEmpty());
        w->retestMissed();
        QCOMPARE(main()->title(), QStringLiteral("Test: Europa - Stolice - powtórka błędnych"));
        QCOMPARE(shownNames(w), QStringList{"Praga"});
        QCOMPARE(test::markerBox(w, 1)->state(), MarkerState::Good);
        QCOMPARE(w->mapTest().askedCount(), 1);
    }

    void noneOfferedInASession()
    {
        TestWindow *w = launch();
        app->state().session.setActive(true);
        w->onActivated();
        using C = TestCommand;
        for (C c : {C::CorrectionsTool, C::RetestTool, C::WorksheetTool, C::CorrectionsItem, C::RetestItem,
                    C::WorksheetItem})
            QVERIFY2(!w->command(c)->isVisible() && !w->command(c)->isEnabled(), qPrintable(w->command(c)->objectName()));
        w->printWorksheet();
        QVERIFY(services->modals.isEmpty());
        app->state().session.setActive(false);
    }

    void worksheetPdfHoldsTitleNamesAndNumbers()
    {
        TestWindow *w = launch();
        const QString pdf = data->path() + QStringLiteral("/karta.pdf");
        services->fileAnswers = {pdf};
        services->onModal = [](QDialog &dlg) {
            auto *sheet = qobject_cast<worksheet::WorksheetDialog *>(&dlg);
            if (!sheet)
                return int(QDialog::Rejected);
            sheet->setOrder(learning::Order::Alphabetical);
            return int(worksheet::WorksheetDialog::Pdf);
        };
        QTest::keyClick(w, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(services->modals, QStringList{"worksheetDialog"});
        QCOMPARE(services->fileChooserFilters, QStringList{"Dokumenty PDF (*.pdf)"});
        QVERIFY(QFileInfo(pdf).size() > 0);
        if (!pdfToolsInstalled())
            QSKIP("pdfinfo and pdftotext are not installed");
        QCOMPARE(pdfPages(pdf), 2);
        const QString sheet = pdfText(pdf, 1);
        QVERIFY2(sheet.contains("Test: Europa - Stolice"), qPrintable(sheet));
        QVERIFY(sheet.contains("Imię i nazwisko:"));
        QVERIFY(sheet.contains("Data:"));
        // Alphabetical, each with a blank for its box's number.
        const QRegularExpression order("Berlin – ____.*Budapeszt – ____.*Praga – ____.*Wiedeń – ____",
                                       QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(order.match(sheet).hasMatch(), qPrintable(sheet));
        for (int k = 1; k <= 4; ++k)
            QVERIFY(sheet.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(k))));
        const QString key = pdfText(pdf, 2);
        QVERIFY2(key.contains("Klucz odpowiedzi"), qPrintable(key));
        for (const QString &line : kDescription) {
            const QString name = line.chopped(2);
            const int number = line.right(2).toInt() - 10;
            QVERIFY2(key.contains(QStringLiteral("%1 – %2").arg(name).arg(number)), qPrintable(key));
            // the filled box: its number, then the name in it
            QVERIFY2(key.contains(QRegularExpression(QStringLiteral("\\b%1\\s+%2\\n").arg(number).arg(name))),
                     qPrintable(key));
        }
    }

    void mainWindowPrintsTheTestChosenLast()
    {
        QAction *item = main()->findChild<QAction *>("worksheetItem");
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Drukuj kartę pracy..."));
        item->trigger();
        QVERIFY(services->lastText().startsWith("Najpierw wybierz test"));
        QVERIFY(services->modals.isEmpty());

        TestWindow *w = launch();
        w->stopTest();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!app->launcher().testWindow());
        const QString pdf = data->path() + QStringLiteral("/z_menu.pdf");
        services->fileAnswers = {pdf};
        services->onModal = [](QDialog &dlg) {
            return qobject_cast<worksheet::WorksheetDialog *>(&dlg) ? int(worksheet::WorksheetDialog::Pdf)
                                                                     : int(QDialog::Rejected);
        };
        item->trigger();
        QCOMPARE(services->modals, QStringList{"worksheetDialog"});
        QVERIFY(QFileInfo(pdf).size() > 0);
        if (!pdfToolsInstalled())
            QSKIP("pdfinfo and pdftotext are not installed");
        QVERIFY(pdfText(pdf, 1).contains("Test: Europa - Stolice"));
        QVERIFY(pdfText(pdf, 2).contains("Berlin – 3"));
    }

    void worksheetGoesThroughThePrintDialog()
    {
        TestWindow *w = launch();
        services->onModal = [](QDialog &dlg) {
            return qobject_cast<worksheet::WorksheetDialog *>(&dlg) ? int(worksheet::WorksheetDialog::Print)
                                                                     : int(QDialog::Rejected);
        };
        services->printAnswer = false;
        w->printWorksheet();
        QCOMPARE(services->printDialogs, 1);
        QVERIFY(services->messages.isEmpty());
    }
};

QTEST_MAIN(TestLearning)
#include "tst_learning.moc"
