#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/Locking.h"
#include "app/MainWindow.h"
#include "results/ResultsFile.h"
#include "results/ResultsFilterDialog.h"
#include "results/ResultsBrowser.h"
#include "results/ResultsCommands.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tv;
using namespace tv::test::parts;

using results::Records;

namespace {

ResultRecord rec(const QString &user, const QString &title, const QString &grade)
{
    return {user, title, QStringLiteral("2 min 3 sek"), QStringLiteral("10"), QStringLiteral("7"),
            QStringLiteral("3"), grade};
}

// A workstation's results: three pupils, the four flag tests, a chain and a
// test whose list entry is spelled otherwise.
Records stored()
{
    return {
        rec("Ala", "Test: Różne - Flagi państw", "Dobry (4)"),
        rec("Ola", "Test: Różne - Flagi państw Cz. 2", "Bardzo dobry (5)"),
        rec("Ala", "Test: Różne - Flagi państw Cz. 3", "Dobry plus (4+)"),
        rec("Zenek", "Test: Różne - Flagi państw Cz. 4", "Dobry minus (4-)"),
        rec("ala", "Test: Wszystko o Ameryce PN i PD", "Mierny z dwoma (2=)"),
        rec("Ola", "Test: Polska - Granice sąsiadów", "Mierny (2)"),
        rec("Ala", "Test: Europa - Stolice", "Niedostateczny (1)"),
    };
}

QStringList entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

class TestResultsFilterDialog : public test::UiTest {
    Q_OBJECT


    MainWindow *main() { return &app->mainWindow(); }
    ResultsFilterDialog *dlg() { return &app->filterDialog(); }
    void start(const QStringList &registered = {"Ala", "Ola", "Łucja"})
    {
        test::writeSettings(*data, 0, 1, registered);
        data->write("Wyniki.tvw", results::recordBytes(stored()));
        createApp();
        main()->show();
    }
    // Shows the filter the way the main window does, so it is activated.
    void open()
    {
        dlg()->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg()));
    }
    // A click on an entry of the choice list, as the mouse gives it.
    void clickEntry(const QString &text)
    {
        const auto found = choiceList(dlg())->findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        QListWidgetItem *item = found.first();
        choiceList(dlg())->scrollToItem(item);
        const QPoint at = choiceList(dlg())->visualItemRect(item).center();
        QTest::mouseClick(choiceList(dlg())->viewport(), Qt::LeftButton, {}, at);
    }
    QStringList usersOf(const Records &records)
    {
        QStringList out;
        for (const ResultRecord &r : records)
            out << r.user + " / " + r.title + " / " + r.grade;
        return out;
    }

