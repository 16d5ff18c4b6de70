#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileCheckWindow.h"
#include "extras/MailForm.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tv;

class TestCheckWindow : public test::UiTest {
    Q_OBJECT


private slots:
    void init()
    {
        begin();
        for (const auto &e : catalogue::singleTests())
            for (const QString &f : {e.configurationFile, e.descriptionFile, e.pictureFile})
                data->write(f, "x");
        createApp();
    }
    void cleanup()
    {
        end();
    }

    void openingState()
    {
        FileCheckWindow w(app->mailForm(), &app->mainWindow());
        QCOMPARE(w.windowTitle(), QStringLiteral("Sprawdź czy masz wszystkie testy"));
        QCOMPARE(w.testList->count(), 49);
        QCOMPARE(w.testList->item(4)->text(), QStringLiteral("Test: Polska - Długości granic sąsiadów"));
        QVERIFY(!w.reportButton->isEnabled());
        QCOMPARE(w.checkButton->toolTip(), QStringLiteral("Sprawdź wszystkie testy"));
        QCOMPARE(w.reportButton->toolTip(), QStringLiteral("Napisz do autora o brakujących testach"));
        QCOMPARE(w.closeButton->toolTip(), QStringLiteral("Zamknij okno"));
        QCOMPARE(w.height(), 221);
        QVERIFY(w.reportText().isEmpty());
    }

    void allPresentIsOneGreenLine()
    {
        FileCheckWindow w(app->mailForm(), &app->mainWindow());
        w.check();
        QCOMPARE(w.height(), 386);
        QCOMPARE(w.reportText(), QStringLiteral("Masz wszystkie pliki konfiguracyjne testów!"));
        QCOMPARE(w.report->palette().color(QPalette::Text), QColor(0, 128, 0));
        QVERIFY(!w.reportButton->isEnabled());
    }

    void missingFilesInRedAndTheSameTwice()
    {
        QFile::remove(data->file("Swiat_prady.jpg"));
        QFile::remove(data->file("AZG.dat"));
        FileCheckWindow w(app->mailForm(), &app->mainWindow());
        w.check();
        const QString first = w.reportText();
        QCOMPARE(first, QStringLiteral("Test: Azja - Góry i Szczyty: BRAK PLIKU K1\n"
                                       "Test: Świat - Prądy morskie: BRAK PLIKU Z1"));
        QCOMPARE(w.report->palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(w.reportButton->isEnabled());
        w.check();
        QCOMPARE(w.reportText(), first);
        w.writeToAuthor();
        QVERIFY(app->mailForm().problemReport());
        QCOMPARE(app->mailForm().problemReportText(), first);
        QCOMPARE(services->modals, QStringList{"mailForm"});
    }

    void openedFromTheMainWindow()
    {
        test::named<QAction>(&app->mainWindow(), "fileCheckItem")->trigger();
        QCOMPARE(services->modals, QStringList{"fileCheckWindow"});
    }
};

QTEST_MAIN(TestCheckWindow)
#include "tst_filecheckwindow.moc"
