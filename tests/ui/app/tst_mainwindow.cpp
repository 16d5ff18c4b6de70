#include "Scripted.h"
#include "UiTest.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "net/LoginWindow.h"
#include "wizards/CreatorWizard.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace tv;

namespace {

// A child window that may refuse to close.
class Child : public QWidget {
public:
    bool mayClose = true;

protected:
    void closeEvent(QCloseEvent *e) override { mayClose ? e->accept() : e->ignore(); }
};

QAction *menuByTitle(MainWindow *w, const QString &title)
{
    for (QAction *a : w->menuBar()->actions())
        if (QString(a->text()).remove(QLatin1Char('&')) == title)
            return a;
    return nullptr;
}

QAction *itemByCaption(MainWindow *w, const QString &caption)
{
    for (QAction *m : w->menuBar()->actions())
        if (m->menu())
            for (QAction *a : m->menu()->actions())
                if (a->text() == caption)
                    return a;
    return nullptr;
}

QToolBar *toolBar(MainWindow *w)
{
    return w->findChild<QToolBar *>(QStringLiteral("toolBar"));
}

QAction *buttonByHint(MainWindow *w, const QString &hint)
{
    for (QAction *a : toolBar(w)->actions())
        if (!a->isSeparator() && a->toolTip() == hint)
            return a;
    return nullptr;
}

} // namespace

class TestMainWindow : public test::UiTest {
    Q_OBJECT


    MainWindow *form() { return &app->mainWindow(); }
    QWidget *background() { return form()->findChild<QWidget *>(QStringLiteral("backgroundPanel")); }

private slots:
    void init()
    {
        begin();
        createApp();
        form()->show();
    }
    void cleanup()
    {
        end();
    }

