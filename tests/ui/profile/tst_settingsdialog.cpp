#include "Parts.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "profile/SettingsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tv;
using namespace tv::test::parts;

class TestSettingsDialog : public test::UiTest {
    Q_OBJECT


    SettingsDialog *dlg() { return &app->settingsDialog(); }
    MainWindow *main() { return &app->mainWindow(); }
    QStringList listed()
    {
        QStringList out;
        for (int i = 0; i < userList(dlg())->count(); ++i)
            out << userList(dlg())->item(i)->text();
        return out;
    }
    // Shows the dialog as the main window does, so its activation runs.
    void open()
    {
        dlg()->show();
        QVERIFY(QTest::qWaitForWindowExposed(dlg()));
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

    void controlsAndCaptions()
    {
        createApp();
        SettingsDialog *d = dlg();
        QCOMPARE(d->windowTitle(), QStringLiteral("Ustawienia..."));
        QCOMPARE(maximisedRadio(d)->text(), QStringLiteral("Uruchamiaj w postaci zmaksymilizowanej"));
        QCOMPARE(normalRadio(d)->text(), QStringLiteral("Uruchamiaj w postaci normalnej"));
        QCOMPARE(creatorOnRadio(d)->text(), QStringLiteral("Zawsze uruchamiaj Kreator testów po uruchomieniu"));
        QCOMPARE(creatorOffRadio(d)->text(), QStringLiteral("Nie uruchamiaj Kreatora testów po uruchomieniu"));
        QCOMPARE(removeNamesCheck(d)->text(), QStringLiteral("Usuwaj nazwy pól gdy został wybrany element (zaznaczony na mapie)"));
        QCOMPARE(dropSoundButton(d)->toolTip(), QStringLiteral("Zmień dźwięk"));
        QCOMPARE(topGradeSoundButton(d)->toolTip(), QStringLiteral("Zmień dźwięk"));
        QCOMPARE(newButton(d)->toolTip(), QStringLiteral("Nowy użytkownik"));
        QCOMPARE(removeButton(d)->toolTip(), QStringLiteral("Usuń użytkownika"));
        QCOMPARE(networkButton(d)->text(), QStringLiteral("Architektura Klient-Server"));
        QVERIFY(dropSoundEdit(d)->isReadOnly());
        QVERIFY(topGradeSoundEdit(d)->isReadOnly());
        QVERIFY(maximisedRadio(d)->isChecked());
        QVERIFY(creatorOnRadio(d)->isChecked());
        QVERIFY(removeNamesCheck(d)->isChecked());
        QStringList groups;
        for (auto *g : d->findChildren<QGroupBox *>())
            groups << g->title();
        QCOMPARE(groups, (QStringList{" Wygląd ", " Kreator ", " Dźwięki ", "Tryby"}));
    }

    void noFileAndNoSoundsShowsEmptySoundFields()
    {
        createApp();
        open();
        QCOMPARE(dropSoundEdit(dlg())->text(), QString());
        QCOMPARE(topGradeSoundEdit(dlg())->text(), QString());
        QVERIFY(listed().isEmpty());
        QVERIFY(maximisedRadio(dlg())->isChecked());
    }

    void activationReadsTheFile()
    {
        data->write(QStringLiteral("konf.dat"), "0\r\n2\r\nC:\\file.wav\r\nC:\\top.wav\r\n0\r\nOla\r\n\r\n");
        createApp();
        open();
        QVERIFY(normalRadio(dlg())->isChecked());
        QVERIFY(creatorOffRadio(dlg())->isChecked());
        QCOMPARE(dropSoundEdit(dlg())->text(), QStringLiteral("C:\\file.wav"));
        QCOMPARE(topGradeSoundEdit(dlg())->text(), QStringLiteral("C:\\top.wav"));
        QVERIFY(!removeNamesCheck(dlg())->isChecked());
        QCOMPARE(listed(), (QStringList{"Ola", ""}));
        // Lines that are not integers are compared as text, without a word.
        QVERIFY(services->messages.isEmpty());
    }

    void activationWithBadLinesSaysNothing()
    {
        data->write(QStringLiteral("konf.dat"), "x\r\n1\r\n\r\n\r\n1\r\n");
        createApp();
        services->messages.clear(); // start-up reported it once
        open();
        QVERIFY(normalRadio(dlg())->isChecked());
        QVERIFY(creatorOnRadio(dlg())->isChecked());
        QVERIFY(services->messages.isEmpty());
    }

    void applyWritesFiveLinesAndUsersAndChangesOnlyTwoThings()
    {
        data->write(QStringLiteral("konf.dat"), "1\r\n1\r\nC:\\a.wav\r\nC:\\b.wav\r\n1\r\nOla\r\n");
        createApp();
        const Settings before = app->state().settings.current();
        open();
        normalRadio(dlg())->setChecked(true);
        creatorOffRadio(dlg())->setChecked(true);
        removeNamesCheck(dlg())->setChecked(false);
        services->fileAnswers << QStringLiteral("C:\\nowy.wav");
        dlg()->chooseDropSound();
        QCOMPARE(services->fileChooserFilters.last(), QStringLiteral("Pliki dźwiękowe (*.wav)"));
        QCOMPARE(dropSoundEdit(dlg())->text(), QStringLiteral("C:\\nowy.wav"));
        services->inputAnswers << QStringLiteral("Żaneta Ślęzak");
        dlg()->addUser();
        QCOMPARE(services->prompts.last().caption, QStringLiteral("Wpisz imię i nazwisko"));
        QCOMPARE(services->prompts.last().prompt, QStringLiteral("Nowy użytkownik"));
        QCOMPARE(services->prompts.last().initial, QString());
        dlg()->apply();
        QCOMPARE(data->read(QStringLiteral("konf.dat")),
                 QByteArray("0\r\n0\r\nC:\\nowy.wav\r\nC:\\b.wav\r\n0\r\nOla\r\n\xAF" "aneta \x8Cl\xEAzak\r\n"));
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(app->state().settings.current().removePlacedNames, 0);
        QCOMPARE(app->state().settings.users(), (QStringList{"Ola", "Żaneta Ślęzak"}));
        QCOMPARE(test::named<QListWidget>(main(), "usersList")->count(), 2);
        // The rest waits for the next start.
        QCOMPARE(app->state().settings.current().dropSound, before.dropSound);
        QCOMPARE(app->state().settings.current().startMaximised, before.startMaximised);
        QCOMPARE(app->state().settings.current().startCreator, before.startCreator);
        QVERIFY(!hourglassShown());
        // Shown again: the path just saved (it plays from the next start),
        // which a second "Zastosuj" keeps.
        open();
        QCOMPARE(dropSoundEdit(dlg())->text(), QStringLiteral("C:\\nowy.wav"));
        dlg()->apply();
        QCOMPARE(data->read(QStringLiteral("konf.dat")),
                 QByteArray("0\r\n0\r\nC:\\nowy.wav\r\nC:\\b.wav\r\n0\r\nOla\r\n\xAF" "aneta \x8Cl\xEAzak\r\n"));
    }

    void applyCreatesTheFileWhenMissing()
    {
        createApp();
        open();
        dlg()->apply();
        QCOMPARE(data->read(QStringLiteral("konf.dat")), QByteArray("1\r\n1\r\n\r\n\r\n1\r\n"));
    }

    void cancelChangesNothing()
    {
        data->write(QStringLiteral("konf.dat"), "1\r\n1\r\n\r\n\r\n1\r\nOla\r\n");
        createApp();
        open();
        normalRadio(dlg())->setChecked(true);
        services->inputAnswers << QStringLiteral("Nowy");
        dlg()->addUser();
        QTest::keyClick(dlg(), Qt::Key_Escape);
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(data->read(QStringLiteral("konf.dat")), QByteArray("1\r\n1\r\n\r\n\r\n1\r\nOla\r\n"));
        QCOMPARE(app->state().settings.users(), QStringList{"Ola"});
    }

    void newAndRemove()
    {
        createApp();
        open();
        services->inputAnswers << QString() << std::nullopt << QStringLiteral("Ola") << QStringLiteral("Ola");
        for (int i = 0; i < 4; ++i)
            dlg()->addUser();
        QCOMPARE(listed(), (QStringList{"Ola", "Ola"})); // empty and cancelled add nothing; duplicates allowed
        dlg()->removeUser(); // nothing selected
        QCOMPARE(listed().size(), 2);
        userList(dlg())->setCurrentRow(0);
        dlg()->removeUser();
        QCOMPARE(listed(), QStringList{"Ola"});
        QVERIFY(services->messages.isEmpty()); // no question asked
    }

    void cancelledChooserKeepsThePath()
    {
        createApp();
        open();
        topGradeSoundEdit(dlg())->setText(QStringLiteral("C:\\stary.wav"));
        dlg()->chooseTopGradeSound();
        QCOMPARE(topGradeSoundEdit(dlg())->text(), QStringLiteral("C:\\stary.wav"));
    }

    void architectureButtonOpensTheNetworkWindow()
    {
        createApp();
        dlg()->openNetworkSettings();
        QCOMPARE(services->modals, QStringList{QStringLiteral("networkSettingsDialog")});
    }

#ifdef Q_OS_UNIX
    void failedApplyKeepsTheOldFileAndTheDialog()
    {
        data->write(QStringLiteral("konf.dat"), "1\r\n1\r\n\r\n\r\n1\r\nOla\r\n");
        createApp();
        open();
        for (int i = 0; i < 300; ++i)
            userList(dlg())->addItem(QStringLiteral("Uczeń numer %1").arg(i));
        {
            test::FileSizeLimit limit(200);
            dlg()->apply();
        }
        QCOMPARE(data->read(QStringLiteral("konf.dat")), QByteArray("1\r\n1\r\n\r\n\r\n1\r\nOla\r\n"));
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->lastText().contains(QLatin1String("konf.dat")));
        QVERIFY(dlg()->isVisible());
        QCOMPARE(app->state().settings.users(), QStringList{"Ola"});
        QVERIFY(!hourglassShown());
    }
#endif
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
