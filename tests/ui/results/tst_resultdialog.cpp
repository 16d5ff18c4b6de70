#include "Parts.h"
#include "QuizFixture.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "results/ResultState.h"
#include "catalogue/TestLauncher.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "profile/UsersDialog.h"
#include "quiz/TestWindow.h"
#include "results/ResultDialog.h"

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
using namespace tv::test::parts;

class TestResultDialog : public test::UiTest {
    Q_OBJECT


    MainWindow *main() { return &app->mainWindow(); }
    ResultDialog *dlg() { return &app->resultDialog(); }

    void start(const QStringList &users = {})
    {
        test::writeSettings(*data, 0, 1, users);
        createApp();
        main()->show();
    }
    // Fills the dialog as the judging does and shows it.
    void showResult(const QString &grade = QStringLiteral("Dobry (4)"))
    {
        dlg()->setFigures({QStringLiteral("Test: Europa - Stolice"), QStringLiteral("1 min 15 sek"), 12, 10, 2, grade, {}});
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
        ResultDialog *d = dlg();
        QCOMPARE(d->windowTitle(), QStringLiteral("Wynik testu"));
        QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(newUserButton(d)->text(), QStringLiteral("Nowy..."));
        QCOMPARE(newUserButton(d)->toolTip(), QStringLiteral("Nowy użytkownik"));
        QCOMPARE(saveButton(d)->text(), QStringLiteral("Zapisz test"));
        QCOMPARE(saveButton(d)->toolTip(), QStringLiteral("Zapisz ten test"));
        QCOMPARE(cancelButton(d)->toolTip(), QStringLiteral("Wyjście bez zapisu"));
        QCOMPARE(autoCloseCheck(d)->text(), QStringLiteral("Automatycznie zamknij ten test"));
        QVERIFY(autoCloseCheck(d)->isChecked());
        QCOMPARE(countdownLabel(d)->text(), QStringLiteral("Zamknięcie okna za: 30 sekund"));
        QCOMPARE(nameList(d)->maxVisibleItems(), 15);
    }

    void activationInLocalMode()
    {
        start();
        showResult();
        QCOMPARE(app->state().result.closing, ResultState::Closing::Pending);
        QVERIFY(app->state().result.testFinished);
        QCOMPARE(app->state().result.countdown, 30);
        QCOMPARE(titleLabel(dlg())->text(), QStringLiteral("Test: Europa - Stolice"));
        QVERIFY(nameEdit(dlg())->isVisible());
        QVERIFY(!nameList(dlg())->isVisible());
        QVERIFY(!sendButton(dlg())->isVisible());
        QVERIFY(!countdownLabel(dlg())->isVisible());
        QVERIFY(soundDelay(dlg())->isActive());
    }

    void firstResultCreatesTheFileLaterOnesAppend()
    {
        start();
        showResult();
        nameEdit(dlg())->setText(QStringLiteral("Ala"));
        dlg()->save();
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(app->state().result.closing, ResultState::Closing::Allowed);
        showResult();
        QCOMPARE(nameEdit(dlg())->text(), QStringLiteral("Ala")); // kept from the last result
        nameEdit(dlg())->setText(QStringLiteral("   "));         // blanks are a name as typed
        dlg()->save();
        QCOMPARE(data->read("Wyniki.tvw"), record("Ala") + record("   "));
    }

    // A file whose last record was cut short (a crash, an edit by hand): the
    // saved result starts on a record boundary, the short record reads as
    // before.
    void savingAfterARecordCutShort()
    {
        data->write("Wyniki.tvw", record("Ola") + "Ela\r\nTest: Pol");
        start();
        showResult();
        nameEdit(dlg())->setText(QStringLiteral("Ala"));
        dlg()->save();
        QCOMPARE(data->read("Wyniki.tvw"),
                 record("Ola") + "Ela\r\nTest: Pol\r\n\r\n\r\n\r\n\r\n\r\n" + record("Ala"));
    }

    void emptyNameIsRefused()
    {
        start();
        showResult();
        nameEdit(dlg())->clear();
        dlg()->save();
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
        QVERIFY(!nameEdit(dlg())->isVisible());
        QVERIFY(nameList(dlg())->isVisible());
        QCOMPARE(nameList(dlg())->count(), 2);
        QCOMPARE(nameList(dlg())->currentIndex(), -1);
        dlg()->save();
        QCOMPARE(services->lastText(),
                 QStringLiteral("Aby zapisać wynik testu musisz wybrać (lista na górze) swoje imię i nazwisko"));
        QCOMPARE(services->messages.last().caption, QStringLiteral("Terravia: Zapis..."));
        QCOMPARE(services->messages.last().icon, Services::Icon::Information);
        nameList(dlg())->hidePopup();
        nameList(dlg())->setCurrentIndex(1);
        dlg()->save();
        QCOMPARE(data->read("Wyniki.tvw"), record("Ja\x9C"));
    }