    void backgroundPictureSharpForTheWindowsSize_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<bool>("drawnAnew");
        QTest::newRow("smaller than the picture") << QSize(1000, 700) << false;
#ifdef TERRAVIA_HAVE_SVG
        QTest::newRow("a large screen") << QSize(2600, 1600) << true;
#else
        QTest::newRow("a large screen") << QSize(2600, 1600) << false; // no source to draw it from
#endif
    }
    void backgroundPictureSharpForTheWindowsSize()
    {
        QFETCH(QSize, window);
        QFETCH(bool, drawnAnew);
        MainWindow *w = form();
        w->resize(window);
        QCoreApplication::processEvents();
        QMetaObject::invokeMethod(test::named<QTimer>(w, "backgroundSharpen"), "timeout");
        auto *picture = w->findChild<QLabel *>(QStringLiteral("backgroundPicture"));
        const QSize shown = picture->pixmap().size();
        if (drawnAnew)
            QCOMPARE(shown, picture->size() * w->devicePixelRatioF());
        else
            QCOMPARE(shown, QSize(1600, 1000));
    }

    void initialState()
    {
        MainWindow *w = form();
        QCOMPARE(w->windowTitle(), QStringLiteral("Terravia v2.4 [Klient]"));
        QCOMPARE(w->statusText(0), QStringLiteral("Terravia v2.4 [Klient]"));
        QCOMPARE(w->statusText(1), QStringLiteral("Test: Oczekiwanie..."));
        QCOMPARE(w->statusText(2), QStringLiteral("Tryb: Lokalny"));
        QVERIFY(!app->state().chain.active);
        QCOMPARE(app->state().session.disconnectReason(), 11);
        QVERIFY(!app->state().session.active());
        QVERIFY(!app->state().session.serverPoll().isActive());
        QCOMPARE(app->state().session.serverPoll().interval(), 1000);
        QVERIFY(!itemByCaption(w, QStringLiteral("Drukuj wyniki testów  [Ctrl + P]"))->isEnabled());
        QVERIFY(!itemByCaption(w, QStringLiteral("Zamknij aktywne okno  [Esc]"))->isEnabled());
        QVERIFY(!buttonByHint(w, QStringLiteral("Zamknij aktywne, podrzędne okno"))->isEnabled());
        QVERIFY(itemByCaption(w, QStringLiteral("Zmień skórę"))->isVisible());
        QVERIFY(w->backgroundVisible());
        QVERIFY(!w->toolbarTransparent());
        auto *strip = w->findChild<QToolBar *>(QStringLiteral("titleStrip"));
        QCOMPARE(strip->height(), 20);
        auto *label = w->findChild<QLabel *>(QStringLiteral("titleLabel"));
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().pixelSize(), 13);
        QCOMPARE(label->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        const int widths[4] = {130, 350, 130, 90};
        for (int i = 0; i < 4; ++i)
            QVERIFY(w->statusBar()->findChild<QLabel *>(QStringLiteral("statusPanel%1").arg(i))->width() >= widths[i]);
    }

    void menuCaptionsAsWritten()
    {
        const QList<QPair<QString, QStringList>> expected = {
            {"Plik",
             {"Wyniki testów", "Filtruj wyniki testów  [F6]", "Drukuj wyniki testów  [Ctrl + P]",
              "Drukuj kartę pracy...", "Usuń wyniki testów  [Ctrl + U]", "—", "Nowy własny test...",
              "Edytuj własny test...", "Importuj test...", "Eksportuj test...", "—", "Zamknij aktywne okno  [Esc]", "—",
              "Zamknij program Terravia  [Alt + F4]"}},
            {"Sprawdź", {"Co to za miejsce na ziemi"}},
            {"Opcje",
             {"W teście Wszystko o... Pokazuj  aktualny wynik: NIE", "Dopasuj mapę do okna", "—",
              "Info o Twoim komputerze", "—",
              "Zmień rozdzielczość ekranu", "—", "Zresetuj Terravia"}},
            {"Ustawienia",
             {"Ustawienia programu  [F7]", "Architektura Klient-Server  [F8]", "—",
              "Sprawdź pliki konfiguracyjne tesów", "—", "Użytkownicy  [F9]", "—", "Legenda  [F2]", "Zmień skórę"}},
            {"Pomoc",
             {"Pomoc  [F1]", "Odwiedź stronę WWW", "Napisz do autora", "—", "Licencja", "—", "O programie"}},
        };
        QStringList titles;
        for (QAction *m : form()->menuBar()->actions())
            titles << QString(m->text()).remove(QLatin1Char('&'));
        QCOMPARE(titles, (QStringList{"Plik", "Testy", "Sprawdź", "Opcje", "Ustawienia", "Pomoc"}));
        for (const auto &menu : expected) {
            QStringList items;
            for (QAction *a : menuByTitle(form(), menu.first)->menu()->actions())
                items << (a->isSeparator() ? QStringLiteral("—") : a->text());
            QCOMPARE(items, menu.second);
        }
        const auto testy = menuByTitle(form(), "Testy")->menu()->actions();
        QCOMPARE(testy.at(0)->text(), QStringLiteral("Kreator testów"));
        QCOMPARE(testy.at(1)->text(), QStringLiteral("Wylosuj Test..."));
    }

    void toolBarOrderAndHints()
    {
        QStringList hints;
        for (QAction *a : toolBar(form())->actions())
            hints << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
        QCOMPARE(hints, (QStringList{"Kreator testów",
                                     "Wylosuj test...",
                                     "|",
                                     "Odgadnij. Co to za miejsce?",
                                     "|",
                                     "Wyniki testów",
                                     "Filtruj wyniki testów",
                                     "|",
                                     "Sprawdź pliki testów",
                                     "Architektura Klient-Server",
                                     "Ustawienia programu",
                                     "|",
                                     "Użytkownicy programu",
                                     "Legenda",
                                     "|",
                                     "W teście Wszystko o... Pokazuj  aktualny wynik: NIE",
                                     "|",
                                     "Zresetuj Terravia",
                                     "|",
                                     "Napisz do autora",
                                     "Informacje o Twoim komputerze",
                                     "Pomoc",
                                     "O programie",
                                     "|",
                                     "Zamknij aktywne, podrzędne okno",
                                     "|",
                                     "Zakończ program Terravia"}));
    }

    // The table of the three locking operations, written out independently:
    // kind (menu/item/button), caption or hint, and start/end/client effects.
    void locking_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("client");
        auto row = [](const char *kind, const char *name, const char *s, const char *e, const char *c) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(kind, QString::fromUtf8(name))))
                << QString::fromLatin1(kind) << QString::fromUtf8(name) << s << e << c;
        };
        row("menu", "Plik", "", "", "off");
        row("menu", "Testy", "off", "on", "off");
        row("menu", "Sprawdź", "", "", "off");
        row("menu", "Opcje", "", "", "off");
        row("menu", "Ustawienia", "", "", "off");
        row("menu", "Pomoc", "", "", "off");
        row("item", "Zamknij program Terravia  [Alt + F4]", "off", "on", "");
        row("item", "Kreator testów", "off", "on", "");
        row("item", "Wyniki testów", "off", "on", "");
        row("item", "Filtruj wyniki testów  [F6]", "off", "on", "");
        row("item", "Zamknij aktywne okno  [Esc]", "on", "off", "");
        row("item", "Zresetuj Terravia", "", "", "off");
        row("item", "Co to za miejsce na ziemi", "", "", "off");
        row("item", "Wylosuj Test...", "", "", "");
        row("item", "Usuń wyniki testów  [Ctrl + U]", "", "", "");
        row("button", "Kreator testów", "off", "on", "off");
        row("button", "Wylosuj test...", "", "", "off");
        row("button", "Odgadnij. Co to za miejsce?", "", "", "off");
        row("button", "Wyniki testów", "off", "on", "off");
        row("button", "Filtruj wyniki testów", "off", "on", "off");
        row("button", "Sprawdź pliki testów", "", "", "off");
        row("button", "Architektura Klient-Server", "", "", "off");
        row("button", "Ustawienia programu", "", "", "off");
        row("button", "Użytkownicy programu", "", "", "off");
        row("button", "W teście Wszystko o... Pokazuj  aktualny wynik: NIE", "", "", "off");
        row("button", "Zresetuj Terravia", "", "", "off");
        row("button", "Napisz do autora", "", "", "off");
        row("button", "Zamknij aktywne, podrzędne okno", "on", "off", "off");
        row("button", "Zakończ program Terravia", "off", "on", "off");
        // Under the client-server lock these stay usable.
        row("button", "Legenda", "", "", "");
        row("button", "Informacje o Twoim komputerze", "", "", "");
        row("button", "Pomoc", "", "", "");
        row("button", "O programie", "", "", "");
    }
    void locking()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        MainWindow *w = form();
        QAction *control = kind == QLatin1String("menu")   ? menuByTitle(w, name)
                         : kind == QLatin1String("item")   ? itemByCaption(w, name)
                                                           : buttonByHint(w, name);
        QVERIFY2(control, qPrintable(name));
        const struct {
            const char *column;
            void (MainWindow::*op)();
        } ops[] = {{"start", &MainWindow::lockForTest},
                   {"end", &MainWindow::unlockAfterTest},
                   {"client", &MainWindow::lockForSession}};
        for (const auto &op : ops) {
            const QString expected = *static_cast<QString *>(QTest::qData(op.column, qMetaTypeId<QString>()));
            for (const bool before : {true, false}) {
                control->setEnabled(before);
                (w->*op.op)();
                const bool want = expected == QLatin1String("on") ? true
                                : expected == QLatin1String("off") ? false
                                                                   : before;
                QVERIFY2(control->isEnabled() == want,
                         qPrintable(QStringLiteral("%1 after %2 (was %3)").arg(name, op.column).arg(before)));
            }
        }
    }

    void lockingTouchesPanelsAndTexts()
    {
        MainWindow *w = form();
        w->setTitle(QStringLiteral("Test: Europa - Stolice"));
        w->setStatusText(1, QStringLiteral("Test: Europa - Stolice"));
        w->setWindowTitle(QStringLiteral("inny"));

        w->lockForTest();
        QVERIFY(!w->backgroundVisible());
        QCOMPARE(w->title(), QStringLiteral("Test: Europa - Stolice"));
        QCOMPARE(w->statusText(1), QStringLiteral("Test: Europa - Stolice"));
        QCOMPARE(w->windowTitle(), QStringLiteral("inny"));

        w->lockForSession();
        QCOMPARE(w->statusText(2), QStringLiteral("Tryb: Klient-Server"));
        QVERIFY(!w->backgroundVisible());
        QCOMPARE(w->title(), QStringLiteral("Test: Europa - Stolice"));

        w->unlockAfterTest();
        QVERIFY(w->backgroundVisible());
        QCOMPARE(w->title(), QString());
        QCOMPARE(w->statusText(1), QStringLiteral("Test: Oczekiwanie..."));
        QCOMPARE(w->windowTitle(), QStringLiteral("Terravia v2.4 [Klient]"));
        QCOMPARE(w->statusText(2), QStringLiteral("Tryb: Klient-Server")); // only the lock writes it
    }

    void exitRules_data()
    {
        QTest::addColumn<bool>("session");
        QTest::addColumn<bool>("child");
        QTest::addColumn<bool>("viaCloseRequest");
        QTest::addColumn<int>("messages");
        QTest::addColumn<int>("terminations");
        for (const bool viaClose : {false, true}) {
            const char *how = viaClose ? "close request" : "exit command";
            QTest::newRow(qPrintable(QStringLiteral("%1, idle").arg(how))) << false << false << viaClose << 0 << 1;
            QTest::newRow(qPrintable(QStringLiteral("%1, child open").arg(how)))
                << false << true << viaClose << 1 << 0;
            QTest::newRow(qPrintable(QStringLiteral("%1, session").arg(how))) << true << false << viaClose << 0 << 0;
            QTest::newRow(qPrintable(QStringLiteral("%1, session with child").arg(how)))
                << true << true << viaClose << 0 << 0;
        }
    }
    void exitRules()
    {
        QFETCH(bool, session);
        QFETCH(bool, child);
        QFETCH(bool, viaCloseRequest);
        QFETCH(int, messages);
        QFETCH(int, terminations);
        MainWindow *w = form();
        app->state().session.setActive(session);
        QPointer<QMdiSubWindow> sub;
        if (child) {
            sub = w->addChildWindow(new Child);
            sub->show();
        }
        bool accepted = false;
        if (viaCloseRequest) {
            QCloseEvent e;
            QCoreApplication::sendEvent(w, &e);
            accepted = e.isAccepted();
        } else {
            w->exitProgram();
        }
        QCOMPARE(services->messages.size(), messages);
        QCOMPARE(services->terminations, terminations);
        if (viaCloseRequest)
            QCOMPARE(accepted, terminations == 1);
        if (messages) {
            const auto &m = services->messages.first();
            QCOMPARE(m.text, QStringLiteral("Nie można zamknąć teraz programu, ponieważ jesteś obecnie w trybie "
                                            "rozwiązywania testu lub masz otwarte okno podrzędne.\r\nJeżeli chcesz "
                                            "zakończyć program: Skończ lub przerwij test i wówczas będzie można wyjść"));
            QCOMPARE(m.caption, QStringLiteral("Terravia"));
            QCOMPARE(m.icon, Services::Icon::Warning);
            QVERIFY(!w->backgroundVisible());
        } else {
            QVERIFY(w->backgroundVisible());
        }
        if (child)
            QVERIFY(sub); // never closed by the exit rules
    }

    void closeActiveChildRestoresTheCaption()
    {
        MainWindow *w = form();
        auto *stubborn = new Child;
        stubborn->mayClose = false;
        QPointer<QMdiSubWindow> sub = w->addChildWindow(stubborn);
        sub->show();
        w->childArea()->setActiveSubWindow(sub);
        w->setWindowTitle(QStringLiteral("Obecny test (2) z (7): Europa - Wyspy"));
        w->closeActiveChild();
        QVERIFY(sub); // the child decides
        QCOMPARE(w->windowTitle(), QStringLiteral("Terravia v2.4 [Klient]"));

        stubborn->mayClose = true;
        w->childArea()->setActiveSubWindow(sub);
        w->closeActiveChild();
        QTRY_VERIFY(!sub);
        QVERIFY(!w->hasChildWindow());
        w->closeActiveChild(); // nothing open: only the caption
        QCOMPARE(w->windowTitle(), QStringLiteral("Terravia v2.4 [Klient]"));
    }

    void showScoreToggle()
    {
        MainWindow *w = form();
        QAction *item = test::named<QAction>(w, "showScoreItem");
        QAction *button = w->findChild<QAction *>(QStringLiteral("showScoreButton"));
        const QString off = QStringLiteral("W teście Wszystko o... Pokazuj  aktualny wynik: NIE");
        const QString on = QStringLiteral("W teście Wszystko o... Pokazuj  aktualny wynik: TAK");
        QVERIFY(!w->showScoreOn());
        item->trigger();
        QVERIFY(w->showScoreOn());
        QVERIFY(item->isChecked());
        QVERIFY(button->isChecked());
        QCOMPARE(item->text(), on);
        QCOMPARE(button->toolTip(), on);
        button->trigger(); // the tool button does the same
        QVERIFY(!w->showScoreOn());
        QVERIFY(!item->isChecked());
        QVERIFY(!button->isChecked());
        QCOMPARE(item->text(), off);
        QCOMPARE(button->toolTip(), off);
    }

    void restart_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("restarts");
        QTest::addColumn<bool>("missingMessage");
        QTest::newRow("no") << int(QMessageBox::No) << "terravia" << false << false;
