#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Forms.h"
#include "app/Locking.h"
#include "app/TForm1.h"
#include "results/ResultsFile.h"
#include "results/TFiltr_wyniki.h"
#include "results/TWyniki.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tv;
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

class TestTFiltrWyniki : public test::UiTest {
    Q_OBJECT


    TForm1 *main() { return forms().Form1; }
    TFiltr_wyniki *dlg() { return forms().Filtr_wyniki; }
    void start(const QStringList &registered = {"Ala", "Ola", "Łucja"})
    {
        test::writeSettings(*data, 0, 1, registered);
        data->write("Wyniki.tvw", results::recordBytes(stored()));
        createForms();
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
        const auto found = dlg()->ListBox1->findItems(text, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        QListWidgetItem *item = found.first();
        dlg()->ListBox1->scrollToItem(item);
        const QPoint at = dlg()->ListBox1->visualItemRect(item).center();
        QTest::mouseClick(dlg()->ListBox1->viewport(), Qt::LeftButton, {}, at);
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
        TFiltr_wyniki *d = dlg();
        QCOMPARE(d->objectName(), QStringLiteral("Filtr_wyniki"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Filtruj wyniki... "));
        QCOMPARE(d->GroupBox1->title(), QStringLiteral(" Opcje filtracji "));
        QCOMPARE(d->f_nazwisko->text(), QStringLiteral("Filtruj wg użytkownika"));
        QCOMPARE(d->f_ocea->text(), QStringLiteral("Filtruj wg oceny"));
        QCOMPARE(d->F_test->text(), QStringLiteral("Filtruj wg testu"));
        QVERIFY(!d->f_nazwisko->isChecked() && !d->f_ocea->isChecked() && !d->F_test->isChecked());
        QCOMPARE(d->ListBox1->font().pixelSize(), 16);
        QCOMPARE(d->ListBox1->count(), 0);
        QCOMPARE(d->menu_test->text(), QStringLiteral("Szukaj testu..."));
        QVERIFY(!d->menu_test->isEnabled());
        QCOMPARE(d->PopupMenu1->actions(), QList<QAction *>{d->menu_test});
        QCOMPARE(d->OK->text(), QStringLiteral("OK"));
        QVERIFY(!d->OK->isEnabled());
        QCOMPARE(d->Anuluj->text(), QStringLiteral("Anuluj"));
        QVERIFY(!d->filterMode);
    }

    void activationReadsTheLineStore()
    {
        start();
        data->write("Wyniki.tvw", results::recordBytes(stored()) + "Ewa\r\nTest: Azja");
        setHourglass(true);
        open();
        QVERIFY(!hourglassShown());
        QCOMPARE(dlg()->lineStore().size(), size_t(8));
        QCOMPARE(dlg()->lineStore().back().title, QStringLiteral("Test: Azja"));
        QCOMPARE(dlg()->lineStore().back().grade, QString());
        dlg()->hide();
        QFile::remove(data->file("Wyniki.tvw"));
        open();
        QVERIFY(dlg()->lineStore().empty());
        // Without results every filter leaves an empty set to browse.
        dlg()->f_ocea->click();
        clickEntry("Dobry");
        dlg()->OK->click();
        QVERIFY(data->has("tmp.tvw"));
        QCOMPARE(data->read("tmp.tvw"), QByteArray());
        QVERIFY(TWyniki::find());
        QVERIFY(TWyniki::find()->rows().empty());
        QVERIFY(!data->has("Wyniki.tvw"));
    }

    void userFilterWithoutRegisteredUsers()
    {
        start({});
        open();
        dlg()->f_nazwisko->click();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(),
                 QStringLiteral("Brak zarejestrowanych użytkowników\r\nNajpierw zarejestruj użytkownika"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::None);
        QCOMPARE(dlg()->ListBox1->count(), 0);
        QVERIFY(!dlg()->OK->isEnabled());
    }

    void theThreeLists()
    {
        start();
        open();
        dlg()->F_test->click();
        QCOMPARE(entries(dlg()->ListBox1), results::testTitles());
        QVERIFY(dlg()->menu_test->isEnabled());
        clickEntry(QStringLiteral("Test: Europa - Stolice"));
        QVERIFY(dlg()->OK->isEnabled());

        dlg()->f_ocea->click();
        QCOMPARE(entries(dlg()->ListBox1), results::gradeWords());
        QVERIFY(!dlg()->menu_test->isEnabled());
        QVERIFY(!dlg()->OK->isEnabled());

        dlg()->f_nazwisko->click();
        // Only registered users: results saved under a typed name that was
        // never registered cannot be chosen.
        QCOMPARE(entries(dlg()->ListBox1), (QStringList{"Ala", "Ola", "Łucja"}));
        QVERIFY(!dlg()->OK->isEnabled());
        QVERIFY(services->messages.isEmpty());
        clickEntry(QStringLiteral("Ola"));
        QVERIFY(dlg()->OK->isEnabled());
        QCOMPARE(dlg()->chosenValue(), QStringLiteral("Ola"));
        // The right button opens the menu without choosing.
        const QPoint lucja = dlg()->ListBox1->visualItemRect(dlg()->ListBox1->item(2)).center();
        QTest::mouseClick(dlg()->ListBox1->viewport(), Qt::RightButton, {}, lucja);
        QCOMPARE(dlg()->chosenValue(), QStringLiteral("Ola"));
        QCOMPARE(dlg()->ListBox1->currentRow(), 1);
        // Keys move the choice as well.
        QTest::keyClick(dlg()->ListBox1, Qt::Key_Down);
        QCOMPARE(dlg()->chosenValue(), QStringLiteral("Łucja"));

        // Shown again: the radio buttons and the list are as they were.
        dlg()->hide();
        open();
        QVERIFY(dlg()->f_nazwisko->isChecked());
        QCOMPARE(dlg()->ListBox1->count(), 3);
    }

    void okFilters_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QList<int>>("taken"); // records of stored()
        QTest::newRow("user Ala, case counts") << "f_nazwisko" << "Ala" << QList<int>{0, 2, 6};
        QTest::newRow("Dobry: 4, 4+ and 4-, not 5") << "f_ocea" << "Dobry" << QList<int>{0, 2, 3};
        QTest::newRow("Mierny: every Mierny") << "f_ocea" << "Mierny" << QList<int>{4, 5};
        QTest::newRow("Celujący: none") << "f_ocea" << "Celujący" << QList<int>{};
        QTest::newRow("flags part 1 alone") << "F_test" << "Test: Różne - Flagi państw Cz. 1" << QList<int>{0};
        QTest::newRow("flags part 2") << "F_test" << "Test: Różne - Flagi państw Cz. 2" << QList<int>{1};
        QTest::newRow("granice as written") << "F_test" << "Test: Polska - Długości granic sąsiadów" << QList<int>{5};
        QTest::newRow("Ameryka chain as written") << "F_test" << "Test: Wszystko o Ameryce Pn i Pd" << QList<int>{4};
        QTest::newRow("Europa - Stolice") << "F_test" << "Test: Europa - Stolice" << QList<int>{6};
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
        dlg()->OK->click();

        Records expected;
        for (int i : taken)
            expected.push_back(stored()[i]);
        QCOMPARE(data->read("tmp.tvw"), results::recordBytes(expected));
        QCOMPARE(data->read("Wyniki.tvw"), results::recordBytes(stored()));
        QVERIFY(!dlg()->isVisible());
        QVERIFY(dlg()->filterMode);
        QVERIFY(!hourglassShown());
        // A browser on the filtered set, even when nothing matched.
        TWyniki *w = TWyniki::find();
        QVERIFY(w);
        QVERIFY(w->filterMode());
        QCOMPARE(usersOf(w->rows()), usersOf(expected));
        QVERIFY(!main()->backgroundPanelVisible());
        QVERIFY(!main()->commandAction(Command::ItemWyniki)->isEnabled());
        QVERIFY(!main()->commandAction(Command::ItemFiltruj)->isEnabled());

        // Closing the browser ends the filter mode.
        main()->Zamknij_MDIClick();
        QVERIFY(!data->has("tmp.tvw"));
        QVERIFY(!dlg()->filterMode);
        QVERIFY(main()->commandAction(Command::ItemFiltruj)->isEnabled());
    }

    void doubleClickRunsOk()
    {
        start();
        open();
        dlg()->f_ocea->click();
        const auto item = dlg()->ListBox1->findItems("Mierny", Qt::MatchExactly).first();
        const QPoint at = dlg()->ListBox1->visualItemRect(item).center();
        QTest::mouseClick(dlg()->ListBox1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(dlg()->ListBox1->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(TWyniki::find());
        QCOMPARE(TWyniki::find()->rows().size(), size_t(2));
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
        dlg()->F_test->click();
        if (answer.isValid())
            services->inputAnswers << answer.toString();
        dlg()->menu_test->trigger();
        QCOMPARE(services->prompts.size(), 1);
        QCOMPARE(services->prompts.last().caption, QStringLiteral("Filtruj wg testu..."));
        QCOMPARE(services->prompts.last().prompt, QStringLiteral("Wpisz nazwę testu"));
        QCOMPARE(services->prompts.last().initial, QStringLiteral("Test: "));
        const auto marked = dlg()->ListBox1->selectedItems();
        if (selected.isEmpty()) {
            QVERIFY(marked.isEmpty());
        } else {
            QCOMPARE(marked.size(), 1);
            QCOMPARE(marked.first()->text(), selected);
            QVERIFY(dlg()->ListBox1->hasFocus());
        }
        // The search only marks the entry: the chosen value and OK wait
        // for a click.
        QVERIFY(!dlg()->OK->isEnabled());
        QCOMPARE(dlg()->chosenValue(), QString());
        if (!selected.isEmpty()) {
            clickEntry(selected);
            QCOMPARE(dlg()->chosenValue(), selected);
            QVERIFY(dlg()->OK->isEnabled());
        }
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
        dlg()->filterMode = true;
        dlg()->f_ocea->click();
        clickEntry("Dobry");
        if (escape)
            QTest::keyClick(dlg(), Qt::Key_Escape);
        else
            dlg()->Anuluj->click();
        QVERIFY(!dlg()->isVisible());
        QVERIFY(!dlg()->filterMode);
        QVERIFY(!data->has("tmp.tvw"));
        QVERIFY(!TWyniki::find());
        QVERIFY(main()->commandAction(Command::ItemWyniki)->isEnabled());
    }

    void fromTheMainWindow()
    {
        start();
        services->onModal = [this](QDialog &d) {
            if (&d != dlg())
                return int(QDialog::Rejected);
            d.show();
            dlg()->f_ocea->click();
            clickEntry("Dostateczny");
            dlg()->OK->click();
            return d.result();
        };
        main()->menuItem("Filtrujwynikitestw1")->trigger();
        QCOMPARE(services->modals, QStringList{"Filtr_wyniki"});
        QVERIFY(TWyniki::find());
        QVERIFY(TWyniki::find()->rows().empty());
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
        dlg()->f_ocea->click();
        clickEntry("Dobry");
        {
            test::FileSizeLimit limit(500);
            dlg()->OK->click();
        }
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QVERIFY(services->lastText().contains(QLatin1String("tmp.tvw")));
        QCOMPARE(data->read("tmp.tvw"), QByteArray("stary"));
        QVERIFY(dlg()->isVisible());
        QVERIFY(!dlg()->filterMode);
        QVERIFY(!TWyniki::find());
        QVERIFY(!hourglassShown());
        QVERIFY(main()->commandAction(Command::ItemWyniki)->isEnabled());
    }
#endif
};

QTEST_MAIN(TestTFiltrWyniki)
#include "tst_tfiltr_wyniki.moc"
