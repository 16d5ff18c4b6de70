#include "TForm1.h"

#include "Forms.h"
#include "catalogue/TT_wszystkie_spr.h"
#include "extras/TLegenda.h"
#include "profile/TUzytkownicy_programu.h"
#include "extras/TO_mnie.h"
#include "extras/Te_mail.h"
#include "net/TA_KS.h"
#include "net/TLink_Server.h"
#include "profile/TUstawienia.h"
#include "wizards/TKreator.h"
#include "wizards/TLosuj.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/System.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tv {

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(texts::kCaption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/terravia.svg")));
    setContextMenuPolicy(Qt::PreventContextMenu); // no "hide the tool bar" menu
    setAttribute(Qt::WA_AlwaysShowToolTips);

    buildToolBar();
    buildTitleStrip();
    buildBackground();
    buildMenus();
    buildStatusBar();
    bindKeys();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    // Skins: the presence of Skins.dat draws the tool bar transparent.
    if (files::dataExists(QStringLiteral("Skins.dat"))) {
        skinDir = files::dataDir() + QDir::separator();
        skinFiles = QDir(files::dataDir()).entryList({QStringLiteral("*.skn")}, QDir::Files, QDir::Name);
        QCoreApplication::processEvents();
        setToolbarTransparent(true);
    } else {
        setToolbarTransparent(false);
    }

    composite.flag = 0;
    session.disconnectReason = 11;
    readSettingsAtStart();
    osKind = detectOsKind();

    // Centred on the screen in normal size; maximised as the settings say.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size(qMin(1100, area.width() - 40), qMin(760, area.height() - 40));
        setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    }
}

TForm1::~TForm1() = default;

void TForm1::readSettingsAtStart()
{
    const SettingsLoad load = loadSettings(files::dataDir());
    settings = load.settings;
    if (load.maximise)
        maximised = *load.maximise;
    setUsers(settings.users);
    if (!load.error)
        showMessage(this, load.error.message, QStringLiteral("Terravia"), Services::Icon::Error);
}

// ---------------------------------------------------------------------------
// Building the window

QAction *TForm1::item(QMenu *menu, const QString &name, const QString &caption, void (TForm1::*slot)())
{
    auto *a = new QAction(caption, this);
    a->setObjectName(name);
    // Captions are shown as written: no "&" mnemonics in them.
    a->setIconVisibleInMenu(false);
    menu->addAction(a);
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    else
        connect(a, &QAction::triggered, this, &TForm1::notBuiltYet);
    return a;
}

QAction *TForm1::button(const QString &name, const QString &icon, const QString &hint, void (TForm1::*slot)())
{
    auto *a = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)), hint, this);
    a->setObjectName(name);
    a->setToolTip(hint);
    ToolBar1->addAction(a);
    if (QWidget *w = ToolBar1->widgetForAction(a))
        w->setObjectName(name + QStringLiteral("_btn"));
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    else
        connect(a, &QAction::triggered, this, &TForm1::notBuiltYet);
    return a;
}

void TForm1::notBuiltYet()
{
    // Commands whose windows come with later parts of the program.
}

