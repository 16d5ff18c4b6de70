#include "Scripted.h"
#include "UiTest.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "profile/TUstawienia.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace tv;

class TestTUstawienia : public test::UiTest {
    Q_OBJECT


    TUstawienia *dlg() { return forms().Ustawienia; }
    TForm1 *main() { return forms().Form1; }
    QStringList listed()
    {
        QStringList out;
        for (int i = 0; i < dlg()->lista->count(); ++i)
            out << dlg()->lista->item(i)->text();
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
        createForms();
        TUstawienia *d = dlg();
        QCOMPARE(d->windowTitle(), QStringLiteral("Ustawienia..."));
        QCOMPARE(d->max->text(), QStringLiteral("Uruchamiaj w postaci zmaksymilizowanej"));
        QCOMPARE(d->normal->text(), QStringLiteral("Uruchamiaj w postaci normalnej"));
        QCOMPARE(d->k_tak->text(), QStringLiteral("Zawsze uruchamiaj Kreator testów po uruchomieniu"));
        QCOMPARE(d->k_nie->text(), QStringLiteral("Nie uruchamiaj Kreatora testów po uruchomieniu"));
        QCOMPARE(d->tryb->text(), QStringLiteral("Usuwaj nazwy pól gdy został wybrany element (zaznaczony na mapie)"));
        QCOMPARE(d->d11->toolTip(), QStringLiteral("Zmień dźwięk"));
        QCOMPARE(d->d21->toolTip(), QStringLiteral("Zmień dźwięk"));
        QCOMPARE(d->nowy->toolTip(), QStringLiteral("Nowy użytkownik"));
        QCOMPARE(d->Usun->toolTip(), QStringLiteral("Usuń użytkownika"));
        QCOMPARE(d->Arch_KS->text(), QStringLiteral("Architektura Klient-Server"));
        QVERIFY(d->d1->isReadOnly());
        QVERIFY(d->d2->isReadOnly());
        QVERIFY(d->max->isChecked());
        QVERIFY(d->k_tak->isChecked());
        QVERIFY(d->tryb->isChecked());
        QStringList groups;
        for (auto *g : d->findChildren<QGroupBox *>())
            groups << g->title();
        QCOMPARE(groups, (QStringList{" Wygląd ", " Kreator ", " Dźwięki ", "Tryby"}));
    }

    void noFileAndNoSoundsShowsEmptySoundFields()
    {
        createForms();
        open();
        QCOMPARE(dlg()->d1->text(), QString());
        QCOMPARE(dlg()->d2->text(), QString());
        QVERIFY(listed().isEmpty());
        QVERIFY(dlg()->max->isChecked());
    }

    void activationReadsTheFileButShowsTheInMemorySounds()
    {
        data->write(QStringLiteral("konf.dat"), "0\r\n2\r\nC:\\file.wav\r\nC:\\top.wav\r\n0\r\nOla\r\n\r\n");
        createForms();
        main()->settings.dropSound = QStringLiteral("C:\\memory.wav");
        main()->settings.topGradeSound = QStringLiteral("C:\\memtop.wav");
        open();
        QVERIFY(dlg()->normal->isChecked());
        QVERIFY(dlg()->k_nie->isChecked());
        QCOMPARE(dlg()->d1->text(), QStringLiteral("C:\\memory.wav"));
        QCOMPARE(dlg()->d2->text(), QStringLiteral("C:\\memtop.wav"));
        QVERIFY(!dlg()->tryb->isChecked());
        QCOMPARE(listed(), (QStringList{"Ola", ""}));
        // Lines that are not integers are compared as text, without a word.
        QVERIFY(services->messages.isEmpty());
    }

    void activationWithBadLinesSaysNothing()
    {
        data->write(QStringLiteral("konf.dat"), "x\r\n1\r\n\r\n\r\n1\r\n");
        createForms();
        services->messages.clear(); // start-up reported it once
        open();
        QVERIFY(dlg()->normal->isChecked());
        QVERIFY(dlg()->k_tak->isChecked());
        QVERIFY(services->messages.isEmpty());
    }

