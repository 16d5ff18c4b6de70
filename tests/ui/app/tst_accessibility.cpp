#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "platform/StandardDialogs.h"
#include "profile/SettingsDialog.h"
#include "quiz/Markers.h"
#include "quiz/TestWindow.h"
#include "results/ResultDialog.h"
#include "wizards/RandomTestWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

using namespace tv;

namespace {

using namespace tv::test::parts;

// The visible controls of a window that a screen reader would stop at (the
// focusable ones) or read (labels with a text or a picture) but could not
// name: no accessible name, or one without a word in it ("...").
QStringList unnamedControls(QWidget *window)
{
    static const QRegularExpression word(QStringLiteral("\\w\\w"));
    QStringList out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        auto *label = qobject_cast<QLabel *>(w);
        const bool informative = label && (!label->text().isEmpty() || !label->pixmap().isNull());
        if (!(w->focusPolicy() & Qt::TabFocus) && !informative)
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
        const QString name = a ? a->text(QAccessible::Name) : QString();
        if (!name.contains(word))
            out << QStringLiteral("%1 (%2): \"%3\"").arg(w->objectName(), w->metaObject()->className(), name);
    }
    return out;
}

} // namespace

class TestAccessibility : public test::UiTest {
    Q_OBJECT

    MainWindow *main() { return &app->mainWindow(); }

private slots:
    void init()
    {
        begin();
        test::writeSettings(*data, 0, 1, {"Ola", "Jan"});
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", {{10, 20}, {150, 40}, {300, 60}},
                           {"Wiedeń11", "Praga12", "Berlin13"});
        createApp();
        main()->show();
    }
    void cleanup()
    {
        end();
    }

    void everyControlHasAName()
    {
        app->launcher().launchEntry(*catalogue::findByCode(18));
        TestWindow *w = app->launcher().testWindow();
        QVERIFY(w);
        w->onStartDelay();
        const QStringList inTest = unnamedControls(w);
        QVERIFY2(inTest.isEmpty(), qPrintable(inTest.join(QStringLiteral("; "))));

        ResultDialog &result = app->resultDialog();
        QStringList unnamedInResult;
        QString goodName;
        services->onModal = [&](QDialog &d) {
            d.show();
            unnamedInResult = unnamedControls(&d);
            for (QLabel *value : {timeLabel(&result), goodLabel(&result), gradeLabel(&result)})
                if (!value->accessibleName().contains(value->text()))
                    unnamedInResult << value->objectName() + QStringLiteral(" without its value");
            goodName = goodLabel(&result)->accessibleName();
            d.hide();
            return int(QDialog::Rejected);
        };
        w->showResult();
        QVERIFY2(unnamedInResult.isEmpty(), qPrintable(unnamedInResult.join(QStringLiteral("; "))));
        QCOMPARE(goodName, QStringLiteral("Dobrych odpowiedzi: 0"));

        SettingsDialog &settings = app->settingsDialog();
        settings.show();
        const QStringList inSettings = unnamedControls(&settings);
        QVERIFY2(inSettings.isEmpty(), qPrintable(inSettings.join(QStringLiteral("; "))));
        settings.hide();
    }

    // The hint panel is announced: its accessible name follows its text.
    void hintPanelIsAnnounced()
    {
        app->launcher().launchEntry(*catalogue::findByCode(18));
        TestWindow *w = app->launcher().testWindow();
        w->onStartDelay();
        for (int k = 1; k <= w->mapTest().count(); ++k)
            if (test::nameFieldOf(w, k)->text() == QStringLiteral("Praga"))
                QTest::mouseClick(test::nameFieldOf(w, k), Qt::LeftButton);
        auto *panel = w->findChild<QLabel *>(QStringLiteral("hintPanel"));
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(panel);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Wybrano: Praga"));
    }

    void mainMenusHaveMnemonics()
    {
        QStringList keys;
        for (QAction *m : main()->menuBar()->actions())
            keys << QKeySequence::mnemonic(m->text()).toString();
        QCOMPARE(keys, (QStringList{"Alt+P", "Alt+T", "Alt+S", "Alt+O", "Alt+U", "Alt+M"}));
    }

    // The keys the menus print do what their items do, while the item may
    // be chosen.
    void printedKeysWork()
    {
        QTest::keyClick(main(), Qt::Key_F2);
        QCOMPARE(services->modals.count(QStringLiteral("legendWindow")), 1);
        data->write("Pocz.chm", "help");
        QTest::keyClick(main(), Qt::Key_F1);
        QCOMPARE(services->opened.size(), 1);
        QVERIFY(services->opened.first().toString().endsWith(QStringLiteral("Pocz.chm")));
        QTest::keyClick(main(), Qt::Key_F6);
        QCOMPARE(services->modals.count(QStringLiteral("resultsFilterDialog")), 1);
        // In test mode the filter item is locked, and so is its key.
        main()->lockForTest();
        QTest::keyClick(main(), Qt::Key_F6);
        QCOMPARE(services->modals.count(QStringLiteral("resultsFilterDialog")), 1);
    }

    // Dialogs that are left only through their buttons ask for a title bar
    // without minimise, maximise and close buttons.
    void noDeadTitleBarButtons()
    {
        RandomTestWindow random(app->launcher(), main());
        for (QWidget *d : {static_cast<QWidget *>(&app->resultDialog()), static_cast<QWidget *>(&random)}) {
            const Qt::WindowFlags f = d->windowFlags();
            QVERIFY2(f & Qt::CustomizeWindowHint, qPrintable(d->objectName()));
            QVERIFY(f & Qt::WindowTitleHint);
            QVERIFY(!(f & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint
                           | Qt::WindowSystemMenuHint)));
        }
    }

    // The prompt for a pupil's name shows its whole caption.
    void promptWideEnoughForItsCaption()
    {
        const QString caption = QStringLiteral("Wpisz imię i nazwisko");
        const auto prompt = makeInputDialog(main(), caption, QStringLiteral("Nowy użytkownik"), QString());
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY(prompt->minimumWidth() >= QFontMetrics(bold).horizontalAdvance(caption) + 120);
        QCOMPARE(prompt->windowTitle(), caption);
        QCOMPARE(prompt->labelText(), QStringLiteral("Nowy użytkownik"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