void TForm1::buildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(22, 22));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto set = [this](Command c, QAction *a) { commands[static_cast<int>(c)] = a; };
    set(Command::ButtonKreator, button(QStringLiteral("n_test"), QStringLiteral("kreator"),
                                       QStringLiteral("Kreator testów"), &TForm1::KreatorClick));
    set(Command::ButtonWylosuj, button(QStringLiteral("Wylosuj_test"), QStringLiteral("losuj"),
                                       QStringLiteral("Wylosuj test..."), &TForm1::WylosujClick));
    ToolBar1->addSeparator();
    set(Command::ButtonOdgadnij, button(QStringLiteral("Odgadnij_btn"), QStringLiteral("miejsce"),
                                        QStringLiteral("Odgadnij. Co to za miejsce?")));
    ToolBar1->addSeparator();
    set(Command::ButtonWyniki, button(QStringLiteral("Wyniki_btn"), QStringLiteral("wyniki"),
                                      QStringLiteral("Wyniki testów"), &TForm1::WynikiClick));
    set(Command::ButtonFiltruj, button(QStringLiteral("Filtruj_btn"), QStringLiteral("filtr"),
                                       QStringLiteral("Filtruj wyniki testów"), &TForm1::FiltrujClick));
    ToolBar1->addSeparator();
    set(Command::ButtonSprawdzPliki, button(QStringLiteral("Sprawdz_btn"), QStringLiteral("sprawdz_pliki"),
                                            QStringLiteral("Sprawdź pliki testów"), &TForm1::SprawdzPlikiClick));
    set(Command::ButtonArchitektura, button(QStringLiteral("Architektura_btn"), QStringLiteral("siec"),
                                            QStringLiteral("Architektura Klient-Server"),
                                            &TForm1::ArchitekturaClick));
    set(Command::ButtonUstawienia, button(QStringLiteral("Ustawienia_btn"), QStringLiteral("ustawienia"),
                                          QStringLiteral("Ustawienia programu"), &TForm1::UstawieniaClick));
    ToolBar1->addSeparator();
    set(Command::ButtonUzytkownicy, button(QStringLiteral("Uzytkownicy_btn"), QStringLiteral("uzytkownicy"),
                                           QStringLiteral("Użytkownicy programu"), &TForm1::UzytkownicyClick));
    button(QStringLiteral("Legenda_btn"), QStringLiteral("legenda"), QStringLiteral("Legenda"), &TForm1::LegendaClick);
    ToolBar1->addSeparator();
    jaka_r = button(QStringLiteral("jaka_r"), QStringLiteral("pokaz_wynik"), texts::kShowScoreOff);
    jaka_r->setCheckable(true);
    QIcon toggle;
    toggle.addFile(QStringLiteral(":/icons/pokaz_wynik_wyl.svg"), QSize(), QIcon::Normal, QIcon::Off);
    toggle.addFile(QStringLiteral(":/icons/pokaz_wynik.svg"), QSize(), QIcon::Normal, QIcon::On);
    jaka_r->setIcon(toggle);
    set(Command::ButtonPokazWynik, jaka_r);
    ToolBar1->addSeparator();
    set(Command::ButtonZresetuj, button(QStringLiteral("Zresetuj_btn"), QStringLiteral("reset"),
                                        QStringLiteral("Zresetuj Terravia"), &TForm1::ZresetujClick));
    ToolBar1->addSeparator();
    set(Command::ButtonNapisz, button(QStringLiteral("Napisz_btn"), QStringLiteral("napisz"),
                                      QStringLiteral("Napisz do autora"), &TForm1::NapiszClick));
    button(QStringLiteral("Info_btn"), QStringLiteral("info_komputer"), QStringLiteral("Informacje o Twoim komputerze"),
           &TForm1::InfoClick);
    button(QStringLiteral("Pomoc_btn"), QStringLiteral("pomoc"), QStringLiteral("Pomoc"), &TForm1::PomocClick);
    button(QStringLiteral("O_programie_btn"), QStringLiteral("o_programie"), QStringLiteral("O programie"),
           &TForm1::OProgramieClick);
    ToolBar1->addSeparator();
    set(Command::ButtonZamknijOkno, button(QStringLiteral("Zamknij_okno_btn"), QStringLiteral("zamknij_okno"),
                                           QStringLiteral("Zamknij aktywne, podrzędne okno"),
                                           &TForm1::Zamknij_MDIClick));
    commandAction(Command::ButtonZamknijOkno)->setEnabled(false);
    ToolBar1->addSeparator();
    set(Command::ButtonZakoncz, button(QStringLiteral("Zakoncz_btn"), QStringLiteral("zakoncz"),
                                       QStringLiteral("Zakończ program Terravia"), &TForm1::ZakonczClick));
}

