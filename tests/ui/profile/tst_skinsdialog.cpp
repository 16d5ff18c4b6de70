#include "Parts.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "profile/SkinsDialog.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace tv;
using namespace tv::test::parts;

class TestSkinsDialog : public test::UiTest {
    Q_OBJECT

    MainWindow *main() { return &app->mainWindow(); }
    SkinsDialog &dialog() { return app->skinsDialog(); }

    // The files of a shipped skin, taken from the content pack.
    void copyFromContent(const QStringList &names)
    {
        for (const QString &name : names) {
            QFile f(QDir(QStringLiteral(TERRAVIA_CONTENT_DIR)).filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            data->write(name, f.readAll());
        }
    }
    void click(int row) { emit skinList(&dialog())->itemClicked(skinList(&dialog())->item(row)); }

private slots:
    void init()
    {
        begin();
    }
    void cleanup()
    {
        end();
    }

    void entriesAndPreview()
    {
        copyFromContent({"s1.jpg", "s6.jpg"});
        createApp();
        SkinsDialog &d = dialog();
        d.show();
        QCOMPARE(d.windowTitle(), QStringLiteral("Skóry"));
        QCOMPARE(skinList(&d)->count(), 8);
        QCOMPARE(skinList(&d)->item(0)->text(), QStringLiteral("STANDARDOWY WINDOWS"));
        QCOMPARE(skinList(&d)->item(7)->text(), QStringLiteral("SKÓRA NR 7"));
        QCOMPARE(preview(&d)->size(), QSize(137, 185));
        QVERIFY(skinList(&d)->font().bold());
        QCOMPARE(skinList(&d)->font().pixelSize(), 16);
        QCOMPARE(skinList(&d)->item(0)->sizeHint().height(), 20);
        QVERIFY(!changeButton(&d)->isEnabled());
        QVERIFY(preview(&d)->isHidden());
        click(5);
        QVERIFY(changeButton(&d)->isEnabled());
        QVERIFY(!preview(&d)->isHidden());
        QCOMPARE(d.previewName(), QStringLiteral("s6.jpg"));
        QVERIFY(!preview(&d)->pixmap().isNull());
        click(3); // no s3.jpg: the preview keeps the picture it had
        QCOMPARE(d.previewName(), QStringLiteral("s6.jpg"));
        click(0);
        QVERIFY(preview(&d)->isHidden());
    }

    void changeWritesTheChoiceAndAppliesIt()
    {
        copyFromContent({"skora5.skn", "skora5_tlo.jpg", "skora5_test.jpg"});
        createApp();
        QVERIFY(!main()->toolbarTransparent());
        const QColor standard = main()->palette().color(QPalette::Window);
        dialog().show();
        click(5);
        QTest::mouseClick(changeButton(&dialog()), Qt::LeftButton);
        QVERIFY(!dialog().isVisible());
        QCOMPARE(data->read(QStringLiteral("Skins.dat")), QByteArray("5\r\n"));
        QVERIFY(main()->toolbarTransparent());
        QCOMPARE(main()->skinInForce(), 5);
        QCOMPARE(main()->palette().color(QPalette::Window), QColor(QStringLiteral("#efe3c4")));
        QVERIFY(!main()->testWindowPicture().isNull());
        // Back to the standard look by a double click: the file goes.
        dialog().show();
        emit skinList(&dialog())->itemDoubleClicked(skinList(&dialog())->item(0));
        QVERIFY(!data->has(QStringLiteral("Skins.dat")));
        QVERIFY(!main()->toolbarTransparent());
        QCOMPARE(main()->skinInForce(), 0);
        QCOMPARE(main()->palette().color(QPalette::Window), standard);
        QVERIFY(main()->testWindowPicture().isNull());
        QVERIFY(!hourglassShown());
    }

    void standardWithoutAFileAndCancel()
    {
        createApp();
        dialog().show();
        click(0);
        dialog().change();
        QVERIFY(QDir(data->path()).entryList(QDir::Files).isEmpty());
        QVERIFY(!main()->toolbarTransparent());
        dialog().show();
        click(2);
        QTest::mouseClick(cancelButton(&dialog()), Qt::LeftButton);
        QVERIFY(!dialog().isVisible());
        QVERIFY(QDir(data->path()).entryList(QDir::Files).isEmpty());
        QVERIFY(!main()->toolbarTransparent());
    }

    void openingPointsAtTheSkinInForce()
    {
        data->write(QStringLiteral("Skins.dat"), "6\r\n");
        createApp();
        dialog().show();
        QCOMPARE(skinList(&dialog())->currentRow(), 6);
        QVERIFY(!changeButton(&dialog())->isEnabled());
    }

    // At start-up the chosen skin dresses the frame and the test windows; a
    // skin file that is missing or broken leaves the standard look (the tool
    // bar is still drawn transparent, as Skins.dat exists).
    void skinAtStartUp_data()
    {
        QTest::addColumn<QByteArray>("skn");
        QTest::addColumn<int>("inForce");
        QTest::newRow("whole") << QByteArray() << 4;
        QTest::newRow("broken") << QByteArray("okno = niebieski\r\n") << 0;
    }
    void skinAtStartUp()
    {
        QFETCH(QByteArray, skn);
        QFETCH(int, inForce);
        copyFromContent({"skora4.skn", "skora4_tlo.jpg", "skora4_test.jpg"});
        if (!skn.isEmpty())
            data->write(QStringLiteral("skora4.skn"), skn);
        data->write(QStringLiteral("Skins.dat"), "4\r\n");
        createApp();
        QVERIFY(main()->toolbarTransparent());
        QCOMPARE(main()->skinInForce(), inForce);
        QCOMPARE(main()->testWindowPicture().isNull(), inForce == 0);
        QVERIFY(services->messages.isEmpty());
        if (inForce)
            QCOMPARE(main()->palette().color(QPalette::Window), QColor(QStringLiteral("#1e2638")));
    }
};

QTEST_MAIN(TestSkinsDialog)
#include "tst_skinsdialog.moc"
