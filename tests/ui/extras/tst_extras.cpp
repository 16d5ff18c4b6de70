#include "Parts.h"
#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileCheckWindow.h"
#include "extras/AboutDialog.h"
#include "extras/ComputerInfoWindow.h"
#include "extras/Help.h"
#include "extras/LegendWindow.h"
#include "extras/MailForm.h"
#include "extras/ScreenAdviceWindow.h"
#include "profile/SkinsDialog.h"
#include "quiz/Markers.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

using namespace tv;
using namespace tv::test::parts;

namespace {

// The about box's links are numbered.
QLabel *link(const QObject *w, int k)
{
    return tv::test::named<QLabel>(w, QByteArray("link" + QByteArray::number(k)).constData());
}
const QString kSupport = QStringLiteral("pomoc@terravia.example");
}

class TestExtras : public test::UiTest {
    Q_OBJECT

    MainWindow *main() { return &app->mainWindow(); }

    void writeHelp()
    {
        QDir(data->path()).mkdir(QStringLiteral("Pomoc"));
        data->write(QStringLiteral("Pomoc/index.html"), "<html></html>");
        data->write(QStringLiteral("Pomoc/autorzy.html"), "<html></html>");
    }

private slots:
    void init()
    {
        begin();
        createApp();
    }
    void cleanup()
    {
        end();
    }

    // --- the commands and their failure messages -----------------------------------