void TForm1::buildTitleStrip()
{
    addToolBarBreak(Qt::TopToolBarArea);
    ToolBar2 = new QToolBar(this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setMovable(false);
    ToolBar2->setFloatable(false);
    ToolBar2->setFixedHeight(20);
    ToolBar2->setContentsMargins(0, 0, 0, 0);
    ToolBar2->layout()->setContentsMargins(0, 0, 0, 0);
    tytul = new QLabel(ToolBar2);
    tytul->setObjectName(QStringLiteral("tytul"));
    tytul->setAlignment(Qt::AlignCenter);
    tytul->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    QFont f = tytul->font();
    f.setBold(true);
    f.setPixelSize(13);
    tytul->setFont(f);
    QPalette pal = tytul->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    tytul->setPalette(pal);
    ToolBar2->addWidget(tytul);
    addToolBar(Qt::TopToolBarArea, ToolBar2);
}

void TForm1::buildBackground()
{
    mdi = new QMdiArea(this);
    mdi->setObjectName(QStringLiteral("mdi"));
    mdi->setBackground(QColor(128, 128, 128));
    mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi);

    // The grey background panel with its stretched picture lies under the
    // child windows; it hides while a test runs.
    tlo = new QWidget(mdi->viewport());
    tlo->setObjectName(QStringLiteral("tlo"));
    tlo->setAutoFillBackground(true);
    QPalette pal = tlo->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    tlo->setPalette(pal);
    tloObraz = new QLabel(tlo);
    tloObraz->setObjectName(QStringLiteral("Image1"));
    tloObraz->setScaledContents(true);
    tloObraz->setPixmap(QPixmap(QStringLiteral(":/pictures/tlo.png")));
    lista = new QListWidget(tlo);
    lista->setObjectName(QStringLiteral("lista"));
    lista->hide();
    tlo->lower();
    mdi->viewport()->installEventFilter(this);
}

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto set = [this](Command c, QAction *a) { commands[static_cast<int>(c)] = a; };

    QMenu *plik = bar->addMenu(QStringLiteral("Plik"));
    plik->setObjectName(QStringLiteral("Plik1"));
    set(Command::MenuPlik, plik->menuAction());
    set(Command::ItemWyniki,
        item(plik, QStringLiteral("Wynikitestw1"), QStringLiteral("Wyniki testów"), &TForm1::WynikiClick));
    set(Command::ItemFiltruj, item(plik, QStringLiteral("Filtrujwynikitestw1"),
                                   QStringLiteral("Filtruj wyniki testów  [F6]"), &TForm1::FiltrujClick));
    item(plik, QStringLiteral("Drukujwynikitestw1"), QStringLiteral("Drukuj wyniki testów  [Ctrl + P]"),
         &TForm1::DrukujClick)
        ->setEnabled(false);
    item(plik, QStringLiteral("Usuwyniki1"), QStringLiteral("Usuń wyniki testów  [Ctrl + U]"), &TForm1::UsunWynikiClick);
    plik->addSeparator();
    set(Command::ItemZamknijOkno, item(plik, QStringLiteral("Zamknijaktywneokno1"),
                                       QStringLiteral("Zamknij aktywne okno  [Esc]"), &TForm1::Zamknij_MDIClick));
    commandAction(Command::ItemZamknijOkno)->setEnabled(false);
    plik->addSeparator();
    set(Command::ItemZamknijProgram, item(plik, QStringLiteral("ZamknijprogramTerravia1"),
                                          QStringLiteral("Zamknij program Terravia  [Alt + F4]"),
                                          &TForm1::ZakonczClick));

    QMenu *testy = bar->addMenu(QStringLiteral("Testy"));
    testy->setObjectName(QStringLiteral("Testy1"));
    set(Command::MenuTesty, testy->menuAction());
    set(Command::ItemKreator,
        item(testy, QStringLiteral("Nowytest1"), QStringLiteral("Kreator testów"), &TForm1::KreatorClick));
    item(testy, QStringLiteral("Wylosuj"), QStringLiteral("Wylosuj Test..."), &TForm1::WylosujClick);
    testy->addSeparator();
    buildTestsMenu(testy);

    QMenu *sprawdz = bar->addMenu(QStringLiteral("Sprawdź"));
    sprawdz->setObjectName(QStringLiteral("Sprawd1"));
    set(Command::MenuSprawdz, sprawdz->menuAction());
    set(Command::ItemCoToZaMiejsce,
        item(sprawdz, QStringLiteral("Cotozamiejscenaziemi1"), QStringLiteral("Co to za miejsce na ziemi")));

    QMenu *opcje = bar->addMenu(QStringLiteral("Opcje"));
    opcje->setObjectName(QStringLiteral("Opcje1"));
    set(Command::MenuOpcje, opcje->menuAction());
    Pokaz_wynik1 = item(opcje, QStringLiteral("Pokaz_wynik1"), texts::kShowScoreOff);
    Pokaz_wynik1->setCheckable(true);
    // A checkable action has already flipped its mark when it reports the
    // click; both controls then follow that new state.
    for (QAction *a : {Pokaz_wynik1, jaka_r}) {
        disconnect(a, &QAction::triggered, this, nullptr);
        connect(a, &QAction::triggered, this, &TForm1::setShowScore);
    }
    opcje->addSeparator();
    item(opcje, QStringLiteral("InfooTwoimkomputerze1"), QStringLiteral("Info o Twoim komputerze"), &TForm1::InfoClick);
    opcje->addSeparator();
    item(opcje, QStringLiteral("Zmierozdzielczoekranu1"), QStringLiteral("Zmień rozdzielczość ekranu"));
    opcje->addSeparator();
    set(Command::ItemZresetuj,
        item(opcje, QStringLiteral("ZresetujTerravia1"), QStringLiteral("Zresetuj Terravia"), &TForm1::ZresetujClick));

    QMenu *ust = bar->addMenu(QStringLiteral("Ustawienia"));
    ust->setObjectName(QStringLiteral("Ustawienia1"));
    set(Command::MenuUstawienia, ust->menuAction());
    item(ust, QStringLiteral("Ustawieniaprogramu1"), QStringLiteral("Ustawienia programu  [F7]"),
         &TForm1::UstawieniaClick);
    item(ust, QStringLiteral("ArchitekturaKlientServer1"), QStringLiteral("Architektura Klient-Server  [F8]"),
         &TForm1::ArchitekturaClick);
    ust->addSeparator();
    item(ust, QStringLiteral("Sprawdplikikonfiguracyjne1"), QStringLiteral("Sprawdź pliki konfiguracyjne tesów"),
         &TForm1::SprawdzPlikiClick);
    ust->addSeparator();
    item(ust, QStringLiteral("Uytkownicy1"), QStringLiteral("Użytkownicy  [F9]"), &TForm1::UzytkownicyClick);
    ust->addSeparator();
    item(ust, QStringLiteral("Legenda1"), QStringLiteral("Legenda  [F2]"), &TForm1::LegendaClick);
    item(ust, QStringLiteral("Zmieskr1"), QStringLiteral("Zmień skórę"))->setVisible(false);

    QMenu *pomoc = bar->addMenu(QStringLiteral("Pomoc"));
    pomoc->setObjectName(QStringLiteral("Pomoc1"));
    set(Command::MenuPomoc, pomoc->menuAction());
    item(pomoc, QStringLiteral("PomocF11"), QStringLiteral("Pomoc  [F1]"), &TForm1::PomocClick);
    item(pomoc, QStringLiteral("OdwiedstronWWW1"), QStringLiteral("Odwiedź stronę WWW"));
    item(pomoc, QStringLiteral("Napiszdoautora1"), QStringLiteral("Napisz do autora"), &TForm1::NapiszClick);
    pomoc->addSeparator();
    item(pomoc, QStringLiteral("Licencja1"), QStringLiteral("Licencja"), &TForm1::LicencjaClick);
    pomoc->addSeparator();
    item(pomoc, QStringLiteral("Oprogramie1"), QStringLiteral("O programie"), &TForm1::OProgramieClick);
}

