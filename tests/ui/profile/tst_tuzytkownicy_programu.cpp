#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "profile/TUzytkownicy_programu.h"
#include "results/Twynik_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace tv;

class TestTUzytkownicyProgramu : public test::UiTest {
    Q_OBJECT


    TForm1 *main() { return forms().Form1; }
    QStringList listed(const TUzytkownicy_programu &w)
    {
        QStringList out;
        for (int i = 0; i < w.ListBox1->count(); ++i)
            out << w.ListBox1->item(i)->text();
        return out;
    }
    QStringList mainList()
    {
        QStringList out;
        for (int i = 0; i < main()->usersList()->count(); ++i)
            out << main()->usersList()->item(i)->text();
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
        createForms();
        TUzytkownicy_programu w(main());
        QCOMPARE(w.objectName(), QStringLiteral("Uzytkownicy_programu"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Zarejestrowani użytkownicy"));
        QVERIFY(w.findChild<QLabel *>());
        QCOMPARE(w.findChild<QLabel *>()->text(), QStringLiteral("Lista zarejestrowanych użytkowników Terravia"));
        QCOMPARE(w.ListBox1->font().pixelSize(), 16);
        QCOMPARE(w.Nowy->text(), QStringLiteral("Nowy"));
        QCOMPARE(w.Usun->text(), QStringLiteral("Usuń"));
        QCOMPARE(w.OK->text(), QStringLiteral("Zamknij"));
    }

    void activationCopiesTheRegisteredUsers()
    {
        test::writeSettings(*data, 0, 1, {"Ala", "", "Ala", " Ola "});
        createForms();
        TUzytkownicy_programu w(main());
        w.show();
        QCOMPARE(listed(w), (QStringList{"Ala", "", "Ala", " Ola "}));
        QVERIFY(!w.changed());
        // An edit is a copy: the main window's list waits for the save.
        w.ListBox1->setCurrentRow(0);
        w.UsunClick();
        QVERIFY(w.changed());
        QCOMPARE(main()->settings.users.size(), 4);
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
        createForms();
        QVERIFY(!data->has("konf.dat"));
        TUzytkownicy_programu w(main());
        w.show();
        QVERIFY(listed(w).isEmpty());
        services->inputAnswers << QStringLiteral("Jan Kowalski");
        w.NowyClick();
        QCOMPARE(services->prompts.last().caption, QStringLiteral("Wpisz imię i nazwisko"));
        QCOMPARE(services->prompts.last().prompt, QStringLiteral("Nowy użytkownik"));
        QCOMPARE(services->prompts.last().initial, QString());
        w.OK->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        // The five option lines, from the defaults in force, then the user.
        const QByteArray sounds = wavs ? (data->file("Ups.wav") + "\r\n" + data->file("Cel.wav") + "\r\n").toUtf8()
                                       : QByteArray("Brak d\x9Fwi\xEAku\r\nBrak d\x9Fwi\xEAku\r\n");
        QCOMPARE(data->read("konf.dat"), "1\r\n1\r\n" + sounds + "1\r\nJan Kowalski\r\n");
        QCOMPARE(main()->settings.users, QStringList{"Jan Kowalski"});
        QCOMPARE(mainList(), QStringList{"Jan Kowalski"});
    }

    void emptyOrCancelledPromptChangesNothing()
    {
        test::writeSettings(*data, 0, 1, {"Ala"});
        createForms();
        QFile::remove(data->file("konf.dat")); // any write would show
        TUzytkownicy_programu w(main());
        w.show();
        services->inputAnswers << QString();
        w.NowyClick(); // empty answer
        w.NowyClick(); // cancelled
        QCOMPARE(services->prompts.size(), 2);
        QCOMPARE(listed(w), QStringList{"Ala"});
        QVERIFY(!w.changed());
        w.UsunClick(); // nothing selected
        QVERIFY(!w.changed());
        w.OKClick();
        QVERIFY(!data->has("konf.dat"));
        QVERIFY(!w.isVisible());
    }

    void namesAsTypedDuplicatesAllowed()
    {
        test::writeSettings(*data, 0, 1, {"Ala"});
        createForms();
        TUzytkownicy_programu w(main());
        w.show();
        services->inputAnswers << QStringLiteral("Ala") << QStringLiteral("  Łucja Żak ");
        w.NowyClick();
        w.NowyClick();
        w.OKClick();
        QCOMPARE(data->read("konf.dat"), konf(noSounds, "Ala\r\nAla\r\n  \xA3ucja \xAF" "ak \r\n"));
        QCOMPARE(main()->settings.users, (QStringList{"Ala", "Ala", "  Łucja Żak "}));
    }

    void removingTheLastUserLeavesFiveLines()
    {
        test::writeSettings(*data, 0, 1, {"Ala"});
        createForms();
        TUzytkownicy_programu w(main());
        w.show();
        w.ListBox1->setCurrentRow(0);
        w.Usun->click();
        QVERIFY(listed(w).isEmpty());
        w.OK->click();
        QCOMPARE(data->read("konf.dat"), noSounds);
        QCOMPARE(data->read("konf.dat").count("\r\n"), 5);
        QVERIFY(main()->settings.users.isEmpty());
        QCOMPARE(main()->usersList()->count(), 0);
        // The result dialog now asks for a typed name.
        Twynik_test *result = forms().wynik_test;
        result->show();
        QVERIFY(result->imie->isVisible());
        QVERIFY(!result->cmb_imie->isVisible());
        result->AnulujClick();
    }

    void escapeLeavesKonfDatUnchanged()
    {
        test::writeSettings(*data, 0, 1, {"Ala", "Ola"});
        createForms();
        const QByteArray before = data->read("konf.dat");
        TUzytkownicy_programu w(main());
        w.show();
        services->inputAnswers << QStringLiteral("Nowy Uczeń") << QStringLiteral("Druga");
        w.NowyClick();
        w.NowyClick();
        w.ListBox1->setCurrentRow(0);
        w.UsunClick();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(data->read("konf.dat"), before);
        QCOMPARE(main()->settings.users, (QStringList{"Ala", "Ola"}));
        // Shown again, the window starts from the registered users.
        w.show();
        QCOMPARE(listed(w), (QStringList{"Ala", "Ola"}));
        QVERIFY(!w.changed());
    }

    // Lines 1 to 5 come from the settings in force since start-up, whatever
    // the settings dialog saved meanwhile; the sounds as held in memory.
    void optionLinesFromTheSettingsInForce_data()
    {
        QTest::addColumn<QString>("dropSound");
        QTest::addColumn<bool>("upsWav");
        QTest::addColumn<QByteArray>("line3");
        QTest::newRow("a path, kept") << "C:\\Dzwieki\\klik.wav" << false << QByteArray("C:\\Dzwieki\\klik.wav");
        QTest::newRow("empty, no Ups.wav") << "" << false << QByteArray("Brak d\x9Fwi\xEAku");
        QTest::newRow("empty, Ups.wav present") << "" << true << QByteArray("");
        QTest::newRow("Brak dźwięku, kept") << "Brak dźwięku" << true << QByteArray("Brak d\x9Fwi\xEAku");
    }
    void optionLinesFromTheSettingsInForce()
    {
        QFETCH(QString, dropSound);
        QFETCH(bool, upsWav);
        QFETCH(QByteArray, line3);
        if (upsWav)
            data->write("Ups.wav", "RIFF");
        data->writeLines("konf.dat", {"1", "1", "", "", "1", "Ala"});
        createForms();
        // What the settings dialog would have saved since start-up.
        data->writeLines("konf.dat", {"0", "0", "D:\\inny.wav", "D:\\inny.wav", "0", "Ala"});
        Settings &s = main()->settings;
        s.dropSound = dropSound;
        s.topGradeSound = QStringLiteral("C:\\Dzwieki\\brawo.wav");
        s.startMaximised = 7; // only 1 counts as on
        s.removePlacedNames = 0; // its latest value
        TUzytkownicy_programu w(main());
        w.show();
        services->inputAnswers << QStringLiteral("Ola");
        w.NowyClick();
        w.OKClick();
        QCOMPARE(data->read("konf.dat"),
                 "0\r\n1\r\n" + line3 + "\r\nC:\\Dzwieki\\brawo.wav\r\n0\r\nAla\r\nOla\r\n");
    }

#ifdef Q_OS_UNIX
    void failedSaveKeepsTheOldFile()
    {
        QStringList many;
        for (int i = 0; i < 100; ++i)
            many << QStringLiteral("Uczeń numer %1").arg(i);
        test::writeSettings(*data, 0, 1, many);
        createForms();
        const QByteArray before = data->read("konf.dat");
        TUzytkownicy_programu w(main());
        w.show();
        w.ListBox1->setCurrentRow(0);
        w.UsunClick();
        {
            test::FileSizeLimit limit(200);
            w.OKClick();
        }
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->messages.last().icon, Services::Icon::Error);
        QVERIFY(services->lastText().contains(QLatin1String("konf.dat")));
        QCOMPARE(data->read("konf.dat"), before);
        QCOMPARE(main()->settings.users, many);
        QVERIFY(w.isVisible()); // the edits are still there to save again
        QCOMPARE(listed(w).size(), 99);
        QVERIFY(!hourglassShown());
    }
#endif

    void openedFromTheMainWindow()
    {
        test::writeSettings(*data, 0, 1, {"Ala"});
        createForms();
        main()->show();
        services->onModal = [this](QDialog &d) {
            auto *w = qobject_cast<TUzytkownicy_programu *>(&d);
            if (!w)
                return int(QDialog::Rejected);
            w->show();
            services->inputAnswers << QStringLiteral("Ola");
            w->NowyClick();
            w->OKClick();
            return w->result();
        };
        main()->menuItem("Uytkownicy1")->trigger();
        QCOMPARE(services->modals, QStringList{"Uzytkownicy_programu"});
        QCOMPARE(main()->settings.users, (QStringList{"Ala", "Ola"}));
        // A new window each time: it starts from the list as it now stands.
        int seen = -1;
        services->onModal = [&seen](QDialog &d) {
            auto *w = qobject_cast<TUzytkownicy_programu *>(&d);
            w->show();
            seen = w->ListBox1->count();
            w->reject();
            return w->result();
        };
        main()->UzytkownicyClick();
        QCOMPARE(services->modals.size(), 2);
        QCOMPARE(seen, 2);
    }
};

QTEST_MAIN(TestTUzytkownicyProgramu)
#include "tst_tuzytkownicy_programu.moc"
