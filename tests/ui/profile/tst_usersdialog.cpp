#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "profile/SettingsDialog.h"
#include "profile/UsersDialog.h"
#include "results/ResultDialog.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tv;
using namespace tv::test::parts;

class TestUsersDialog : public test::UiTest {
    Q_OBJECT


    MainWindow *main() { return &app->mainWindow(); }
    QStringList listed(const UsersDialog &w)
    {
        QStringList out;
        for (int i = 0; i < userList(&w)->count(); ++i)
            out << userList(&w)->item(i)->text();
        return out;
    }
    QStringList mainList()
    {
        QStringList out;
        for (int i = 0; i < test::named<QListWidget>(main(), "usersList")->count(); ++i)
            out << test::named<QListWidget>(main(), "usersList")->item(i)->text();
        return out;
    }
    // konf.dat as the users window writes it with no sounds in force.
    QByteArray konf(const QByteArray &options, const QByteArray &users)
    {
        return options + users;
    }
    const QByteArray noSounds = "1\r\n0\r\nBrak d\x9Fwi\xEAku\r\nBrak d\x9Fwi\xEAku\r\n1\r\n";

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
        test::writeSettings(*data, 0, 1, {"Ala"});
        createApp();
        UsersDialog w(app->state().settings, main());
        QCOMPARE(w.objectName(), QStringLiteral("usersDialog"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Zarejestrowani użytkownicy"));
        QVERIFY(w.findChild<QLabel *>());
        QCOMPARE(w.findChild<QLabel *>()->text(), QStringLiteral("Lista zarejestrowanych użytkowników Terravia"));
        QCOMPARE(userList(&w)->font().pixelSize(), 16);
        QCOMPARE(newButton(&w)->text(), QStringLiteral("Nowy"));
        QCOMPARE(removeButton(&w)->text(), QStringLiteral("Usuń"));
        QCOMPARE(closeButton(&w)->text(), QStringLiteral("Zamknij"));
    }

    void activationCopiesTheRegisteredUsers()
    {
        test::writeSettings(*data, 0, 1, {"Ala", "", "Ala", " Ola "});
        createApp();
        UsersDialog w(app->state().settings, main());
        w.show();
        QCOMPARE(listed(w), (QStringList{"Ala", "", "Ala", " Ola "}));
        QVERIFY(!w.changed());
        // An edit is a copy: the main window's list waits for the save.
        userList(&w)->setCurrentRow(0);
        w.removeUser();
        QVERIFY(w.changed());
        QCOMPARE(app->state().settings.users().size(), 4);
    }

    void addingWhenKonfDatIsMissing_data()
    {
        QTest::addColumn<bool>("wavs");
        QTest::newRow("no sounds") << false;
        QTest::newRow("bundled sounds") << true;
    }
    void addingWhenKonfDatIsMissing()
    {
        QFETCH(bool, wavs);
        if (wavs) {
            data->write("Ups.wav", "RIFF");
            data->write("Cel.wav", "RIFF");
        }
        createApp();
        QVERIFY(!data->has("konf.dat"));
        UsersDialog w(app->state().settings, main());
        w.show();
        QVERIFY(listed(w).isEmpty());
        services->inputAnswers << QStringLiteral("Jan Kowalski");
        w.addUser();
        QCOMPARE(services->prompts.last().caption, QStringLiteral("Wpisz imię i nazwisko"));
        QCOMPARE(services->prompts.last().prompt, QStringLiteral("Nowy użytkownik"));
        QCOMPARE(services->prompts.last().initial, QString());
        closeButton(&w)->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        // The five option lines, from the defaults in force, then the user.
        const QByteArray sounds = wavs ? (QDir::toNativeSeparators(data->file("Ups.wav")) + "\r\n"
                                          + QDir::toNativeSeparators(data->file("Cel.wav")) + "\r\n")
                                             .toUtf8()
                                       : QByteArray("Brak d\x9Fwi\xEAku\r\nBrak d\x9Fwi\xEAku\r\n");
        QCOMPARE(data->read("konf.dat"), "1\r\n1\r\n" + sounds + "1\r\nJan Kowalski\r\n");
        QCOMPARE(app->state().settings.users(), QStringList{"Jan Kowalski"});
        QCOMPARE(mainList(), QStringList{"Jan Kowalski"});
    }

    void emptyOrCancelledPromptChangesNothing()
    {
        test::writeSettings(*data, 0, 1, {"Ala"});
        createApp();
        QFile::remove(data->file("konf.dat")); // any write would show
        UsersDialog w(app->state().settings, main());
        w.show();
        services->inputAnswers << QString();
        w.addUser(); // empty answer
        w.addUser(); // cancelled
        QCOMPARE(services->prompts.size(), 2);
        QCOMPARE(listed(w), QStringList{"Ala"});
        QVERIFY(!w.changed());
        w.removeUser(); // nothing selected
        QVERIFY(!w.changed());
        w.saveAndClose();
        QVERIFY(!data->has("konf.dat"));
        QVERIFY(!w.isVisible());
    }

    // konf.dat holds one name a line: a name pasted with a line break is
    // refused, as it would come back as two users.
    void nameWithALineBreakIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("LF") << "Jan\nKowalski";
        QTest::newRow("CR") << "Jan\rKowalski";
    }
    void nameWithALineBreakIsRefused()
    {
        QFETCH(QString, name);
        test::writeSettings(*data, 0, 1, {"Ala"});
        createApp();
        UsersDialog w(app->state().settings, main());
        w.show();
        services->inputAnswers << name;
        w.addUser();
        QCOMPARE(listed(w), QStringList{"Ala"});
        QVERIFY(!w.changed());
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(), QStringLiteral("Imię i nazwisko musi mieścić się w jednym wierszu\r\n"
                                                      "Popraw je i spróbuj ponownie"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(int(services->messages.last().icon), int(Services::Icon::Information));
    }

    void namesAsTypedDuplicatesAllowed()
    {
        test::writeSettings(*data, 0, 1, {"Ala"});
        createApp();
        UsersDialog w(app->state().settings, main());
        w.show();
        services->inputAnswers << QStringLiteral("Ala") << QStringLiteral("  Łucja Żak ");
        w.addUser();
        w.addUser();
        w.saveAndClose();
        QCOMPARE(data->read("konf.dat"), konf(noSounds, "Ala\r\nAla\r\n  \xA3ucja \xAF" "ak \r\n"));
        QCOMPARE(app->state().settings.users(), (QStringList{"Ala", "Ala", "  Łucja Żak "}));
    }

    void removingTheLastUserLeavesFiveLines()
    {
        test::writeSettings(*data, 0, 1, {"Ala"});
        createApp();
        UsersDialog w(app->state().settings, main());
        w.show();
        userList(&w)->setCurrentRow(0);
        removeButton(&w)->click();
        QVERIFY(listed(w).isEmpty());
        closeButton(&w)->click();
        QCOMPARE(data->read("konf.dat"), noSounds);
        QCOMPARE(data->read("konf.dat").count("\r\n"), 5);
        QVERIFY(app->state().settings.users().isEmpty());
        QCOMPARE(test::named<QListWidget>(main(), "usersList")->count(), 0);
        // The result dialog now asks for a typed name.
        ResultDialog *result = &app->resultDialog();
        result->show();
        QVERIFY(nameEdit(result)->isVisible());
        QVERIFY(!nameList(result)->isVisible());
        result->cancel();
    }

    void escapeLeavesKonfDatUnchanged()
    {
        test::writeSettings(*data, 0, 1, {"Ala", "Ola"});
        createApp();
        const QByteArray before = data->read("konf.dat");
        UsersDialog w(app->state().settings, main());
        w.show();
        services->inputAnswers << QStringLiteral("Nowy Uczeń") << QStringLiteral("Druga");
        w.addUser();
        w.addUser();
        userList(&w)->setCurrentRow(0);
        w.removeUser();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(data->read("konf.dat"), before);
        QCOMPARE(app->state().settings.users(), (QStringList{"Ala", "Ola"}));
        // Shown again, the window starts from the registered users.
        w.show();
        QCOMPARE(listed(w), (QStringList{"Ala", "Ola"}));
        QVERIFY(!w.changed());
    }

    // Lines 1 to 5 are the saved ones, not those in force: what the
    // settings dialog saved since start-up stays saved. An empty sound line
    // is written "Brak dźwięku" unless the bundled WAV stands for it.
    void optionLinesAsSaved_data()
    {
        QTest::addColumn<QString>("dropSound");
        QTest::addColumn<bool>("upsWav");
        QTest::addColumn<QByteArray>("line3");
        QTest::newRow("a path, kept") << "C:\\Dzwieki\\klik.wav" << false << QByteArray("C:\\Dzwieki\\klik.wav");
        QTest::newRow("empty, no Ups.wav") << "" << false << QByteArray("Brak d\x9Fwi\xEAku");
        QTest::newRow("empty, Ups.wav present") << "" << true << QByteArray("");
        QTest::newRow("Brak dźwięku, kept") << "Brak dźwięku" << true << QByteArray("Brak d\x9Fwi\xEAku");
    }
    void optionLinesAsSaved()
    {
        QFETCH(QString, dropSound);
        QFETCH(bool, upsWav);
        QFETCH(QByteArray, line3);
        if (upsWav)
            data->write("Ups.wav", "RIFF");
        data->writeLines("konf.dat", {"7", "1", dropSound, "C:\\Dzwieki\\brawo.wav", "0", "Ala"});
        createApp();
        UsersDialog w(app->state().settings, main());
        w.show();
        services->inputAnswers << QStringLiteral("Ola");
        w.addUser();
        w.saveAndClose();
        // Only 1 counts as on.
        QCOMPARE(data->read("konf.dat"),
                 "0\r\n1\r\n" + line3 + "\r\nC:\\Dzwieki\\brawo.wav\r\n0\r\nAla\r\nOla\r\n");
    }

    // The settings dialog saves a new window size, creator choice and sounds,
    // which wait for the next start; saving the users list afterwards keeps
    // them, and so does saving it again.
    void choicesSavedInTheSettingsDialogSurvive()
    {
        data->writeLines("konf.dat", {"1", "1", "C:\\stary.wav", "C:\\brawo.wav", "1", "Ala"});
        createApp();
        SettingsDialog &settings = app->settingsDialog();
        settings.onActivated();
        normalRadio(&settings)->setChecked(true);
        creatorOffRadio(&settings)->setChecked(true);
        services->fileAnswers << QStringLiteral("C:\\nowy.wav");
        settings.chooseDropSound();
        settings.apply();
        const QByteArray saved = "0\r\n0\r\nC:\\nowy.wav\r\nC:\\brawo.wav\r\n1\r\nAla\r\n";
        QCOMPARE(data->read("konf.dat"), saved);
        for (const char *name : {"Ola", "Ela"}) {
            UsersDialog w(app->state().settings, main());
            w.show();
            services->inputAnswers << QString::fromLatin1(name);
            w.addUser();
            w.saveAndClose();
        }
        QCOMPARE(data->read("konf.dat"), saved + "Ola\r\nEla\r\n");
        // In force they still wait for the next start.
        QCOMPARE(app->state().settings.current().dropSound, QStringLiteral("C:\\stary.wav"));
        QCOMPARE(app->state().settings.current().startCreator, 1);
        QCOMPARE(app->state().settings.users(), (QStringList{"Ala", "Ola", "Ela"}));
    }

#ifdef Q_OS_UNIX
    void failedSaveKeepsTheOldFile()
    {
        QStringList many;
        for (int i = 0; i < 100; ++i)
            many << QStringLiteral("Uczeń numer %1").arg(i);
        test::writeSettings(*data, 0, 1, many);
        createApp();
        const QByteArray before = data->read("konf.dat");
        UsersDialog w(app->state().settings, main());
        w.show();
        userList(&w)->setCurrentRow(0);
        w.removeUser();
        {
            test::FileSizeLimit limit(200);
            w.saveAndClose();
        }
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QVERIFY(services->lastText().contains(QLatin1String("konf.dat")));
        QCOMPARE(data->read("konf.dat"), before);
        QCOMPARE(app->state().settings.users(), many);
        QVERIFY(w.isVisible()); // the edits are still there to save again
        QCOMPARE(listed(w).size(), 99);
        QVERIFY(!hourglassShown());
    }
#endif

    void openedFromTheMainWindow()
    {
        test::writeSettings(*data, 0, 1, {"Ala"});
        createApp();
        main()->show();
        services->onModal = [this](QDialog &d) {
            auto *w = qobject_cast<UsersDialog *>(&d);
            if (!w)
                return int(QDialog::Rejected);
            w->show();
            services->inputAnswers << QStringLiteral("Ola");
            w->addUser();
            w->saveAndClose();
            return w->result();
        };
        test::named<QAction>(main(), "usersItem")->trigger();
        QCOMPARE(services->modals, QStringList{"usersDialog"});
        QCOMPARE(app->state().settings.users(), (QStringList{"Ala", "Ola"}));
        // A new window each time: it starts from the list as it now stands.
        int seen = -1;
        services->onModal = [&seen](QDialog &d) {
            auto *w = qobject_cast<UsersDialog *>(&d);
            w->show();
            seen = userList(w)->count();
            w->reject();
            return w->result();
        };
        test::named<QAction>(main(), "usersButton")->trigger();
        QCOMPARE(services->modals.size(), 2);
        QCOMPARE(seen, 2);
    }
};

QTEST_MAIN(TestUsersDialog)
#include "tst_usersdialog.moc"