void TForm1::buildStatusBar()
{
    QStatusBar *sb = statusBar();
    sb->setObjectName(QStringLiteral("StatusBar1"));
    sb->setSizeGripEnabled(true);
    const int widths[4] = {130, 350, 130, 90};
    const QString initial[4] = {texts::kCaption, texts::kIdleStatus, texts::kLocalMode, QStringLiteral("Data: ")};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(initial[i], sb);
        l->setObjectName(QStringLiteral("Panel%1").arg(i));
        // The designed widths, widened where this system's font needs more
        // room for the texts the panel holds.
        const QString widest = i == 3 ? QStringLiteral("Data: [%1]").arg(shortDate(QDate(2026, 12, 28))) : initial[i];
        l->setFixedWidth(qMax(widths[i], l->fontMetrics().horizontalAdvance(widest) + 16));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setContentsMargins(3, 0, 3, 0);
        sb->addWidget(l);
        panels[i] = l;
    }
}

void TForm1::bindKeys()
{
    // The keys shown in the menu captions; each works only while its menu
    // item could be chosen.
    const struct {
        QKeySequence key;
        const char *item;
    } keys[] = {
        {QKeySequence(Qt::Key_F7), "Ustawieniaprogramu1"},
        {QKeySequence(Qt::Key_F8), "ArchitekturaKlientServer1"},
        {QKeySequence(Qt::Key_F9), "Uytkownicy1"},
        {QKeySequence(Qt::CTRL | Qt::Key_P), "Drukujwynikitestw1"},
        {QKeySequence(Qt::CTRL | Qt::Key_U), "Usuwyniki1"},
    };
    for (const auto &k : keys) {
        auto *sc = new QShortcut(k.key, this);
        const QString name = QString::fromLatin1(k.item);
        connect(sc, &QShortcut::activated, this, [this, name] {
            QAction *a = menuItem(name);
            if (!a || !a->isEnabled())
                return;
            const auto menus = menuBar()->actions();
            for (QAction *m : menus)
                if (m->menu() && m->menu()->actions().contains(a) && !m->isEnabled())
                    return;
            a->trigger();
        });
    }
}