#ifndef Q_OS_WIN
        QTest::newRow("yes, program there") << int(QMessageBox::Yes) << "terravia" << true << false;
#endif
        QTest::newRow("yes, exe spelling") << int(QMessageBox::Yes) << "Terravia.exe" << true << false;
        QTest::newRow("yes, program missing") << int(QMessageBox::Yes) << "" << false << true;
    }
    void restart()
    {
        QFETCH(int, answer);
        QFETCH(QString, program);
        QFETCH(bool, restarts);
        QFETCH(bool, missingMessage);
        if (!program.isEmpty())
            data->write(program, "#!");
        services->answers << QMessageBox::StandardButton(answer);
        form()->askRestart();
        QCOMPARE(services->messages.first().text, QStringLiteral("Czy napewno chcesz zresetować serwer Terravia?"));
        QCOMPARE(services->messages.first().caption, QStringLiteral("Terravia: Reset..."));
        QCOMPARE(services->messages.first().icon, Services::Icon::Warning);
        QCOMPARE(services->messages.first().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(services->started.size(), restarts ? 1 : 0);
        QCOMPARE(services->terminations, restarts ? 1 : 0);
        QCOMPARE(services->messages.size(), missingMessage ? 2 : 1);
        if (missingMessage)
            QCOMPARE(services->lastText(), QStringLiteral("Nie mogę odszukać na Twoim dysku programu: Terravia [Klient]"));
    }

    void licence()
    {
        form()->openLicence();
        QCOMPARE(services->lastText(), QStringLiteral("Brak pliku Licencji na Twoim dysku"));
        QVERIFY(services->opened.isEmpty());
        data->write(QStringLiteral("CZYTAJTO.txt"), "Licencja");
        form()->openLicence();
        QCOMPARE(services->messages.size(), 1);
        QCOMPARE(services->opened.size(), 1);
        QCOMPARE(services->opened.first().toLocalFile(), data->file(QStringLiteral("CZYTAJTO.txt")));
    }

    void datePanelOnActivation()
    {
        test::ManualClock clock;
        clock.current = QDateTime(QDate(2026, 9, 1), QTime(8, 0));
        form()->onActivated();
        QCOMPARE(form()->statusText(3), QStringLiteral("Data: [%1]").arg(shortDate(QDate(2026, 9, 1))));
    }

    void keysOpenTheirCommands()
    {
        MainWindow *w = form();
        w->activateWindow();
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_F7);
        QCOMPARE(services->modals, QStringList{QStringLiteral("settingsDialog")});
        QTest::keyClick(w, Qt::Key_F8);
        QCOMPARE(services->modals.last(), QStringLiteral("networkSettingsDialog"));
        w->lockForSession(); // menus locked: the keys do nothing
        QTest::keyClick(w, Qt::Key_F7);
        QCOMPARE(services->modals.size(), 2);
    }
};

