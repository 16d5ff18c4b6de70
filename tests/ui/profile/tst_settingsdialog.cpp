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

class TestSettingsDialog : public test::UiTest {
    Q_OBJECT


    SettingsDialog *dlg() { return &app->settingsDialog(); }
    MainWindow *main() { return &app->mainWindow(); }
    QStringList listed()
    {
        QStringList out;
        for (int i = 0; i < dlg()->userList->count(); ++i)
            out << dlg()->userList->item(i)->text();
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
        QCOMPARE(d->maximisedRadio->text(), QStringLiteral("Uruchamiaj w postaci zmaksymilizowanej"));
        QCOMPARE(d->normalRadio->text(), QStringLiteral("Uruchamiaj w postaci normalnej"));
        QCOMPARE(d->creatorOnRadio->text(), QStringLiteral("Zawsze uruchamiaj Kreator testów po uruchomieniu"));
        QCOMPARE(d->creatorOffRadio->text(), QStringLiteral("Nie uruchamiaj Kreatora testów po uruchomieniu"));
        QCOMPARE(d->removeNamesCheck->text(), QStringLiteral("Usuwaj nazwy pól gdy został wybrany element (zaznaczony na mapie)"));
        QCOMPARE(d->dropSoundButton->toolTip(), QStringLiteral("Zmień dźwięk"));
        QCOMPARE(d->topGradeSoundButton->toolTip(), QStringLiteral("Zmień dźwięk"));
        QCOMPARE(d->newButton->toolTip(), QStringLiteral("Nowy użytkownik"));
        QCOMPARE(d->removeButton->toolTip(), QStringLiteral("Usuń użytkownika"));
        QCOMPARE(d->networkButton->text(), QStringLiteral("Architektura Klient-Server"));
        QVERIFY(d->dropSoundEdit->isReadOnly());
        QVERIFY(d->topGradeSoundEdit->isReadOnly());
        QVERIFY(d->maximisedRadio->isChecked());
        QVERIFY(d->creatorOnRadio->isChecked());
        QVERIFY(d->removeNamesCheck->isChecked());
        QStringList groups;
        for (auto *g : d->findChildren<QGroupBox *>())
            groups << g->title();
        QCOMPARE(groups, (QStringList{" Wygląd ", " Kreator ", " Dźwięki ", "Tryby"}));
    }

    void noFileAndNoSoundsShowsEmptySoundFields()
    {
        createApp();
        open();
        QCOMPARE(dlg()->dropSoundEdit->text(), QString());
        QCOMPARE(dlg()->topGradeSoundEdit->text(), QString());
        QVERIFY(listed().isEmpty());
        QVERIFY(dlg()->maximisedRadio->isChecked());
    }

    void activationReadsTheFile()
    {
        data->write(QStringLiteral("konf.dat"), "0\r\n2\r\nC:\\file.wav\r\nC:\\top.wav\r\n0\r\nOla\r\n\r\n");
        createApp();
        open();
        QVERIFY(dlg()->normalRadio->isChecked());
        QVERIFY(dlg()->creatorOffRadio->isChecked());
        QCOMPARE(dlg()->dropSoundEdit->text(), QStringLiteral("C:\\file.wav"));
        QCOMPARE(dlg()->topGradeSoundEdit->text(), QStringLiteral("C:\\top.wav"));
        QVERIFY(!dlg()->removeNamesCheck->isChecked());
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
        QVERIFY(dlg()->normalRadio->isChecked());
        QVERIFY(dlg()->creatorOnRadio->isChecked());
        QVERIFY(services->messages.isEmpty());
    }

    void applyWritesFiveLinesAndUsersAndChangesOnlyTwoThings()
    {
        data->write(QStringLiteral("konf.dat"), "1\r\n1\r\nC:\\a.wav\r\nC:\\b.wav\r\n1\r\nOla\r\n");
        createApp();
        const Settings before = app->state().settings.current();
        open();
        dlg()->normalRadio->setChecked(true);
        dlg()->creatorOffRadio->setChecked(true);
        dlg()->removeNamesCheck->setChecked(false);
        services->fileAnswers << QStringLiteral("C:\\nowy.wav");
        dlg()->chooseDropSound();
        QCOMPARE(services->fileChooserFilters.last(), QStringLiteral("Pliki dźwiękowe (*.wav)"));
        QCOMPARE(dlg()->dropSoundEdit->text(), QStringLiteral("C:\\nowy.wav"));
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
        QCOMPARE(dlg()->dropSoundEdit->text(), QStringLiteral("C:\\nowy.wav"));
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
        dlg()->normalRadio->setChecked(true);
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
        dlg()->userList->setCurrentRow(0);
        dlg()->removeUser();
        QCOMPARE(listed(), QStringList{"Ola"});
        QVERIFY(services->messages.isEmpty()); // no question asked
    }

    void cancelledChooserKeepsThePath()
    {
        createApp();
        open();
        dlg()->topGradeSoundEdit->setText(QStringLiteral("C:\\stary.wav"));
        dlg()->chooseTopGradeSound();
        QCOMPARE(dlg()->topGradeSoundEdit->text(), QStringLiteral("C:\\stary.wav"));
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
            dlg()->userList->addItem(QStringLiteral("Uczeń numer %1").arg(i));
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
