#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "catalogue/Catalogue.h"
#include "profile/TUzytkownicy_programu.h"
#include "quiz/TTest_kontynety.h"
#include "results/Twynik_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tv;

class TestResultDialog : public test::UiTest {
    Q_OBJECT


    TForm1 *main() { return forms().Form1; }
    Twynik_test *dlg() { return forms().wynik_test; }

    void start(const QStringList &users = {})
    {
        test::writeSettings(*data, 0, 1, users);
        createForms();
        main()->show();
        main()->setTitleStrip(QStringLiteral("Test: Europa - Stolice"));
    }
    // Fills the dialog as the judging does and shows it.
    void showResult(const QString &grade = QStringLiteral("Dobry (4)"))
    {
        dlg()->lbl_czas->setText(QStringLiteral("1 min 15 sek"));
        dlg()->zadan->setText(QStringLiteral("12"));
        dlg()->lbl_dobre->setText(QStringLiteral("10"));
        dlg()->lbl_zle->setText(QStringLiteral("2"));
        dlg()->ocena->setText(grade);
        dlg()->show();
    }
    QByteArray record(const QByteArray &user) const
    {
        return user + "\r\nTest: Europa - Stolice\r\n1 min 15 sek\r\n12\r\n10\r\n2\r\nDobry (4)\r\n";
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

    void controls()
    {
        start();
        Twynik_test *d = dlg();
        QCOMPARE(d->windowTitle(), QStringLiteral("Wynik testu"));
        QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(d->Button1->text(), QStringLiteral("Nowy..."));
        QCOMPARE(d->Button1->toolTip(), QStringLiteral("Nowy użytkownik"));
        QCOMPARE(d->Zapisz->text(), QStringLiteral("Zapisz test"));
        QCOMPARE(d->Zapisz->toolTip(), QStringLiteral("Zapisz ten test"));
        QCOMPARE(d->Anuluj->toolTip(), QStringLiteral("Wyjście bez zapisu"));
        QCOMPARE(d->Check->text(), QStringLiteral("Automatycznie zamknij ten test"));
        QVERIFY(d->Check->isChecked());
        QCOMPARE(d->Label7->text(), QStringLiteral("Zamknięcie okna za: 30 sekund"));
        QCOMPARE(d->cmb_imie->maxVisibleItems(), 15);
    }

    void activationInLocalMode()
    {
        start();
        showResult();
        QCOMPARE(dlg()->closeState, 2);
        QVERIFY(dlg()->testFinished);
        QCOMPARE(dlg()->countdown, 30);
        QCOMPARE(dlg()->Test->text(), QStringLiteral("Test: Europa - Stolice"));
        QVERIFY(dlg()->imie->isVisible());
        QVERIFY(!dlg()->cmb_imie->isVisible());
        QVERIFY(!dlg()->Ok_KS->isVisible());
        QVERIFY(!dlg()->Label7->isVisible());
        QVERIFY(dlg()->Timer1->isActive());
    }

    void firstResultCreatesTheFileLaterOnesAppend()
    {
        start();
        showResult();
        dlg()->imie->setText(QStringLiteral("Ala"));
        dlg()->ZapiszClick();
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(dlg()->closeState, 0);
        showResult();
        QCOMPARE(dlg()->imie->text(), QStringLiteral("Ala")); // kept from the last result
        dlg()->imie->setText(QStringLiteral("   "));         // blanks are a name as typed
        dlg()->ZapiszClick();
        QCOMPARE(data->read("Wyniki.tvw"), record("Ala") + record("   "));
    }

    void emptyNameIsRefused()
    {
        start();
        showResult();
        dlg()->imie->clear();
        dlg()->ZapiszClick();
        QCOMPARE(services->lastText(),
                 QStringLiteral("Aby zapisać wynik testu musisz wpisać (w polu na górze) swoje imię i nazwisko"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.last().icon, Services::Icon::None);
        QVERIFY(dlg()->isVisible());
        QVERIFY(!data->has("Wyniki.tvw"));
    }

    void registeredUsersMustBeChosen()
    {
        start({"Ola", "Jaś"});
        showResult();
        QVERIFY(!dlg()->imie->isVisible());
        QVERIFY(dlg()->cmb_imie->isVisible());
        QCOMPARE(dlg()->cmb_imie->count(), 2);
        QCOMPARE(dlg()->cmb_imie->currentIndex(), -1);
        dlg()->ZapiszClick();
        QCOMPARE(services->lastText(),
                 QStringLiteral("Aby zapisać wynik testu musisz wybrać (lista na górze) swoje imię i nazwisko"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Zapis..."));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        dlg()->cmb_imie->hidePopup();
        dlg()->cmb_imie->setCurrentIndex(1);
        dlg()->ZapiszClick();
        QCOMPARE(data->read("Wyniki.tvw"), record("Ja\x9C"));
    }

    void controlCharactersNeverBreakARecord()
    {
        start();
        showResult();
        dlg()->imie->setText(QStringLiteral("Ala\nKot"));
        dlg()->ZapiszClick();
        QCOMPARE(data->read("Wyniki.tvw"), record("Ala Kot"));
    }

    void cancelWithoutAutomaticClose()
    {
        start();
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", {{0, 0}}, {"Praga11"});
        main()->launchEntry(*catalogue::findByCode(18));
        main()->testWindow()->Timer1Timer();
        showResult();
        dlg()->Check->setChecked(false);
        dlg()->AnulujClick();
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(dlg()->closeState, 0);
        QVERIFY(!data->has("Wyniki.tvw"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main()->testWindow()); // stays open
        dlg()->Check->setChecked(true);
    }

    void topGradeSound_data()
    {
        QTest::addColumn<QString>("grade");
        QTest::addColumn<bool>("plays");
        QTest::newRow("6") << "Celujący (6)" << true;
        QTest::newRow("5") << "Bardzo dobry (5)" << false;
        QTest::newRow("6 with other blanks") << "Celujący  (6)" << false;
    }
    void topGradeSound()
    {
        QFETCH(QString, grade);
        QFETCH(bool, plays);
        data->write("Cel.wav", "RIFF");
        start();
        main()->settings.topGradeSound = data->file("Cel.wav");
        showResult(grade);
        QVERIFY(services->sounds.isEmpty()); // not at once: one second later
        QCOMPARE(dlg()->Timer1->interval(), 1000);
        dlg()->Timer1Timer();
        QCOMPARE(services->sounds.size(), plays ? 1 : 0);
        QVERIFY(!dlg()->Timer1->isActive());
    }

    void noSoundWhenTheFileIsMissing()
    {
        start();
        main()->settings.topGradeSound = data->file("Cel.wav");
        showResult(QStringLiteral("Celujący (6)"));
        dlg()->Timer1Timer();
        QVERIFY(services->sounds.isEmpty());
        QVERIFY(services->messages.isEmpty());
    }

    void newUserFromTheDialog()
    {
        start();
        showResult();
        services->onModal = [&](QDialog &d) {
            auto *users = qobject_cast<TUzytkownicy_programu *>(&d);
            if (!users)
                return int(QDialog::Rejected);
            users->show();
            services->inputAnswers << QStringLiteral("Nowa Uczennica");
            users->NowyClick();
            users->OKClick();
            return int(QDialog::Accepted);
        };
        dlg()->Button1Click();
        QCOMPARE(main()->settings.users, QStringList{"Nowa Uczennica"});
        QVERIFY(dlg()->cmb_imie->isVisibleTo(dlg()));
        QCOMPARE(dlg()->cmb_imie->count(), 1);
        QCOMPARE(data->read("konf.dat"), QByteArray("1\r\n0\r\nBrak d\x9Fwi\xEAku\r\nBrak d\x9Fwi\xEAku\r\n1\r\nNowa Uczennica\r\n"));
    }

#ifdef Q_OS_UNIX
    void failedAppendKeepsTheRecordsAndTheDialog()
    {
        start();
        data->write("Wyniki.tvw", record("Ala"));
        showResult();
        dlg()->imie->setText(QString(3000, QLatin1Char('x')));
        {
            test::FileSizeLimit limit(record("Ala").size() + 50);
            dlg()->ZapiszClick();
        }
        QCOMPARE(data->read("Wyniki.tvw"), record("Ala"));
        QVERIFY(dlg()->isVisible());
        QCOMPARE(services->messages.size(), 1);
        QVERIFY(services->lastText().contains(QLatin1String("Wyniki.tvw")));
    }
#endif

    void escapeDoesNotCloseIt()
    {
        start();
        showResult();
        QTest::keyClick(dlg(), Qt::Key_Escape);
        QVERIFY(dlg()->isVisible());
        dlg()->reject();
        QVERIFY(dlg()->isVisible()); // only its buttons close it
        dlg()->AnulujClick();
        QVERIFY(!dlg()->isVisible());
    }
};

QTEST_MAIN(TestResultDialog)
#include "tst_twynik_test.moc"