// ---------------------------------------------------------------------------
// State shown by the window

QAction *TForm1::menuItem(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

QString TForm1::titleStrip() const
{
    return tytul->text();
}

void TForm1::setTitleStrip(const QString &text)
{
    tytul->setText(text);
}

QString TForm1::statusText(int panel) const
{
    return panels.at(panel)->text();
}

void TForm1::setStatusText(int panel, const QString &text)
{
    panels.at(panel)->setText(text);
}

bool TForm1::showScoreOn() const
{
    return jaka_r->isChecked();
}

bool TForm1::hasChildWindow() const
{
    return !mdi->subWindowList().isEmpty();
}

QMdiSubWindow *TForm1::addChildWindow(QWidget *child)
{
    // Child windows fill the client area without a frame of their own: the
    // main window's caption stays what the program sets, and the pupil sees
    // one title bar, not two.
    QMdiSubWindow *sub = mdi->addSubWindow(child, Qt::FramelessWindowHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(sub, &QObject::destroyed, this, &TForm1::childWindowClosed);
    return sub;
}

void TForm1::setUsers(const QStringList &users)
{
    settings.users = users;
    lista->clear();
    lista->addItems(users);
}

bool TForm1::backgroundPanelVisible() const
{
    return tlo->isVisibleTo(mdi->viewport());
}

void TForm1::setBackgroundPanelVisible(bool visible)
{
    tlo->setVisible(visible);
    if (visible)
        tlo->lower();
}

void TForm1::setToolbarTransparent(bool transparent)
{
    transparentToolbar = transparent;
    ToolBar1->setAutoFillBackground(!transparent);
    ToolBar1->setStyleSheet(transparent ? QStringLiteral("QToolBar { background: transparent; border: none; }")
                                        : QString());
}

// ---------------------------------------------------------------------------
// Locking

void TForm1::applyLock(LockOperation op)
{
    for (int i = 0; i < static_cast<int>(Command::Count); ++i) {
        const Effect e = lockEffect(op, static_cast<Command>(i));
        if (e != Effect::Untouched)
            commands[i]->setEnabled(e == Effect::Enable);
    }
}

void TForm1::Menu_test_start()
{
    applyLock(LockOperation::TestStart);
    tlo->hide();
}

void TForm1::Menu_test_koniec()
{
    applyLock(LockOperation::TestEnd);
    tlo->show();
    tlo->lower();
    setTitleStrip(QString());
    setStatusText(1, texts::kIdleStatus);
    setWindowTitle(texts::kCaption);
}

void TForm1::Menu_KS()
{
    applyLock(LockOperation::ClientLock);
    setStatusText(2, texts::kClientMode);
}

// ---------------------------------------------------------------------------
// Commands

void TForm1::refuseExit()
{
    showMessage(this, texts::kRefuseExit, QStringLiteral("Terravia"), Services::Icon::Warning);
    tlo->hide();
}

void TForm1::ZakonczClick()
{
    switch (decideExit(session.flag == 1, hasChildWindow())) {
    case ExitDecision::Ignore:
        return;
    case ExitDecision::RefuseWhileChildOpen:
        refuseExit();
        return;
    case ExitDecision::Terminate:
        Services::get().terminateApplication();
        return;
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    switch (decideExit(session.flag == 1, hasChildWindow())) {
    case ExitDecision::Ignore:
        event->ignore();
        return;
    case ExitDecision::RefuseWhileChildOpen:
        event->ignore();
        refuseExit();
        return;
    case ExitDecision::Terminate:
        event->accept();
        Services::get().terminateApplication();
        return;
    }
}

void TForm1::Zamknij_MDIClick()
{
    if (QMdiSubWindow *active = mdi->activeSubWindow())
        active->close();
    setWindowTitle(texts::kCaption);
}

void TForm1::ZresetujClick()
{
    const auto answer = showMessage(this, QStringLiteral("Czy napewno chcesz zresetować serwer Terravia?"),
                                    QStringLiteral("Terravia: Reset..."), Services::Icon::Warning,
                                    QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        Restart_programu();
}

void TForm1::Restart_programu()
{
    const QString exe = files::findProgram(files::dataDir(), QStringLiteral("Terravia.exe"));
    if (exe.isEmpty()) {
        showMessage(this, QStringLiteral("Nie mogę odszukać na Twoim dysku programu: Terravia [Klient]"),
                    QStringLiteral("Terravia"), Services::Icon::Warning);
        return;
    }
    Services::get().startProgram(exe);
    Services::get().terminateApplication();
}

void TForm1::Pokaz_wynikClick()
{
    setShowScore(!Pokaz_wynik1->isChecked());
}

void TForm1::setShowScore(bool on)
{
    // The menu item's check mark is the state; the tool button is shown
    // pressed exactly when it is on.
    Pokaz_wynik1->setChecked(on);
    jaka_r->setChecked(on);
    const QString &text = on ? texts::kShowScoreOn : texts::kShowScoreOff;
    Pokaz_wynik1->setText(text);
    jaka_r->setText(text);
    jaka_r->setToolTip(text);
}

void TForm1::LicencjaClick()
{
    if (!files::dataExists(QStringLiteral("CZYTAJTO.txt"))) {
        showMessage(this, QStringLiteral("Brak pliku Licencji na Twoim dysku"), QStringLiteral("Terravia"),
                    Services::Icon::Warning);
        return;
    }
    Services::get().openWithDesktop(fileUrl(files::dataPath(QStringLiteral("CZYTAJTO.txt"))));
}

void TForm1::KreatorClick()
{
    forms().Kreator->openAnimated();
}

void TForm1::WylosujClick()
{
    TLosuj random(this);
    Services::get().execModal(random);
}

void TForm1::SprawdzPlikiClick()
{
    TT_wszystkie_spr check(this);
    Services::get().execModal(check);
}

void TForm1::UzytkownicyClick()
{
    TUzytkownicy_programu users(this);
    Services::get().execModal(users);
}

void TForm1::LegendaClick()
{
    TLegenda legend(this);
    Services::get().execModal(legend);
}

void TForm1::sendLine(const QString &)
{
    // The session connection comes with client-server mode; until then no
    // line leaves the program.
}

void TForm1::sendResultReport(const QStringList &)
{
}

void TForm1::PomocClick()
{
    if (!files::dataExists(QStringLiteral("Pocz.chm"))) {
        showMessage(this, QStringLiteral("BŁĄD: Nie mogę odszukać programu Pomocy na Twoim dysku"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        return;
    }
    Services::get().openWithDesktop(fileUrl(files::dataPath(QStringLiteral("Pocz.chm"))));
}

void TForm1::InfoClick()
{
    const QString program = files::findProgram(files::dataDir(), QStringLiteral("Sys_Info.exe"));
    if (program.isEmpty()) {
        showMessage(this, QStringLiteral("BŁĄD: Nie mogę odszukać programu Sys_Info.exe na Twoin dysku"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        return;
    }
    Services::get().startProgram(program);
}

void TForm1::NapiszClick()
{
    Services::get().execModal(*forms().e_mail);
}

void TForm1::OProgramieClick()
{
    Services::get().execModal(*forms().O_mnie);
}

void TForm1::UstawieniaClick()
{
    Services::get().execModal(*forms().Ustawienia);
}

void TForm1::ArchitekturaClick()
{
    Services::get().execModal(*forms().A_KS);
}

// ---------------------------------------------------------------------------
// Showing and activation

void TForm1::FormShow()
{
    Forms &f = forms();
    QWidget *creator = f.Kreator;
    if (files::dataExists(QStringLiteral("Net_konf.dat"))) {
        creator->close();
        Services::get().execModal(*f.Link_Server);
        return;
    }
    if (Settings::on(settings.startCreator)) {
        creator->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        QCoreApplication::processEvents();
        f.Kreator->showPlain();
    } else {
        creator->setWindowFlag(Qt::WindowStaysOnTopHint, false);
        creator->close();
    }
}

void TForm1::showAsConfigured()
{
    if (maximised)
        showMaximized();
    else
        showNormal();
}

void TForm1::FormActivate()
{
    setStatusText(3, QStringLiteral("Data: [%1]").arg(shortDate(Clock::current().now().date())));
    QCoreApplication::processEvents();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mdi->viewport() && event->type() == QEvent::Resize) {
        const QRect r = mdi->viewport()->rect();
        tlo->setGeometry(r);
        tloObraz->setGeometry(tlo->rect());
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tv