    void applyWritesFiveLinesAndUsersAndChangesOnlyTwoThings()
    {
        data->write(QStringLiteral("konf.dat"), "1\r\n1\r\nC:\\a.wav\r\nC:\\b.wav\r\n1\r\nOla\r\n");
        createForms();
        const Settings before = main()->settings;
        open();
        dlg()->normal->setChecked(true);
        dlg()->k_nie->setChecked(true);
        dlg()->tryb->setChecked(false);
        services->fileAnswers << QStringLiteral("C:\\nowy.wav");
        dlg()->d11Click();
        QCOMPARE(services->fileChooserFilters.last(), QStringLiteral("Pliki dźwiękowe (*.wav)"));
        QCOMPARE(dlg()->d1->text(), QStringLiteral("C:\\nowy.wav"));
        services->inputAnswers << QStringLiteral("Żaneta Ślęzak");
        dlg()->nowyClick();
        QCOMPARE(services->prompts.last().caption, QStringLiteral("Wpisz imię i nazwisko"));
        QCOMPARE(services->prompts.last().prompt, QStringLiteral("Nowy użytkownik"));
        QCOMPARE(services->prompts.last().initial, QString());
        dlg()->ZastosujClick();
        QCOMPARE(data->read(QStringLiteral("konf.dat")),
                 QByteArray("0\r\n0\r\nC:\\nowy.wav\r\nC:\\b.wav\r\n0\r\nOla\r\n\xAF" "aneta \x8Cl\xEAzak\r\n"));
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(main()->settings.removePlacedNames, 0);
        QCOMPARE(main()->settings.users, (QStringList{"Ola", "Żaneta Ślęzak"}));
        QCOMPARE(main()->usersList()->count(), 2);
        // The rest waits for the next start.
        QCOMPARE(main()->settings.dropSound, before.dropSound);
        QCOMPARE(main()->settings.startMaximised, before.startMaximised);
        QCOMPARE(main()->settings.startCreator, before.startCreator);
        QVERIFY(!hourglassShown());
        // Shown again: the old in-memory path, not the one just saved.
        open();
        QCOMPARE(dlg()->d1->text(), QStringLiteral("C:\\a.wav"));
    }

    void applyCreatesTheFileWhenMissing()
    {
        createForms();
        open();
        dlg()->ZastosujClick();
        QCOMPARE(data->read(QStringLiteral("konf.dat")), QByteArray("1\r\n1\r\n\r\n\r\n1\r\n"));
    }

    void cancelChangesNothing()
    {
        data->write(QStringLiteral("konf.dat"), "1\r\n1\r\n\r\n\r\n1\r\nOla\r\n");
        createForms();
        open();
        dlg()->normal->setChecked(true);
        services->inputAnswers << QStringLiteral("Nowy");
        dlg()->nowyClick();
        QTest::keyClick(dlg(), Qt::Key_Escape);
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(data->read(QStringLiteral("konf.dat")), QByteArray("1\r\n1\r\n\r\n\r\n1\r\nOla\r\n"));
        QCOMPARE(main()->settings.users, QStringList{"Ola"});
    }

    void newAndRemove()
    {
        createForms();
        open();
        services->inputAnswers << QString() << std::nullopt << QStringLiteral("Ola") << QStringLiteral("Ola");
        for (int i = 0; i < 4; ++i)
            dlg()->nowyClick();
        QCOMPARE(listed(), (QStringList{"Ola", "Ola"})); // empty and cancelled add nothing; duplicates allowed
        dlg()->UsunClick(); // nothing selected
        QCOMPARE(listed().size(), 2);
        dlg()->lista->setCurrentRow(0);
        dlg()->UsunClick();
        QCOMPARE(listed(), QStringList{"Ola"});
        QVERIFY(services->messages.isEmpty()); // no question asked
    }

    void cancelledChooserKeepsThePath()
    {
        createForms();
        open();
        dlg()->d2->setText(QStringLiteral("C:\\stary.wav"));
        dlg()->d21Click();
        QCOMPARE(dlg()->d2->text(), QStringLiteral("C:\\stary.wav"));
    }

    void architectureButtonOpensTheNetworkWindow()
    {
        createForms();
        dlg()->Arch_KSClick();
        QCOMPARE(services->modals, QStringList{QStringLiteral("A_KS")});
    }

#ifdef Q_OS_UNIX
    void failedApplyKeepsTheOldFileAndTheDialog()
    {
        data->write(QStringLiteral("konf.dat"), "1\r\n1\r\n\r\n\r\n1\r\nOla\r\n");
        createForms();
        open();
        for (int i = 0; i < 300; ++i)
            dlg()->lista->addItem(QStringLiteral("Uczeń numer %1").arg(i));
        {
            test::FileSizeLimit limit(200);
            dlg()->ZastosujClick();
        }
        QCOMPARE(data->read(QStringLiteral("konf.dat")), QByteArray("1\r\n1\r\n\r\n\r\n1\r\nOla\r\n"));
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->lastText().contains(QLatin1String("konf.dat")));
        QVERIFY(dlg()->isVisible());
        QCOMPARE(main()->settings.users, QStringList{"Ola"});
        QVERIFY(!hourglassShown());
    }
#endif
};

QTEST_MAIN(TestTUstawienia)
#include "tst_tustawienia.moc"
