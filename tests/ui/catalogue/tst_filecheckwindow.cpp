#include "Parts.h"
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
using namespace tv::test::parts;

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
        QCOMPARE(testList(&w)->count(), 49);
        QCOMPARE(testList(&w)->item(4)->text(), QStringLiteral("Test: Polska - Długości granic sąsiadów"));
        QVERIFY(!reportButton(&w)->isEnabled());
        QCOMPARE(checkButton(&w)->toolTip(), QStringLiteral("Sprawdź wszystkie testy"));
        QCOMPARE(reportButton(&w)->toolTip(), QStringLiteral("Napisz do autora o brakujących testach"));
        QCOMPARE(closeButton(&w)->toolTip(), QStringLiteral("Zamknij okno"));
        QCOMPARE(w.height(), 221);
        QVERIFY(w.reportText().isEmpty());
    }

    void allPresentIsOneGreenLine()
    {
        FileCheckWindow w(app->mailForm(), &app->mainWindow());
        w.check();
        QCOMPARE(w.height(), 386);
        QCOMPARE(w.reportText(), QStringLiteral("Masz wszystkie pliki konfiguracyjne testów!"));
        QCOMPARE(report(&w)->palette().color(QPalette::Text), QColor(0, 128, 0));
        QVERIFY(!reportButton(&w)->isEnabled());
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
        QCOMPARE(report(&w)->palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(reportButton(&w)->isEnabled());
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
