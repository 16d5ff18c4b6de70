// Every title the random draw offers, launched as the draw launches it and
// loaded by the real test window from the shipped content pack: each test,
// and each test of each "Wszystko o..." chain, must come up with its picture,
// its markers and its names, and without a message.

#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "quiz/Markers.h"
#include "quiz/TestFiles.h"
#include "quiz/TestWindow.h"
#include "wizards/RandomDraw.h"

#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace tv;

namespace {

const QString kContent = QStringLiteral(TERRAVIA_CONTENT_DIR);

} // namespace

class TestShippedTests : public test::UiTest {
    Q_OBJECT

    // The test the window shows now is the one in these files, whole.
    void verifyLoaded(TestWindow *w, const QString &configurationFile, const QString &pictureFile)
    {
        QVERIFY2(services->messages.isEmpty(), qPrintable(services->messages.value(0).text));
        const auto conf = parseConfiguration(lines::readFile(files::resolve(kContent, configurationFile)).lines,
                                             configurationFile);
        QVERIFY(conf.status.ok);
        const int n = conf.config.count;
        QCOMPARE(w->mapTest().count(), n);
        QCOMPARE(test::pictureSizeOf(w), QImageReader(files::resolve(kContent, pictureFile)).size());
        QSet<QString> shown;
        for (int k = 1; k <= 17; ++k) {
            QCOMPARE(test::markerBox(w, k)->isVisibleTo(w), k <= n);
            if (k <= n) {
                QCOMPARE(test::markerBox(w, k)->pos(), conf.config.positions[k - 1]);
                shown.insert(test::nameFieldOf(w, k)->text());
            }
        }
        const QStringList names = w->mapTest().names();
        QCOMPARE(shown, QSet<QString>(names.begin(), names.end()));
        QCOMPARE(shown.size(), n);
    }

private slots:
    void init()
    {
        begin();
        // The shipped pack, seen through links, so that whatever the program
        // writes stays in the test's own folder.
        for (const QString &name : QDir(kContent).entryList(QDir::Files)) {
            const QString from = kContent + QLatin1Char('/') + name;
#ifdef Q_OS_WIN
            // A link made by Qt is a shortcut there, which opens as a file of
            // its own: hard links, or copies where none can be made.
            const QString to = QDir::toNativeSeparators(data->file(name));
            const QString target = QDir::toNativeSeparators(from);
            QVERIFY(CreateHardLinkW(reinterpret_cast<const wchar_t *>(to.utf16()),
                                    reinterpret_cast<const wchar_t *>(target.utf16()), nullptr)
                    || QFile::copy(from, to));
#else
            QVERIFY(QFile::link(from, data->file(name)));
#endif
        }
        test::writeSettings(*data, 0, 0);
        createApp();
        app->mainWindow().show();
    }
    void cleanup()
    {
        end();
    }

    void everyDrawnTitleLoads_data()
    {
        QTest::addColumn<QString>("title");
        QStringList titles = draw::masterList();
        titles << draw::defaultList().last(); // "Róznych" in the default list
        for (const QString &t : titles)
            QTest::newRow(qPrintable(t)) << t;
    }
    void everyDrawnTitleLoads()
    {
        QFETCH(QString, title);
        const std::optional<int> code = draw::codeForTitle(title);
        QVERIFY(code);
        QVERIFY(app->launcher().launch(*code));
        TestWindow *w = app->launcher().testWindow();
        QVERIFY(w);
        w->onStartDelay();

        if (const CatalogueEntry *e = catalogue::findByCode(*code)) {
            verifyLoaded(w, e->configurationFile, e->pictureFile);
            return;
        }
        // A chain: its first test, then each of the others as the chain
        // step loads it after a judging.
        const ChainEntry *chain = catalogue::findChainByCode(*code);
        QVERIFY(chain);
        const std::vector<ChainStep> steps = catalogue::chainSteps(chain->chain);
        for (size_t s = 0; s < steps.size(); ++s) {
            if (s > 0)
                w->advanceChain(chain->chain, int(s));
            verifyLoaded(w, steps[s].configurationFile, steps[s].pictureFile);
        }
    }
};

QTEST_MAIN(TestShippedTests)

#include "tst_shippedtests.moc"