private slots:
    void init()
    {
        begin();
    }
    void cleanup()
    {
        end();
    }

    void controls()
    {
        start();
        ResultsFilterDialog *d = dlg();
        QCOMPARE(d->objectName(), QStringLiteral("resultsFilterDialog"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Filtruj wyniki... "));
        QCOMPARE(optionsGroup(d)->title(), QStringLiteral(" Opcje filtracji "));
        QCOMPARE(byUserRadio(d)->text(), QStringLiteral("Filtruj wg użytkownika"));
        QCOMPARE(byGradeRadio(d)->text(), QStringLiteral("Filtruj wg oceny"));
        QCOMPARE(byTestRadio(d)->text(), QStringLiteral("Filtruj wg testu"));
        QVERIFY(!byUserRadio(d)->isChecked() && !byGradeRadio(d)->isChecked() && !byTestRadio(d)->isChecked());
        QCOMPARE(choiceList(d)->font().pixelSize(), 16);
        QCOMPARE(choiceList(d)->count(), 0);
        QCOMPARE(searchAction(d)->text(), QStringLiteral("Szukaj testu..."));
        QVERIFY(!searchAction(d)->isEnabled());
        QCOMPARE(contextMenu(d)->actions(), QList<QAction *>{searchAction(d)});
        QCOMPARE(okButton(d)->text(), QStringLiteral("OK"));
        QVERIFY(!okButton(d)->isEnabled());
        QCOMPARE(cancelButton(d)->text(), QStringLiteral("Anuluj"));
        QVERIFY(!app->state().browser.filterMode);
    }

    void activationReadsTheLineStore()
    {
        start();
        data->write("Wyniki.tvw", results::recordBytes(stored()) + "Ewa\r\nTest: Azja");
        setHourglass(true);
        open();
        QVERIFY(!hourglassShown());
        QCOMPARE(dlg()->records().size(), size_t(8));
        QCOMPARE(dlg()->records().back().title, QStringLiteral("Test: Azja"));
        QCOMPARE(dlg()->records().back().grade, QString());
        dlg()->hide();
        QFile::remove(data->file("Wyniki.tvw"));
        open();
        QVERIFY(dlg()->records().empty());
        // Without results every filter leaves an empty set to browse.
        byGradeRadio(dlg())->click();
        clickEntry("Dobry");
        okButton(dlg())->click();
        QVERIFY(data->has("tmp.tvw"));
        QCOMPARE(data->read("tmp.tvw"), QByteArray());
        QVERIFY(app->results().findBrowser());
        QVERIFY(app->results().findBrowser()->rows().empty());
        QVERIFY(!data->has("Wyniki.tvw"));
    }

    void userFilterWithoutRegisteredUsers()
    {
        start({});
        open();
        byUserRadio(dlg())->click();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(),
                 QStringLiteral("Brak zarejestrowanych użytkowników\r\nNajpierw zarejestruj użytkownika"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::None);
        QCOMPARE(choiceList(dlg())->count(), 0);
        QVERIFY(!okButton(dlg())->isEnabled());
    }

    void theThreeLists()
    {
        start();
        open();
        byTestRadio(dlg())->click();
        QCOMPARE(entries(choiceList(dlg())), results::testTitles());
        QVERIFY(searchAction(dlg())->isEnabled());
        clickEntry(QStringLiteral("Test: Europa - Stolice"));
        QVERIFY(okButton(dlg())->isEnabled());

        byGradeRadio(dlg())->click();
        QCOMPARE(entries(choiceList(dlg())), results::gradeWords());
        QVERIFY(!searchAction(dlg())->isEnabled());
        QVERIFY(!okButton(dlg())->isEnabled());

        byUserRadio(dlg())->click();
        // Only registered users: results saved under a typed name that was
        // never registered cannot be chosen.
        QCOMPARE(entries(choiceList(dlg())), (QStringList{"Ala", "Ola", "Łucja"}));
        QVERIFY(!okButton(dlg())->isEnabled());
        QVERIFY(services->messages.isEmpty());
        clickEntry(QStringLiteral("Ola"));
        QVERIFY(okButton(dlg())->isEnabled());
        QCOMPARE(dlg()->chosenValue(), QStringLiteral("Ola"));
        // The right button opens the menu without choosing.
        const QPoint lucja = choiceList(dlg())->visualItemRect(choiceList(dlg())->item(2)).center();
        QTest::mouseClick(choiceList(dlg())->viewport(), Qt::RightButton, {}, lucja);
        QCOMPARE(dlg()->chosenValue(), QStringLiteral("Ola"));
        QCOMPARE(choiceList(dlg())->currentRow(), 1);
        // Keys move the choice as well.
        QTest::keyClick(choiceList(dlg()), Qt::Key_Down);
        QCOMPARE(dlg()->chosenValue(), QStringLiteral("Łucja"));

        // Shown again: the radio buttons and the list are as they were.
        dlg()->hide();
        open();
        QVERIFY(byUserRadio(dlg())->isChecked());
        QCOMPARE(choiceList(dlg())->count(), 3);
    }

    void okFilters_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QList<int>>("taken"); // records of stored()
        QTest::newRow("user Ala, case counts") << "byUserRadio" << "Ala" << QList<int>{0, 2, 6};
        QTest::newRow("Dobry: 4, 4+ and 4-, not 5") << "byGradeRadio" << "Dobry" << QList<int>{0, 2, 3};
        QTest::newRow("Mierny: every Mierny") << "byGradeRadio" << "Mierny" << QList<int>{4, 5};
        QTest::newRow("Celujący: none") << "byGradeRadio" << "Celujący" << QList<int>{};
        QTest::newRow("flags part 1 alone") << "byTestRadio" << "Test: Różne - Flagi państw Cz. 1" << QList<int>{0};
        QTest::newRow("flags part 2") << "byTestRadio" << "Test: Różne - Flagi państw Cz. 2" << QList<int>{1};
        QTest::newRow("granice as written") << "byTestRadio" << "Test: Polska - Długości granic sąsiadów" << QList<int>{5};
        QTest::newRow("Ameryka chain as written") << "byTestRadio" << "Test: Wszystko o Ameryce Pn i Pd" << QList<int>{4};
        QTest::newRow("Europa - Stolice") << "byTestRadio" << "Test: Europa - Stolice" << QList<int>{6};
    }
    void okFilters()
    {
        QFETCH(QString, radio);
        QFETCH(QString, entry);
        QFETCH(QList<int>, taken);
        start();
        open();
        dlg()->findChild<QRadioButton *>(radio)->click();
        clickEntry(entry);
        QCOMPARE(dlg()->chosenValue(), entry);
        okButton(dlg())->click();

        Records expected;
        for (int i : taken)
            expected.push_back(stored()[i]);
        QCOMPARE(data->read("tmp.tvw"), results::recordBytes(expected));
        QCOMPARE(data->read("Wyniki.tvw"), results::recordBytes(stored()));
        QVERIFY(!dlg()->isVisible());
        QVERIFY(app->state().browser.filterMode);
        QVERIFY(!hourglassShown());
        // A browser on the filtered set, even when nothing matched.
        ResultsBrowser *w = app->results().findBrowser();
        QVERIFY(w);
        QVERIFY(w->filterMode());
        QCOMPARE(usersOf(w->rows()), usersOf(expected));
        QVERIFY(!main()->backgroundVisible());
        QVERIFY(!main()->commandAction(Command::ItemResults)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ItemFilter)->isEnabled());

        // Closing the browser ends the filter mode.
        main()->closeActiveChild();
        QVERIFY(!data->has("tmp.tvw"));
        QVERIFY(!app->state().browser.filterMode);
        QVERIFY(main()->commandAction(Command::ItemFilter)->isEnabled());
    }

    void doubleClickRunsOk()
    {
        start();
        open();
        byGradeRadio(dlg())->click();
        const auto item = choiceList(dlg())->findItems("Mierny", Qt::MatchExactly).first();
        const QPoint at = choiceList(dlg())->visualItemRect(item).center();
        QTest::mouseClick(choiceList(dlg())->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(choiceList(dlg())->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(app->results().findBrowser());
        QCOMPARE(app->results().findBrowser()->rows().size(), size_t(2));
    }

    void searchingATest_data()
    {
        QTest::addColumn<QVariant>("answer"); // a string, or nothing for a cancelled prompt
        QTest::addColumn<QString>("selected");
        QTest::newRow("cancelled: the first title") << QVariant() << "Test: Polska - Największe miasta";
        QTest::newRow("nothing typed: the first title") << QVariant(QString()) << "Test: Polska - Największe miasta";
        QTest::newRow("small letters, no Test:") << QVariant(QStringLiteral("europa - st")) << "Test: Europa - Stolice";
        QTest::newRow("small Test:") << QVariant(QStringLiteral("test: wszystko o e")) << "Test: Wszystko o Europie";
        QTest::newRow("Polish letter in the title's case") << QVariant(QStringLiteral("Świat - p"))
                                                           << "Test: Świat - Półwyspy";
        QTest::newRow("small Polish letter: nothing") << QVariant(QStringLiteral("świat")) << "";
        QTest::newRow("no such test: nothing") << QVariant(QStringLiteral("Księżyc")) << "";
    }
    void searchingATest()
    {
        QFETCH(QVariant, answer);
        QFETCH(QString, selected);
        start();
        open();
        byTestRadio(dlg())->click();
        if (answer.isValid())
            services->inputAnswers << answer.toString();
        searchAction(dlg())->trigger();
        QCOMPARE(services->prompts.size(), 1);
        QCOMPARE(services->prompts.last().caption, QStringLiteral("Filtruj wg testu..."));
        QCOMPARE(services->prompts.last().prompt, QStringLiteral("Wpisz nazwę testu"));
        QCOMPARE(services->prompts.last().initial, QStringLiteral("Test: "));
        const auto marked = choiceList(dlg())->selectedItems();
        if (selected.isEmpty()) {
            QVERIFY(marked.isEmpty());
        } else {
            QCOMPARE(marked.size(), 1);
            QCOMPARE(marked.first()->text(), selected);
            QVERIFY(choiceList(dlg())->hasFocus());
        }
        // The entry found is the one OK filters by: no click needed.
        QCOMPARE(dlg()->chosenValue(), selected);
        QCOMPARE(okButton(dlg())->isEnabled(), !selected.isEmpty());
    }

    void searchThenOkFiltersByTheEntryFound()
    {
        start();
        open();
        byTestRadio(dlg())->click();
        clickEntry("Test: Europa - Stolice");
        services->inputAnswers << QStringLiteral("różne - flagi państw cz. 2");
        searchAction(dlg())->trigger();
        okButton(dlg())->click();
        QCOMPARE(data->read("tmp.tvw"), results::recordBytes({stored().at(1)}));
    }

    void cancelAndEscape_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Anuluj") << false;
        QTest::newRow("Esc") << true;
    }
    void cancelAndEscape()
    {
        QFETCH(bool, escape);
        start();
        open();
        app->state().browser.filterMode = true;
        byGradeRadio(dlg())->click();
        clickEntry("Dobry");
        if (escape)
            QTest::keyClick(dlg(), Qt::Key_Escape);
        else
            cancelButton(dlg())->click();
        QVERIFY(!dlg()->isVisible());
        QVERIFY(!app->state().browser.filterMode);
        QVERIFY(!data->has("tmp.tvw"));
        QVERIFY(!app->results().findBrowser());
        QVERIFY(main()->commandAction(Command::ItemResults)->isEnabled());
    }

    void fromTheMainWindow()
    {
        start();
        services->onModal = [this](QDialog &d) {
            if (&d != dlg())
                return int(QDialog::Rejected);
            d.show();
            byGradeRadio(dlg())->click();
            clickEntry("Dostateczny");
            okButton(dlg())->click();
            return d.result();
        };
        test::named<QAction>(main(), "filterItem")->trigger();
        QCOMPARE(services->modals, QStringList{"resultsFilterDialog"});
        QVERIFY(app->results().findBrowser());
        QVERIFY(app->results().findBrowser()->rows().empty());
        QVERIFY(!hourglassShown());
    }

#ifdef Q_OS_UNIX
    void failedWriteKeepsTheOldFile()
    {
        start();
        Records many;
        for (int i = 0; i < 40; ++i)
            many.push_back(rec("Ala", "Test: Europa - Stolice", "Dobry (4)"));
        data->write("Wyniki.tvw", results::recordBytes(many));
        data->write("tmp.tvw", "stary");
        open();
        byGradeRadio(dlg())->click();
        clickEntry("Dobry");
        {
            test::FileSizeLimit limit(500);
            okButton(dlg())->click();
        }
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QVERIFY(services->lastText().contains(QLatin1String("tmp.tvw")));
        QCOMPARE(data->read("tmp.tvw"), QByteArray("stary"));
        QVERIFY(dlg()->isVisible());
        QVERIFY(!app->state().browser.filterMode);
        QVERIFY(!app->results().findBrowser());
        QVERIFY(!hourglassShown());
        QVERIFY(main()->commandAction(Command::ItemResults)->isEnabled());
    }
#endif
};

QTEST_MAIN(TestResultsFilterDialog)
#include "tst_resultsfilterdialog.moc"