    void controlCharactersNeverBreakARecord()
    {
        start();
        showResult();
        nameEdit(dlg())->setText(QStringLiteral("Ala\nKot"));
        dlg()->save();
        QCOMPARE(data->read("Wyniki.tvw"), record("Ala Kot"));
    }

    void cancelWithoutAutomaticClose()
    {
        start();
        test::writeMapTest(*data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", {{0, 0}}, {"Praga11"});
        app->launcher().launchEntry(*catalogue::findByCode(18));
        app->launcher().testWindow()->onStartDelay();
        showResult();
        autoCloseCheck(dlg())->setChecked(false);
        dlg()->cancel();
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(app->state().result.closing, ResultState::Closing::Allowed);
        QVERIFY(!data->has("Wyniki.tvw"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(app->launcher().testWindow()); // stays open
        autoCloseCheck(dlg())->setChecked(true);
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
        Settings inForce = app->state().settings.current();
        inForce.topGradeSound = data->file("Cel.wav");
        app->state().settings.replace(inForce);
        showResult(grade);
        QVERIFY(services->sounds.isEmpty()); // not at once: one second later
        QCOMPARE(soundDelay(dlg())->interval(), 1000);
        dlg()->playTopGradeSound();
        QCOMPARE(services->sounds.size(), plays ? 1 : 0);
        QVERIFY(!soundDelay(dlg())->isActive());
    }

    void noSoundWhenTheFileIsMissing()
    {
        start();
        Settings inForce = app->state().settings.current();
        inForce.topGradeSound = data->file("Cel.wav");
        app->state().settings.replace(inForce);
        showResult(QStringLiteral("Celujący (6)"));
        dlg()->playTopGradeSound();
        QVERIFY(services->sounds.isEmpty());
        QVERIFY(services->messages.isEmpty());
    }

    void newUserFromTheDialog()
    {
        start();
        showResult();
        services->onModal = [&](QDialog &d) {
            auto *users = qobject_cast<UsersDialog *>(&d);
            if (!users)
                return int(QDialog::Rejected);
            users->show();
            services->inputAnswers << QStringLiteral("Nowa Uczennica");
            users->addUser();
            users->saveAndClose();
            return int(QDialog::Accepted);
        };
        dlg()->addUser();
        QCOMPARE(app->state().settings.users(), QStringList{"Nowa Uczennica"});
        QVERIFY(nameList(dlg())->isVisibleTo(dlg()));
        QCOMPARE(nameList(dlg())->count(), 1);
        QCOMPARE(data->read("konf.dat"), QByteArray("1\r\n0\r\nBrak d\x9Fwi\xEAku\r\nBrak d\x9Fwi\xEAku\r\n1\r\nNowa Uczennica\r\n"));
    }

#ifdef Q_OS_UNIX
    void failedAppendKeepsTheRecordsAndTheDialog()
    {
        start();
        data->write("Wyniki.tvw", record("Ala"));
        showResult();
        nameEdit(dlg())->setText(QString(3000, QLatin1Char('x')));
        {
            test::FileSizeLimit limit(record("Ala").size() + 50);
            dlg()->save();
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
        dlg()->cancel();
        QVERIFY(!dlg()->isVisible());
    }

    // The name has the focus when the dialog opens; Enter and Ctrl+S save
    // from the field and from the list alike.
    void savingFromTheName_data()
    {
        QTest::addColumn<QStringList>("users");
        QTest::addColumn<bool>("ctrlS");
        QTest::newRow("typed name, Enter") << QStringList{} << false;
        QTest::newRow("typed name, Ctrl+S") << QStringList{} << true;
        QTest::newRow("list, Enter") << QStringList{"Ala", "Ola"} << false;
        QTest::newRow("list, Ctrl+S") << QStringList{"Ala", "Ola"} << true;
    }
    void savingFromTheName()
    {
        QFETCH(QStringList, users);
        QFETCH(bool, ctrlS);
        start(users);
        showResult();
        QWidget *name = users.isEmpty() ? static_cast<QWidget *>(nameEdit(dlg())) : nameList(dlg());
        QCOMPARE(dlg()->focusWidget(), name);
        if (users.isEmpty())
            QTest::keyClicks(name, QStringLiteral("Ola"));
        else
            nameList(dlg())->setCurrentIndex(1);
        if (ctrlS)
            QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
        else
            QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(data->read("Wyniki.tvw"), record("Ola"));
        QVERIFY(!dlg()->isVisible());
    }
};

QTEST_MAIN(TestResultDialog)
#include "tst_resultdialog.moc"
