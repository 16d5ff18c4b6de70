#include "Parts.h"
#include "QuizFixture.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/OwnTestEditor.h"
#include "catalogue/OwnTests.h"
#include "catalogue/OwnTestsCommands.h"
#include "catalogue/TestLauncher.h"
#include "net/Session.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "quiz/Markers.h"
#include "quiz/TestFiles.h"
#include "quiz/TestWindow.h"
#include "results/ResultDialog.h"
#include "results/ResultsFilterDialog.h"
#include "wizards/CreatorWizard.h"

#include <QAction>
#include <QDir>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace tv;
using namespace tv::test::parts;

class TestOwnTestEditor : public test::UiTest {
    Q_OBJECT

    MainWindow *main() { return &app->mainWindow(); }
    OwnTestEditor &editor() { return app->ownTests().editor(); }

    QString writePicture(const QString &name, QSize size, const char *format = "JPG")
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor(200, 230, 255));
        const QString path = data->file(name);
        image.save(path, format);
        return path;
    }

    // The teacher's hand: a click on the map, a name typed into the field.
    void placeMarker(QPoint at, const QString &name)
    {
        QTest::mouseClick(editor().mapCanvas(), Qt::LeftButton, {}, at);
        QLineEdit *field = editor().nameField();
        field->selectAll();
        type(field, name);
    }
    // As a keyboard layout delivers letters QTest cannot name (ł, ż).
    static void type(QLineEdit *field, const QString &text)
    {
        QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(field, &typed);
    }

    QStringList ownMenuTitles()
    {
        QMenu *menu = main()->findChild<QMenu *>(QStringLiteral("ownTestsMenu"));
        emit menu->aboutToShow();
        QStringList out;
        for (QAction *a : menu->actions())
            out << a->text();
        return out;
    }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 0);
        createApp();
        main()->show();
    }
    void cleanup()
    {
        TestWindow::setShuffleSeed(0);
        end();
    }

    // Made in the editor, read back by the pack's reader, listed, taken and
    // judged like any other test, and recorded under its own title.
    void madeSavedListedTakenJudged()
    {
        QCOMPARE(ownMenuTitles(), QStringList{"(brak własnych testów)"});
        test::named<QAction>(main(), "ownNewItem")->trigger();
        QVERIFY(editor().isVisible());
        services->fileAnswers << writePicture(QStringLiteral("mazowsze.png"), QSize(500, 400), "PNG");
        QTest::mouseClick(editor().findChild<QPushButton *>(QStringLiteral("pictureButton")), Qt::LeftButton);
        QCOMPARE(editor().pictureSize(), QSize(500, 400));
        type(editor().titleField(), QStringLiteral("Rzeki Mazowsza"));
        placeMarker(QPoint(100, 50), QStringLiteral("Wisła"));
        placeMarker(QPoint(490, 390), QStringLiteral("Bug")); // kept inside the picture
        placeMarker(QPoint(250, 200), QStringLiteral("Narew"));
        QCOMPARE(editor().test().markers.size(), 3);
        QCOMPARE(editor().test().markers[0].position, QPoint(100 - 64, 50 - 12));
        QCOMPARE(editor().test().markers[1].position, QPoint(500 - 129, 400 - 25));
        // Dragged to adjust, and the order changed: Narew becomes marker 2.
        editor().moveMarker(0, QPoint(20, 30));
        editor().selectMarker(2);
        QTest::mouseClick(editor().findChild<QPushButton *>(QStringLiteral("upButton")), Qt::LeftButton);
        QCOMPARE(editor().test().markers[1].name, QStringLiteral("Narew"));
        QCOMPARE(editor().markerList()->item(1)->text(), QStringLiteral("2. Narew"));

        QTest::mouseClick(editor().findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
        QVERIFY2(services->lastText().startsWith(QStringLiteral("Test \"Rzeki Mazowsza\" zapisano")),
                 qPrintable(services->lastText()));
        const QString folder = owntests::folder();
        const auto conf = lines::readFile(files::resolve(folder, QStringLiteral("RM.dat")));
        const ConfigurationRead c = parseConfiguration(conf.lines, QStringLiteral("RM.dat"));
        QCOMPARE(c.config.count, 3);
        QCOMPARE(c.config.positions[0], QPoint(20, 30));
        QCOMPARE(c.config.positions[1], QPoint(250 - 64, 200 - 12));
        QCOMPARE(lines::readFile(files::resolve(folder, QStringLiteral("RM_o.dat"))).lines,
                 (QStringList{"Wisła11", "Narew12", "Bug13"}));
        QVERIFY(QImage(files::resolve(folder, QStringLiteral("RM.jpg"))).size() == QSize(500, 400));

        // In the menu at once, and taken through the one launch routine.
        QCOMPARE(ownMenuTitles(), QStringList{"Rzeki Mazowsza"});
        app->filterDialog().chooseByTest();
        QVERIFY(!choiceList(&app->filterDialog())->findItems(QStringLiteral("Test: Moje - Rzeki Mazowsza"),
                                                           Qt::MatchExactly).isEmpty());
        QMenu *menu = main()->findChild<QMenu *>(QStringLiteral("ownTestsMenu"));
        menu->actions().at(0)->trigger();
        QCOMPARE(main()->title(), QStringLiteral("Test: Moje - Rzeki Mazowsza"));
        TestWindow *w = app->launcher().testWindow();
        QVERIFY(w);
        w->onStartDelay();
        QCOMPARE(test::pictureSizeOf(w), QSize(500, 400));
        QCOMPARE(w->mapTest().dropsLeft, 3);
        auto fieldWith = [w](const QString &name) {
            for (int k = 1; k <= 3; ++k)
                if (test::nameFieldOf(w, k)->text() == name)
                    return k;
            return 0;
        };
        services->onModal = [this](QDialog &d) {
            if (&d != &app->resultDialog())
                return int(QDialog::Rejected);
            d.show();
            nameEdit(&app->resultDialog())->setText(QStringLiteral("Ala"));
            app->resultDialog().save();
            return int(QDialog::Accepted);
        };
        test::dropOnMarker(w, fieldWith(QStringLiteral("Wisła")), 1);
        test::dropOnMarker(w, fieldWith(QStringLiteral("Narew")), 2);
        test::dropOnMarker(w, fieldWith(QStringLiteral("Bug")), 2);
        w->showResult();
        QCOMPARE(goodLabel(&app->resultDialog())->text(), QStringLiteral("1"));
        QCOMPARE(badLabel(&app->resultDialog())->text(), QStringLiteral("2"));
        QCOMPARE(gradeLabel(&app->resultDialog())->text(), QStringLiteral("Mierny (2)"));
        QVERIFY(data->read(QStringLiteral("Wyniki.tvw")).startsWith("Ala\r\nTest: Moje - Rzeki Mazowsza\r\n"));
    }

    void reopenedAsSavedAndRefusedWhenDamaged()
    {
        const owntests::OwnTest t{QStringLiteral("GP"), QStringLiteral("Góry Polski"),
                                  {{QPoint(5, 6), QStringLiteral("Tatry")}, {QPoint(200, 100), QStringLiteral("Sudety")}}};
        QVERIFY(owntests::save(owntests::folder(), t, test::jpeg(QSize(400, 300)), QSize(400, 300), {}).ok);
        QVERIFY(editor().openExisting(owntests::folder(), QStringLiteral("GP")));
        QCOMPARE(editor().titleField()->text(), QStringLiteral("Góry Polski"));
        QCOMPARE(editor().marker(1)->pos(), QPoint(200, 100));
        QCOMPARE(editor().marker(1)->text(), QStringLiteral("Sudety"));
        QCOMPARE(editor().markerList()->count(), 2);

        const QByteArray damaged("2\r\nGóry\r\n5\r\n6\r\n2x0\r\n100\r\n");
        data->write(QStringLiteral("Moje testy/GP.dat"), damaged);
        services->fileAnswers << files::resolve(owntests::folder(), QStringLiteral("GP.dat"));
        test::named<QAction>(main(), "ownEditItem")->trigger();
        QVERIFY2(services->lastText().contains(QStringLiteral("GP.dat, wiersz 5")), qPrintable(services->lastText()));
        QCOMPARE(data->read(QStringLiteral("Moje testy/GP.dat")), damaged);
    }

    void checksAreSaidAndNothingIsWritten()
    {
        test::named<QAction>(main(), "ownNewItem")->trigger();
        QTest::mouseClick(editor().findChild<QPushButton *>(QStringLiteral("saveButton")), Qt::LeftButton);
        QVERIFY(services->lastText().contains(QStringLiteral("Test nie ma tytułu")));
        QVERIFY(services->lastText().contains(QStringLiteral("Test nie ma obrazu")));
        QVERIFY(services->lastText().contains(QStringLiteral("Test nie ma żadnego pola")));
        QVERIFY(editor().loadPicture(writePicture(QStringLiteral("a.jpg"), QSize(300, 200))));
        type(editor().titleField(), QStringLiteral("Za długie"));
        placeMarker(QPoint(100, 100), QStringLiteral("Kotlina Sandomierska i Nizina Mazowiecka"));
        QVERIFY(!editor().save());
        QVERIFY(services->lastText().contains(QStringLiteral("nie mieści się w polu")));
        QVERIFY(owntests::codes(owntests::folder()).isEmpty());

        // A picture beyond the largest size is refused, naming it.
        QVERIFY(!editor().loadPicture(writePicture(QStringLiteral("big.jpg"), QSize(4100, 100))));
        QVERIFY(services->lastText().contains(QStringLiteral("4000 × 3000")));
        QCOMPARE(editor().pictureSize(), QSize(300, 200));
    }

    void exportAndImportThroughTheMenu()
    {
        const owntests::OwnTest t{QStringLiteral("GP"), QStringLiteral("Góry Polski"),
                                  {{QPoint(5, 6), QStringLiteral("Tatry")}}};
        QVERIFY(owntests::save(owntests::folder(), t, test::jpeg(QSize(400, 300)), QSize(400, 300), {}).ok);
        QVERIFY(QDir().mkpath(data->file(QStringLiteral("pendrive"))));
        services->fileAnswers << files::resolve(owntests::folder(), QStringLiteral("GP.dat"))
                              << data->file(QStringLiteral("pendrive/GP.dat"));
        test::named<QAction>(main(), "ownExportItem")->trigger();
        for (const char *n : {"GP.dat", "GP_o.dat", "GP.jpg"})
            QVERIFY(data->has(QStringLiteral("pendrive/") + QString::fromLatin1(n)));

        // The same code back: asked first, and "no" keeps the test here.
        data->write(QStringLiteral("pendrive/GP.dat"), "1\r\nInne g\xF3ry\r\n5\r\n6\r\n");
        services->answers << QMessageBox::No;
        services->fileAnswers << data->file(QStringLiteral("pendrive/GP.dat"));
        test::named<QAction>(main(), "ownImportItem")->trigger();
        QVERIFY(services->lastText().contains(QStringLiteral("Zastąpić go importowanym?")));
        QCOMPARE(services->messages.last().defaultButton, QMessageBox::No);
        QCOMPARE(ownMenuTitles(), QStringList{"Góry Polski"});
        services->answers << QMessageBox::Yes;
        services->fileAnswers << data->file(QStringLiteral("pendrive/GP.dat"));
        test::named<QAction>(main(), "ownImportItem")->trigger();
        QCOMPARE(ownMenuTitles(), QStringList{"Inne góry"});
    }

    void takenFromTheCreator()
    {
        CreatorWizard &k = app->creator();
        k.showPlain();
        startList(&k)->setCurrentRow(13);
        k.goNext();
        QCOMPARE(k.currentPage(), QStringLiteral("ownPage"));
        QVERIFY(!ownList(&k)->item(0)->flags().testFlag(Qt::ItemIsEnabled)); // none yet
        k.goBack();
        const owntests::OwnTest t{QStringLiteral("GP"), QStringLiteral("Góry Polski"),
                                  {{QPoint(5, 6), QStringLiteral("Tatry")}}};
        QVERIFY(owntests::save(owntests::folder(), t, test::jpeg(QSize(400, 300)), QSize(400, 300), {}).ok);
        startList(&k)->setCurrentRow(13);
        k.goNext();
        QCOMPARE(ownList(&k)->item(0)->text(), QStringLiteral("Góry Polski"));
        k.loadOwn();
        QVERIFY(!k.isVisible());
        QCOMPARE(main()->title(), QStringLiteral("Test: Moje - Góry Polski"));
        QVERIFY(app->launcher().testWindow());
    }

    void seventeenAtMost()
    {
        QVERIFY(editor().loadPicture(writePicture(QStringLiteral("a.jpg"), QSize(800, 600))));
        for (int k = 0; k < 17; ++k)
            QCOMPARE(editor().addMarkerAt(QPoint(100, 20 + 30 * k)), k);
        QCOMPARE(editor().addMarkerAt(QPoint(400, 300)), -1);
        editor().removeMarker(0);
        QCOMPARE(editor().test().markers.size(), 16);
        QCOMPARE(editor().marker(0)->objectName(), QStringLiteral("editorMarker1"));
    }

    void lockedWhileATestRunsAndInASession()
    {
        QVERIFY(test::named<QAction>(main(), "ownNewItem")->isEnabled());
        main()->lockForTest();
        for (const char *name : {"ownNewItem", "ownEditItem", "ownImportItem", "ownExportItem"})
            QVERIFY(!test::named<QAction>(main(), name)->isEnabled());
        main()->unlockAfterTest();
        QVERIFY(test::named<QAction>(main(), "ownEditItem")->isEnabled());
        main()->lockForSession();
        QVERIFY(!test::named<QAction>(main(), "ownImportItem")->isEnabled());
    }
};

QTEST_MAIN(TestOwnTestEditor)
#include "tst_owntesteditor.moc"