    void failureMessages_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("message");
        const QString help = QStringLiteral("BŁĄD: Nie mogę odszukać programu Pomocy na Twoim dysku");
        QTest::newRow("help, menu") << 0 << help;
        QTest::newRow("help, tool button") << 1 << help;
        QTest::newRow("help, F1") << 2 << help;
        QTest::newRow("help, legend") << 3 << "BŁĄD: Nie mogę odszukać programu Pomocy na Twoin dysku";
        QTest::newRow("system information program")
            << 4 << "BŁĄD: Nie mogę odszukać programu Sys_Info.exe na Twoin dysku";
        QTest::newRow("about box, authors") << 5 << "BŁĄD: Nie mogę odszukać programu O autorze na Twoin dysku";
    }
    void failureMessages()
    {
        QFETCH(int, command);
        QFETCH(QString, message);
        LegendWindow legend(main());
        switch (command) {
        case 0:
            test::named<QAction>(main(), "helpItem")->trigger();
            break;
        case 1:
            test::named<QAction>(main(), "helpButton")->trigger();
            break;
        case 2:
            QTest::keyClick(main(), Qt::Key_F1);
            break;
        case 3:
            legend.show();
            legend.openHelp();
            QVERIFY(!legend.isVisible()); // the legend closes either way
            break;
        case 4:
            main()->openSystemInformationProgram();
            break;
        case 5:
            app->aboutDialog().show();
            app->aboutDialog().openAuthors();
            QVERIFY(app->aboutDialog().isVisible()); // nothing else happens
            break;
        }
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->lastText(), message);
        QCOMPARE(services->messages.first().caption, QStringLiteral("Terravia"));
        QCOMPARE(services->messages.first().icon, Services::Icon::None);
        QVERIFY(services->opened.isEmpty());
    }

    void helpPagesOpenWithTheDesktop()
    {
        writeHelp();
        const QUrl index = fileUrl(data->file(QStringLiteral("Pomoc/index.html")));
        test::named<QAction>(main(), "helpItem")->trigger();
        QTest::keyClick(main(), Qt::Key_F1);
        LegendWindow legend(main());
        legend.show();
        QTest::mouseClick(legend.findChild<QPushButton *>(QStringLiteral("helpButton")), Qt::LeftButton);
        QVERIFY(!legend.isVisible());
        QCOMPARE(services->opened, (QList<QUrl>{index, index, index}));
        QVERIFY(services->messages.isEmpty());
        // The authors' page from the about box, which then closes.
        app->aboutDialog().show();
        app->aboutDialog().openAuthors();
        QCOMPARE(services->opened.last(), fileUrl(data->file(QStringLiteral("Pomoc/autorzy.html"))));
        QVERIFY(!app->aboutDialog().isVisible());
    }

    void commandsOfTheMainWindow()
    {
        QTest::keyClick(main(), Qt::Key_F2);
        test::named<QAction>(main(), "screenItem")->trigger();
        test::named<QAction>(main(), "computerInfoItem")->trigger();
        test::named<QAction>(main(), "computerInfoButton")->trigger();
        test::named<QAction>(main(), "skinsItem")->trigger();
#ifdef Q_OS_WIN
        // Windows has its own program for the computer's details.
        const QStringList modals{"legendWindow", "screenAdviceWindow", "skinsDialog"};
        QCOMPARE(services->messages.size(), 2);
        QCOMPARE(services->lastText(), QStringLiteral("BŁĄD: Nie mogę odszukać programu Sys_Info.exe na Twoin dysku"));
#else
        const QStringList modals{"legendWindow", "screenAdviceWindow", "computerInfoWindow", "computerInfoWindow",
                                 "skinsDialog"};
#endif
        QCOMPARE(services->modals, modals);
        test::named<QAction>(main(), "webPageItem")->trigger();
        QCOMPARE(services->opened, QList<QUrl>{QUrl(QStringLiteral("https://terravia.example/"))});
        test::named<QAction>(main(), "aboutItem")->trigger();
        QVERIFY(app->aboutDialog().isVisible()); // not modal
        QCOMPARE(services->modals, modals);
    }

    // Escape and the window's own closing button close every one of them.
    void closing_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QString>("button");
        const char *names[] = {"legend", "about box", "mail form", "screen", "screen help", "computer", "skins"};
        const char *buttons[] = {"okButton", "okButton", "cancelButton", "closeButton", "closeButton", "okButton",
                                 "cancelButton"};
        for (int i = 0; i < 7; ++i) {
            QTest::addRow("%s, Esc", names[i]) << i << true << QString();
            QTest::addRow("%s, %s", names[i], buttons[i]) << i << false << QString::fromLatin1(buttons[i]);
        }
    }
    void closing()
    {
        QFETCH(int, window);
        QFETCH(bool, escape);
        QFETCH(QString, button);
        std::unique_ptr<QDialog> own;
        QDialog *w = nullptr;
        switch (window) {
        case 0:
            own = std::make_unique<LegendWindow>(main());
            break;
        case 1:
            w = &app->aboutDialog();
            break;
        case 2:
            w = &app->mailForm();
            break;
        case 3:
            own = std::make_unique<ScreenAdviceWindow>(main());
            break;
        case 4:
            own = std::make_unique<ScreenHelpWindow>(main());
            break;
        case 5:
            own = std::make_unique<ComputerInfoWindow>(main());
            break;
        case 6:
            w = &app->skinsDialog();
            break;
        }
        if (own)
            w = own.get();
        w->show();
        QVERIFY(w->isVisible());
        if (escape)
            QTest::keyClick(w, Qt::Key_Escape);
        else
            QTest::mouseClick(w->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(!w->isVisible());
        QVERIFY(services->messages.isEmpty());
    }

    // --- legend -----------------------------------------------------------------------

    void legendShowsTheMarkerColours()
    {
        LegendWindow legend(main());
        const MarkerState states[] = {MarkerState::Blank, MarkerState::Good, MarkerState::Placed, MarkerState::Bad};
        for (int i = 0; i < 4; ++i) {
            auto *sample = legend.findChild<QLabel *>(QStringLiteral("sample%1").arg(i));
            QCOMPARE(sample->palette().color(QPalette::Window), markerColour(states[i]));
        }
        QCOMPARE(markerColour(MarkerState::Good), QColor(0, 255, 0));
        QCOMPARE(legend.findChild<QLabel *>(QStringLiteral("abbreviation8"))->text(), QStringLiteral("Zat.     -Zatoka"));
        QCOMPARE(legend.findChild<QLabel *>(QStringLiteral("abbreviation13"))->text(),
                 QStringLiteral("Pob.    - Pobrzeże"));
    }

    // --- write-to-author form ------------------------------------------------------------

    void formFilledFromTheCheckWindowOnly()
    {
        for (const auto &e : catalogue::singleTests())
            for (const QString &f : {e.configurationFile, e.descriptionFile, e.pictureFile})
                data->write(f, "x");
        QFile::remove(data->file(QStringLiteral("AZG.dat")));
        QFile::remove(data->file(QStringLiteral("Swiat_prady.jpg")));
        MailForm &form = app->mailForm();
        QString subjectText, bodyText;
        services->onModal = [&](QDialog &d) {
            d.show();
            subjectText = subject(&form)->text();
            bodyText = body(&form)->toPlainText();
            d.reject();
            return d.result();
        };
        {
            FileCheckWindow check(form, main());
            check.check();
            check.writeToAuthor();
            QCOMPARE(subjectText, QStringLiteral("Terravia: Problem z testami..."));
            QCOMPARE(bodyText, check.reportText());
            QCOMPARE(bodyText, QStringLiteral("Test: Azja - Góry i Szczyty: BRAK PLIKU K1\n"
                                              "Test: Świat - Prądy morskie: BRAK PLIKU Z1"));
        }
        QVERIFY(!form.problemReport());
        test::named<QAction>(main(), "mailItem")->trigger();
        QCOMPARE(subjectText, QString());
        QCOMPARE(bodyText, QString());
        QCOMPARE(services->modals, (QStringList{"mailForm", "mailForm"}));
    }

    void reportStaysSingleAfterARefusal()
    {
        MailForm &form = app->mailForm();
        form.setProblemReport(QStringLiteral("Test: Świat - Oceany: BRAK PLIKU K2"));
        form.show();
        subject(&form)->clear();
        form.send();
        QCOMPARE(services->lastText(), QStringLiteral("Przed wysłaniem, musisz wpisać temat wiadomości"));
        // Coming back to the form after the message adds nothing.
        form.activateWindow();
        QCoreApplication::processEvents();
        QCOMPARE(body(&form)->toPlainText(), QStringLiteral("Test: Świat - Oceany: BRAK PLIKU K2"));
        form.cancel();
        QVERIFY(!form.problemReport());
        QVERIFY(!form.isVisible());
    }

    void sendRefusesThenOpensTheLink()
    {
        MailForm &form = app->mailForm();
        form.show();
        form.send();
        QCOMPARE(services->lastText(), QStringLiteral("Przed wysłaniem, musisz wpisać temat wiadomości"));
        subject(&form)->setText(QStringLiteral("Mapy & testy"));
        form.send();
        QCOMPARE(services->lastText(), QStringLiteral("Przed wysłaniem, musisz wpisać treść wiadomości"));
        QCOMPARE(services->messages.size(), 2);
        QVERIFY(form.isVisible());
        QVERIFY(services->opened.isEmpty());
        body(&form)->setPlainText(QStringLiteral("Ala & Ola\nlinia 2\nlinia 3"));
        form.send();
        QCOMPARE(services->opened.size(), 1);
        QCOMPARE(services->opened.first().toEncoded(),
                 QByteArray("mailto:pomoc@terravia.example?Subject=Mapy%20%26%20testy"
                            "&Body=%0D%0AAla%20%26%20Ola%0D%0Alinia%202%0D%0Alinia%203"));
        QVERIFY(!form.isVisible());
        QVERIFY(subject(&form)->text().isEmpty());
        QVERIFY(body(&form)->toPlainText().isEmpty());
    }

    // --- about box ------------------------------------------------------------------------

    void aboutBoxOpensToItsDesignedSize()
    {
        AboutDialog &about = app->aboutDialog();
        QVERIFY(AboutDialog::kWidth % 5 != 0 && AboutDialog::kHeight % 5 != 0);
        test::named<QAction>(main(), "aboutButton")->trigger();
        QVERIFY(about.isVisible());
        QCOMPARE(about.size(), QSize(AboutDialog::kWidth, AboutDialog::kHeight));
        QCOMPARE(waits->waits, (QList<int>{30, 30, 30, 30, 30}));
        QVERIFY(services->modals.isEmpty());
        QCOMPARE(about.windowTitle(), QStringLiteral("O programie"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("version"))->text(), QStringLiteral("Wersja: 2.4.547"));
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("description3"))->text(),
                 QStringLiteral("System oceniania wyników. "));
        QCOMPARE(addresses(&about)->title(), QStringLiteral(" Adresy "));
        QCOMPARE(link(&about, 2)->text(), QStringLiteral("Strona WWW"));
    }

    void aboutBoxLinks()
    {
        AboutDialog &about = app->aboutDialog();
        about.show();
        auto colour = [&](int k) { return link(&about, k)->palette().color(QPalette::WindowText); };
        const QColor red(255, 0, 0), blue(0, 0, 255);
        // A real move over a link: it turns red and the group under it does
        // not take the move for its own.
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), link(&about, 1)->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(link(&about, 1), &move);
        QCOMPARE(colour(0), blue);
        QCOMPARE(colour(1), red);
        QCOMPARE(colour(2), blue);
        about.hoverLink(2);
        QCOMPARE(colour(1), blue);
        QCOMPARE(colour(2), red);
        about.hoverGroup();
        QCOMPARE(colour(2), blue);
        about.hoverAuthor();
        QVERIFY(author(&about)->font().bold());
        about.hoverBackground();
        QVERIFY(!author(&about)->font().bold());

        about.openLink(0);
        about.openLink(2);
        QCOMPARE(services->opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:") + kSupport),
                                                QUrl(QStringLiteral("https://terravia.example/"))}));
        QVERIFY(about.isVisible());
    }

    // --- screen window ------------------------------------------------------------------------

    void screenWindow()
    {
        const QColor before = QToolTip::palette().color(QPalette::ToolTipBase);
        {
            ScreenAdviceWindow screen(main());
            QCOMPARE(screen.windowTitle(), QStringLiteral("Terravia: Ekran"));
            QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 0));
            QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("notice"))->text(),
                     QStringLiteral("UWAGA: ZALECANA ROZDZIELCZOŚĆ EKRANU!"));
            screen.changeResolution();
            QCOMPARE(services->lastText(), QStringLiteral("Rozdzielczość ekranu została zmieniona"));
            QTest::mouseClick(helpButton(&screen), Qt::LeftButton);
            QCOMPARE(services->modals, QStringList{"screenHelpWindow"});
        }
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), before);
        ScreenHelpWindow help(main());
        QStringList labels;
        for (const char *name : {"correctLabel", "tabLabel", "resolutionLabel"})
            labels << help.findChild<QLabel *>(QString::fromLatin1(name))->text();
        QCOMPARE(labels, (QStringList{"Poprawnie ustawiona", "Zakładka Ustawienia", "Rozdzielczość ekranu"}));
        QCOMPARE(settingsButton(&help)->text(), QStringLiteral("Pokaż narzędzie Ekran"));
    }

    void computerInformation()
    {
        ComputerInfoWindow info(main());
        const QString text = info.text();
        QVERIFY(text.contains(QStringLiteral("Folder programu i danych: ") + QDir::toNativeSeparators(data->path())));
        QVERIFY(text.contains(QStringLiteral("Wyniki.tvw")));
        QVERIFY(text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    }
};

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
