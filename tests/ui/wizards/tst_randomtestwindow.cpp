#include "Parts.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/TestLauncher.h"
#include "wizards/RandomTestWindow.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tv;
using namespace tv::test::parts;

class TestRandomWindow : public test::UiTest {
    Q_OBJECT

    RandomTestWindow *w = nullptr;

    QRadioButton *radio(const char *name) { return w->findChild<QRadioButton *>(QString::fromLatin1(name)); }

private slots:
    void init()
    {
        begin();
        createApp();
        w = new RandomTestWindow(app->launcher(), &app->mainWindow());
        w->show();
    }
    void cleanup()
    {
        delete w;
        end();
    }

    void freshWindow()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Losuj test..."));
        QCOMPARE(w->size(), QSize(537, 431));
        QCOMPARE(countLabel(w)->text(), QStringLiteral("Dostępnych testów: 55"));
        QCOMPARE(drawnTitle(w)->text(), QStringLiteral("Jeszcze nie losowano testu"));
        QVERIFY(radio("allRadio")->isChecked());
        QVERIFY(!drawList(w)->isVisible());
        QCOMPARE(drawButton(w)->toolTip(), QStringLiteral("Losuj test"));
        QCOMPARE(loadButton(w)->toolTip(), QStringLiteral("Załaduj wylosowany test"));
        QCOMPARE(cancelButton(w)->toolTip(), QStringLiteral("Zamknij okno"));
        QStringList captions;
        for (QRadioButton *r : w->findChildren<QRadioButton *>())
            captions << r->text();
        QCOMPARE(captions, (QStringList{"WSZYSTKIE TESTY", "POLSKA", "EUROPA", "AMERYKA PÓŁNOCNA", "AMERYKA POŁUDNIOWA",
                                        "AZJA", "AFRYKA", "AUSTRALIA", "ANTARKTYDA", "ŚWIAT",
                                        "RÓŻNE PYTANIA GEOGRAFICZNE", "Sam określę z jakich testów losować"}));
    }

    void categoriesFillTheList()
    {
        radio("allRadio")->click();
        QCOMPARE(countLabel(w)->text(), QStringLiteral("Dostępnych testów: 56"));
        radio("antarcticaRadio")->click();
        QCOMPARE(countLabel(w)->text(), QStringLiteral("Dostępnych testów: 2"));
        w->draw();
        const QString first = drawnTitle(w)->text();
        w->draw();
        QVERIFY(drawnTitle(w)->text() != first); // Antarctica alternates
        radio("polandRadio")->click();
        QCOMPARE(drawnTitle(w)->text(), QStringLiteral("Jeszcze nie losowano testu"));
        w->loadDrawn();
        QCOMPARE(services->lastText(), QStringLiteral("Nie wykosowano jeszcze żadnego testu. Wciśnij przycisk: Losuj"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Zacznij losować"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Warning);
        QVERIFY(w->isVisible());
    }

    void customMode()
    {
        radio("customRadio")->click();
        QVERIFY(drawList(w)->isVisible());
        QCOMPARE(drawList(w)->count(), 56);
        w->draw();
        QCOMPARE(services->lastText(), QStringLiteral("NIe zaznaczono na liście żadnego testu"));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        QCOMPARE(countLabel(w)->text(), QStringLiteral("Dostępnych testów: 0"));
        for (int row : {2, 9, 30})
            drawList(w)->item(row)->setSelected(true);
        w->draw();
        QCOMPARE(countLabel(w)->text(), QStringLiteral("Dostępnych testów: 3"));
        QVERIFY(QStringList({drawList(w)->item(2)->text(), drawList(w)->item(9)->text(), drawList(w)->item(30)->text()})
                    .contains(drawnTitle(w)->text()));
    }

    void growingTitle()
    {
        w->draw();
        QCOMPARE(drawnTitle(w)->font().pointSize(), 10);
        QVERIFY(titleGrowth(w)->isActive());
        QCOMPARE(titleGrowth(w)->interval(), 100);
        for (int i = 0; i < 5; ++i)
            w->growTitle();
        QCOMPARE(drawnTitle(w)->font().pointSize(), 20);
        QVERIFY(titleGrowth(w)->isActive());
        w->growTitle();
        QVERIFY(!titleGrowth(w)->isActive());
        QCOMPARE(drawnTitle(w)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void loadingADrawnTitleLaunchesItsEntry()
    {
        // The drawn title differs from the title the launch shows.
        w->board.shown = QStringLiteral("Test: Polska - Długości granic sąsiadów");
        w->loadDrawn();
        QCOMPARE(app->mainWindow().title(), QString()); // the launch found no files and went back to idle
        QCOMPARE(app->state().request.configurationFile, QStringLiteral("PGr.dat"));
        QCOMPARE(services->lastText(),
                 QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku konfiguracyjnego"));
        QVERIFY(!w->isVisible()); // closed in any case
    }

    void loadingADrawnChainChecksItsFiles()
    {
        w->board.shown = QStringLiteral("Test: Wszystko o Róznych pytaniach");
        w->loadDrawn();
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia-Brak plików..."));
        QVERIFY(!app->state().chain.active);
    }

    void escapeCloses()
    {
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    void openedFromTheMainWindow()
    {
        test::named<QAction>(&app->mainWindow(), "randomTestButton")->trigger();
        QCOMPARE(services->modals, QStringList{"randomTestWindow"});
    }

    // The longest title at the animation's full size is shown whole.
    void longestTitleFits()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QFont f = drawnTitle(w)->font();
        f.setPointSize(20);
        drawnTitle(w)->setFont(f);
        const QString longest = QStringLiteral("Test: Wszystko o Australii i Antarktydzie");
        drawnTitle(w)->setText(longest);
        const QFontMetrics fm(f);
        const QRect room = drawnTitle(w)->contentsRect();
        QVERIFY(fm.horizontalAdvance(longest) <= room.width() || drawnTitle(w)->wordWrap());
        QVERIFY(fm.boundingRect(QRect(0, 0, room.width(), 1000), Qt::TextWordWrap, longest).height() <= room.height());
        QVERIFY(drawnTitle(w)->geometry().bottom() < cancelButton(w)->geometry().top());
    }
};

QTEST_MAIN(TestRandomWindow)
#include "tst_randomtestwindow.moc"