// Start-up decisions need a fresh set of windows each, with files in place
// before the main window reads them.
class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<Application> app;

private slots:
    void decision_data()
    {
        QTest::addColumn<QByteArray>("konf");
        QTest::addColumn<bool>("netConfigured");
        QTest::addColumn<bool>("creatorShown");
        QTest::addColumn<bool>("loginShown");
        QTest::newRow("no files: creator on top") << QByteArray() << false << true << false;
        QTest::newRow("creator option off") << QByteArray("1\r\n0\r\n") << false << false << false;
        QTest::newRow("creator option 2 is off") << QByteArray("1\r\n2\r\n") << false << false << false;
        QTest::newRow("empty konf: option 0") << QByteArray("") << false << false << false;
        QTest::newRow("client-server wins over the option") << QByteArray("1\r\n1\r\n") << true << false << true;
    }
    void decision()
    {
        QFETCH(QByteArray, konf);
        QFETCH(bool, netConfigured);
        QFETCH(bool, creatorShown);
        QFETCH(bool, loginShown);
        test::TempDataDir data;
        test::ScriptedServices services;
        if (!konf.isNull())
            data.write(QStringLiteral("konf.dat"), konf);
        if (netConfigured)
            data.write(QStringLiteral("Net_konf.dat"), "192.168.1.10\r\n");
        bool mainVisibleDuringLogin = true;
        services.onModal = [&](QDialog &) {
            mainVisibleDuringLogin = app->mainWindow().isVisible();
            return int(QDialog::Accepted);
        };
        app = std::make_unique<Application>();
        QWidget *creator = &app->creator();
        QVERIFY(creator->isVisible()); // visible right after its creation
        app->showStartWindows();
        QCOMPARE(creator->isVisible(), creatorShown);
        // A tool window of the main window, never above every window: the
        // dialogs opened while it is shown must come in front of it.
        QVERIFY(!(creator->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(creator->windowType(), Qt::Tool);
        QCOMPARE(creator->parentWidget(), &app->mainWindow());
        QCOMPARE(services.modals.contains(QStringLiteral("loginWindow")), loginShown);
        if (loginShown)
            QVERIFY(!mainVisibleDuringLogin);
        app.reset();
    }

    void settingsReadAtCreation()
    {
        test::TempDataDir data;
        test::ScriptedServices services;
        data.write(QStringLiteral("konf.dat"), "0\r\n1\r\nC:\\u.wav\r\n\r\n0\r\nOla\r\nJa\x9C\r\n");
        app = std::make_unique<Application>();
        MainWindow *w = &app->mainWindow();
        const ProgramSettings &settings = app->state().settings;
        QVERIFY(!settings.startMaximised());
        QCOMPARE(settings.current().startCreator, 1);
        QCOMPARE(settings.current().dropSound, QStringLiteral("C:\\u.wav"));
        QCOMPARE(settings.current().removePlacedNames, 0);
        QCOMPARE(test::named<QListWidget>(w, "usersList")->count(), 2);
        QCOMPARE(test::named<QListWidget>(w, "usersList")->item(1)->text(), QStringLiteral("Jaś"));
        QVERIFY(!test::named<QListWidget>(w, "usersList")->isVisible());
        QVERIFY(services.messages.isEmpty());
        app.reset();
    }

    void badSettingsLineIsReported()
    {
        test::TempDataDir data;
        test::ScriptedServices services;
        data.write(QStringLiteral("konf.dat"), "0\r\nnie\r\n\r\n\r\n1\r\nOla\r\n");
        app = std::make_unique<Application>();
        MainWindow *w = &app->mainWindow();
        QCOMPARE(services.messages.size(), 1);
        QVERIFY(services.lastText().contains(QLatin1String("konf.dat")));
        QVERIFY(services.lastText().contains(QLatin1String("wiersz 2")));
        QCOMPARE(services.messages.first().caption, QStringLiteral("Terravia"));
        QVERIFY(!app->state().settings.startMaximised()); // line 1 stays in force
        QCOMPARE(app->state().settings.current().removePlacedNames, 0);
        QCOMPARE(test::named<QListWidget>(w, "usersList")->count(), 0);
        app.reset();
    }

    void skinFileMakesTheToolBarTransparent()
    {
        test::TempDataDir data;
        test::ScriptedServices services;
        data.write(QStringLiteral("Skins.dat"), "3\r\n");
        data.write(QStringLiteral("niebo.skn"), "");
        app = std::make_unique<Application>();
        QVERIFY(app->mainWindow().toolbarTransparent());
        QCOMPARE(app->mainWindow().skinFiles(), QStringList{QStringLiteral("niebo.skn")});
        app.reset();
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    int status = 0;
    {
        TestMainWindow t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestStartup t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "tst_mainwindow.moc"
