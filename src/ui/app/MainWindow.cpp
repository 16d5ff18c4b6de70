#include "MainWindow.h"

#include "catalogue/Catalogue.h"
#include "catalogue/OwnTests.h"
#include "extras/Help.h"
#include "net/Session.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "profile/ProgramSettings.h"
#include "profile/SkinLook.h"
#include "profile/Skins.h"
#include "platform/Look.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#ifdef TERRAVIA_HAVE_SVG
#include <QSvgRenderer>
#endif
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tv {

MainWindow::MainWindow(ProgramSettings &settings, const Session &session, QWidget *parent)
    : QMainWindow(parent), settings(settings), session(session), startMaximised(settings.startMaximised())
{
    setObjectName(QStringLiteral("mainWindow"));
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

    // Skins: the presence of Skins.dat draws the tool bar transparent; the
    // skin it names gives the frame and the test windows their look.
    standardPalette = palette();
    if (files::dataExists(QStringLiteral("Skins.dat"))) {
        skins = QDir(files::dataDir()).entryList({QStringLiteral("*.skn")}, QDir::Files, QDir::Name);
        letPendingEventsRun();
        setToolbarTransparent(true);
        useSkinLook(skins::readChoice(files::dataDir()).value_or(0));
    } else {
        setToolbarTransparent(false);
    }

    // The hidden list of registered users follows the settings in force.
    auto showUsers = [this](const QStringList &names) {
        users->clear();
        users->addItems(names);
    };
    showUsers(settings.users());
    connect(&settings, &ProgramSettings::usersChanged, this, showUsers);

    // Centred on the screen in normal size; maximised as the settings say.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size(qMin(1100, area.width() - 40), qMin(760, area.height() - 40));
        setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
    }
}

MainWindow::~MainWindow()
{
    closeChildrenForShutdown();
}

// ---------------------------------------------------------------------------
// Building the window

QAction *MainWindow::item(QMenu *menu, const QString &name, const QString &caption, Slot slot)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(name);
    // Captions are shown as written: no "&" mnemonics in them.
    a->setIconVisibleInMenu(false);
    menu->addAction(a);
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    return a;
}

QAction *MainWindow::button(const QString &name, const QString &icon, const QString &hint, Slot slot)
{
    auto *a = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)), hint, this);
    a->setObjectName(name);
    a->setToolTip(hint);
    toolBar->addAction(a);
    if (QWidget *w = toolBar->widgetForAction(a))
        w->setObjectName(name + QStringLiteral("Widget"));
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    return a;
}

void MainWindow::buildToolBar()
{
    toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(22, 22));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, toolBar);

    auto set = [this](Command c, QAction *a) { commands[static_cast<int>(c)] = a; };
    set(Command::ButtonCreator, button(QStringLiteral("creatorButton"), QStringLiteral("kreator"),
                                       QStringLiteral("Kreator testów"), &MainWindow::creatorRequested));
    set(Command::ButtonRandomTest, button(QStringLiteral("randomTestButton"), QStringLiteral("losuj"),
                                          QStringLiteral("Wylosuj test..."), &MainWindow::randomTestRequested));
    toolBar->addSeparator();
    set(Command::ButtonPlaceGame, button(QStringLiteral("placeGameButton"), QStringLiteral("miejsce"),
                                         QStringLiteral("Odgadnij. Co to za miejsce?"),
                                         &MainWindow::placeGameRequested));
    toolBar->addSeparator();
    set(Command::ButtonResults, button(QStringLiteral("resultsButton"), QStringLiteral("wyniki"),
                                       QStringLiteral("Wyniki testów"), &MainWindow::resultsRequested));
    set(Command::ButtonFilter, button(QStringLiteral("filterButton"), QStringLiteral("filtr"),
                                      QStringLiteral("Filtruj wyniki testów"), &MainWindow::filterRequested));
    toolBar->addSeparator();
    set(Command::ButtonFileCheck, button(QStringLiteral("fileCheckButton"), QStringLiteral("sprawdz_pliki"),
                                         QStringLiteral("Sprawdź pliki testów"), &MainWindow::fileCheckRequested));
    set(Command::ButtonNetwork, button(QStringLiteral("networkButton"), QStringLiteral("siec"),
                                       QStringLiteral("Architektura Klient-Server"),
                                       &MainWindow::networkSettingsRequested));
    set(Command::ButtonSettings, button(QStringLiteral("settingsButton"), QStringLiteral("ustawienia"),
                                        QStringLiteral("Ustawienia programu"), &MainWindow::settingsRequested));
    toolBar->addSeparator();
    set(Command::ButtonUsers, button(QStringLiteral("usersButton"), QStringLiteral("uzytkownicy"),
                                     QStringLiteral("Użytkownicy programu"), &MainWindow::usersRequested));
    button(QStringLiteral("legendButton"), QStringLiteral("legenda"), QStringLiteral("Legenda"),
           &MainWindow::legendRequested);
    toolBar->addSeparator();
    showScoreButton = button(QStringLiteral("showScoreButton"), QStringLiteral("pokaz_wynik"), texts::kShowScoreOff,
                             nullptr);
    showScoreButton->setCheckable(true);
    QIcon toggle;
    toggle.addFile(QStringLiteral(":/icons/pokaz_wynik_wyl.svg"), QSize(), QIcon::Normal, QIcon::Off);
    toggle.addFile(QStringLiteral(":/icons/pokaz_wynik.svg"), QSize(), QIcon::Normal, QIcon::On);
    showScoreButton->setIcon(toggle);
    set(Command::ButtonShowScore, showScoreButton);
    toolBar->addSeparator();
    set(Command::ButtonRestart, button(QStringLiteral("restartButton"), QStringLiteral("reset"),
                                       QStringLiteral("Zresetuj Terravia"), &MainWindow::askRestart));
    toolBar->addSeparator();
    set(Command::ButtonMail, button(QStringLiteral("mailButton"), QStringLiteral("napisz"),
                                    QStringLiteral("Napisz do autora"), &MainWindow::mailRequested));
    button(QStringLiteral("computerInfoButton"), QStringLiteral("info_komputer"),
           QStringLiteral("Informacje o Twoim komputerze"), &MainWindow::openComputerInfo);
    button(QStringLiteral("helpButton"), QStringLiteral("pomoc"), QStringLiteral("Pomoc"), &MainWindow::openHelp);
    button(QStringLiteral("aboutButton"), QStringLiteral("o_programie"), QStringLiteral("O programie"),
           &MainWindow::aboutRequested);
    toolBar->addSeparator();
    set(Command::ButtonCloseChild, button(QStringLiteral("closeChildButton"), QStringLiteral("zamknij_okno"),
                                          QStringLiteral("Zamknij aktywne, podrzędne okno"),
                                          &MainWindow::closeActiveChild));
    commandAction(Command::ButtonCloseChild)->setEnabled(false);
    toolBar->addSeparator();
    set(Command::ButtonExit, button(QStringLiteral("exitButton"), QStringLiteral("zakoncz"),
                                    QStringLiteral("Zakończ program Terravia"), &MainWindow::exitProgram));
}

void MainWindow::buildTitleStrip()
{
    addToolBarBreak(Qt::TopToolBarArea);
    titleStrip = new QToolBar(this);
    titleStrip->setObjectName(QStringLiteral("titleStrip"));
    titleStrip->setMovable(false);
    titleStrip->setFloatable(false);
    titleStrip->setFixedHeight(20);
    titleStrip->setContentsMargins(0, 0, 0, 0);
    titleStrip->layout()->setContentsMargins(0, 0, 0, 0);
    titleLabel = new QLabel(titleStrip);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    QFont f = titleLabel->font();
    f.setBold(true);
    f.setPixelSize(13);
    titleLabel->setFont(f);
    setTextColour(titleLabel, QColor(0, 0, 255));
    titleStrip->addWidget(titleLabel);
    addToolBar(Qt::TopToolBarArea, titleStrip);
}

void MainWindow::buildBackground()
{
    mdi = new QMdiArea(this);
    mdi->setObjectName(QStringLiteral("childArea"));
    mdi->setBackground(QColor(128, 128, 128));
    mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi);

    // The grey background panel with its stretched picture lies under the
    // child windows; it hides while a test runs.
    background = new QWidget(mdi->viewport());
    background->setObjectName(QStringLiteral("backgroundPanel"));
    fillBackground(background, QColor(192, 192, 192));
    backgroundPicture = new QLabel(background);
    backgroundPicture->setObjectName(QStringLiteral("backgroundPicture"));
    backgroundPicture->setScaledContents(true);
    backgroundNatural = QPixmap(QStringLiteral(":/pictures/tlo.png"));
    backgroundPicture->setPixmap(backgroundNatural);
    // Resizes come in bursts: the picture is drawn anew once they settle.
    backgroundSharpen = new QTimer(this);
    backgroundSharpen->setObjectName(QStringLiteral("backgroundSharpen"));
    backgroundSharpen->setSingleShot(true);
    backgroundSharpen->setInterval(150);
    connect(backgroundSharpen, &QTimer::timeout, this, &MainWindow::sharpenBackground);
    users = new QListWidget(background);
    users->setObjectName(QStringLiteral("usersList"));
    users->hide();
    background->lower();
    mdi->viewport()->installEventFilter(this);
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    auto set = [this](Command c, QAction *a) { commands[static_cast<int>(c)] = a; };

    QMenu *file = bar->addMenu(QStringLiteral("&Plik"));
    file->setObjectName(QStringLiteral("fileMenu"));
    set(Command::MenuFile, file->menuAction());
    set(Command::ItemResults, item(file, QStringLiteral("resultsItem"), QStringLiteral("Wyniki testów"),
                                   &MainWindow::resultsRequested));
    set(Command::ItemFilter, item(file, QStringLiteral("filterItem"), QStringLiteral("Filtruj wyniki testów  [F6]"),
                                  &MainWindow::filterRequested));
    set(Command::ItemPrintResults, item(file, QStringLiteral("printItem"),
                                        QStringLiteral("Drukuj wyniki testów  [Ctrl + P]"),
                                        &MainWindow::printRequested));
    commandAction(Command::ItemPrintResults)->setEnabled(false);
    item(file, QStringLiteral("worksheetItem"), QStringLiteral("Drukuj kartę pracy..."),
         &MainWindow::worksheetRequested);
    set(Command::ItemDeleteResults, item(file, QStringLiteral("deleteResultsItem"),
                                         QStringLiteral("Usuń wyniki testów  [Ctrl + U]"),
                                         &MainWindow::deleteResultsRequested));
    file->addSeparator();
    set(Command::ItemOwnNew, item(file, QStringLiteral("ownNewItem"), QStringLiteral("Nowy własny test..."),
                                  &MainWindow::ownTestNewRequested));
    set(Command::ItemOwnEdit, item(file, QStringLiteral("ownEditItem"), QStringLiteral("Edytuj własny test..."),
                                   &MainWindow::ownTestEditRequested));
    set(Command::ItemOwnImport, item(file, QStringLiteral("ownImportItem"), QStringLiteral("Importuj test..."),
                                     &MainWindow::ownTestImportRequested));
    set(Command::ItemOwnExport, item(file, QStringLiteral("ownExportItem"), QStringLiteral("Eksportuj test..."),
                                     &MainWindow::ownTestExportRequested));
    file->addSeparator();
    set(Command::ItemCloseChild, item(file, QStringLiteral("closeChildItem"),
                                      QStringLiteral("Zamknij aktywne okno  [Esc]"), &MainWindow::closeActiveChild));
    commandAction(Command::ItemCloseChild)->setEnabled(false);
    file->addSeparator();
    set(Command::ItemExit, item(file, QStringLiteral("exitItem"), QStringLiteral("Zamknij program Terravia  [Alt + F4]"),
                                &MainWindow::exitProgram));

    QMenu *tests = bar->addMenu(QStringLiteral("&Testy"));
    tests->setObjectName(QStringLiteral("testsMenu"));
    set(Command::MenuTests, tests->menuAction());
    set(Command::ItemCreator, item(tests, QStringLiteral("creatorItem"), QStringLiteral("Kreator testów"),
                                   &MainWindow::creatorRequested));
    item(tests, QStringLiteral("randomTestItem"), QStringLiteral("Wylosuj Test..."), &MainWindow::randomTestRequested);
    tests->addSeparator();
    buildTestsMenu(tests);

    QMenu *check = bar->addMenu(QStringLiteral("&Sprawdź"));
    check->setObjectName(QStringLiteral("checkMenu"));
    set(Command::MenuCheck, check->menuAction());
    set(Command::ItemPlaceGame, item(check, QStringLiteral("placeGameItem"), QStringLiteral("Co to za miejsce na ziemi"),
                                     &MainWindow::placeGameRequested));

    QMenu *options = bar->addMenu(QStringLiteral("&Opcje"));
    options->setObjectName(QStringLiteral("optionsMenu"));
    set(Command::MenuOptions, options->menuAction());
    showScoreItem = item(options, QStringLiteral("showScoreItem"), texts::kShowScoreOff, nullptr);
    showScoreItem->setCheckable(true);
    // A checkable action has already flipped its mark when it reports the
    // click; both controls then follow that new state.
    for (QAction *a : {showScoreItem, showScoreButton})
        connect(a, &QAction::triggered, this, &MainWindow::setShowScore);
    fitMapItem = item(options, QStringLiteral("fitMapItem"), QStringLiteral("Dopasuj mapę do okna"), nullptr);
    fitMapItem->setCheckable(true);
    fitMapItem->setChecked(settings.fitMap());
    connect(fitMapItem, &QAction::triggered, this, [this](bool on) {
        const Status saved = settings.setFitMap(files::userConfigDir(), on);
        if (!saved)
            showMessage(this, saved.message, QStringLiteral("Terravia"), Services::Icon::Error);
    });
    connect(&settings, &ProgramSettings::fitMapChanged, fitMapItem, &QAction::setChecked);
    options->addSeparator();
    item(options, QStringLiteral("computerInfoItem"), QStringLiteral("Info o Twoim komputerze"),
         &MainWindow::openComputerInfo);
    options->addSeparator();
    item(options, QStringLiteral("screenItem"), QStringLiteral("Zmień rozdzielczość ekranu"),
         &MainWindow::screenAdviceRequested);
    options->addSeparator();
    set(Command::ItemRestart, item(options, QStringLiteral("restartItem"), QStringLiteral("Zresetuj Terravia"),
                                   &MainWindow::askRestart));

    QMenu *settingsMenu = bar->addMenu(QStringLiteral("&Ustawienia"));
    settingsMenu->setObjectName(QStringLiteral("settingsMenu"));
    set(Command::MenuSettings, settingsMenu->menuAction());
    settingsItem = item(settingsMenu, QStringLiteral("settingsItem"), QStringLiteral("Ustawienia programu  [F7]"),
                        &MainWindow::settingsRequested);
    networkItem = item(settingsMenu, QStringLiteral("networkItem"), QStringLiteral("Architektura Klient-Server  [F8]"),
                       &MainWindow::networkSettingsRequested);
    settingsMenu->addSeparator();
    item(settingsMenu, QStringLiteral("fileCheckItem"), QStringLiteral("Sprawdź pliki konfiguracyjne tesów"),
         &MainWindow::fileCheckRequested);
    settingsMenu->addSeparator();
    usersItem = item(settingsMenu, QStringLiteral("usersItem"), QStringLiteral("Użytkownicy  [F9]"),
                     &MainWindow::usersRequested);
    settingsMenu->addSeparator();
    item(settingsMenu, QStringLiteral("legendItem"), QStringLiteral("Legenda  [F2]"), &MainWindow::legendRequested);
    item(settingsMenu, QStringLiteral("skinsItem"), QStringLiteral("Zmień skórę"), &MainWindow::skinsRequested);

    QMenu *help = bar->addMenu(QStringLiteral("Po&moc"));
    help->setObjectName(QStringLiteral("helpMenu"));
    set(Command::MenuHelp, help->menuAction());
    item(help, QStringLiteral("helpItem"), QStringLiteral("Pomoc  [F1]"), &MainWindow::openHelp);
    item(help, QStringLiteral("webPageItem"), QStringLiteral("Odwiedź stronę WWW"), &MainWindow::webPageRequested);
    item(help, QStringLiteral("mailItem"), QStringLiteral("Napisz do autora"), &MainWindow::mailRequested);
    help->addSeparator();
    item(help, QStringLiteral("licenceItem"), QStringLiteral("Licencja"), &MainWindow::openLicence);
    help->addSeparator();
    item(help, QStringLiteral("aboutItem"), QStringLiteral("O programie"), &MainWindow::aboutRequested);
}

void MainWindow::buildTestsMenu(QMenu *tests)
{
    for (const QString &group : catalogue::menuGroups()) {
        QMenu *sub = tests->addMenu(group);
        for (const CatalogueEntry &e : catalogue::singleTests()) {
            if (e.menu != group)
                continue;
            QAction *a = sub->addAction(e.item);
            a->setObjectName(QStringLiteral("test%1").arg(e.code));
            const int code = e.code;
            connect(a, &QAction::triggered, this, [this, code] { emit testChosen(code); });
        }
    }
    QMenu *own = tests->addMenu(QStringLiteral("Moje testy"));
    own->setObjectName(QStringLiteral("ownTestsMenu"));
    connect(own, &QMenu::aboutToShow, this, [this, own] { fillOwnTestsMenu(own); });
    fillOwnTestsMenu(own);
    tests->addSeparator();
    QMenu *chains = tests->addMenu(catalogue::kChainMenu);
    for (const ChainEntry &c : catalogue::chainEntries()) {
        QAction *a = chains->addAction(c.item);
        a->setObjectName(QStringLiteral("test%1").arg(c.code));
        const int code = c.code;
        connect(a, &QAction::triggered, this, [this, code] { emit testChosen(code); });
    }
}

void MainWindow::fillOwnTestsMenu(QMenu *menu)
{
    menu->clear();
    // The teacher's server assigns tests by their codes, and own tests
    // have none it knows.
    if (session.active()) {
        menu->addAction(QStringLiteral("Niedostępne w trybie Klient-Server"))->setEnabled(false);
        return;
    }
    const QString folder = owntests::folder();
    const QList<owntests::Listed> tests = owntests::list(folder);
    if (tests.isEmpty())
        menu->addAction(QStringLiteral("(brak własnych testów)"))->setEnabled(false);
    for (const owntests::Listed &t : tests) {
        // "&" in a title is the teacher's text, not a mnemonic.
        QAction *a = menu->addAction(QString(t.title).replace(u'&', QStringLiteral("&&")));
        a->setObjectName(QStringLiteral("ownTest_") + t.code);
        const QString code = t.code;
        const QString title = t.title;
        connect(a, &QAction::triggered, this, [this, folder, code, title] { emit ownTestChosen(folder, code, title); });
    }
}

void MainWindow::buildStatusBar()
{
    QStatusBar *sb = statusBar();
    sb->setObjectName(QStringLiteral("statusBar"));
    sb->setSizeGripEnabled(true);
    const int widths[4] = {130, 350, 130, 90};
    const QString initial[4] = {texts::kCaption, texts::kIdleStatus, texts::kLocalMode, QStringLiteral("Data: ")};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(initial[i], sb);
        l->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        // The designed widths, widened where this system's font needs more
        // room for the texts the panel holds.
        const QString widest = i == DatePanel ? QStringLiteral("Data: [%1]").arg(shortDate(QDate(2026, 12, 28)))
                                              : initial[i];
        l->setFixedWidth(qMax(widths[i], l->fontMetrics().horizontalAdvance(widest) + 16));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setContentsMargins(3, 0, 3, 0);
        sb->addWidget(l);
        panels[i] = l;
    }
}

void MainWindow::bindKeys()
{
    // The keys shown in the menu captions; each works only while its menu
    // item could be chosen.
    const struct {
        QKeySequence key;
        QAction *item;
    } keys[] = {
        {QKeySequence(Qt::Key_F7), settingsItem},
        {QKeySequence(Qt::Key_F8), networkItem},
        {QKeySequence(Qt::Key_F9), usersItem},
        {QKeySequence(Qt::CTRL | Qt::Key_P), commandAction(Command::ItemPrintResults)},
        {QKeySequence(Qt::CTRL | Qt::Key_U), commandAction(Command::ItemDeleteResults)},
    };
    for (const auto &k : keys) {
        auto *sc = new QShortcut(k.key, this);
        QAction *item = k.item;
        connect(sc, &QShortcut::activated, this, [this, item] { triggerIfChoosable(item); });
    }
}

bool MainWindow::triggerIfChoosable(QAction *a)
{
    if (!a->isEnabled())
        return false;
    const auto menus = menuBar()->actions();
    for (QAction *m : menus)
        if (m->menu() && m->menu()->actions().contains(a) && !m->isEnabled())
            return false;
    a->trigger();
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // [F1], [F2] and [F6] as the menus print them. Plain key presses rather
    // than shortcuts: a test window, which has the same keys for the same
    // commands, takes them first while it is open. Help and the legend stay
    // usable under the session lock, like their tool buttons.
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_F1) {
        event->accept();
        openHelp();
        return;
    }
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_F2) {
        event->accept();
        emit legendRequested();
        return;
    }
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_F6) {
        event->accept();
        triggerIfChoosable(commandAction(Command::ItemFilter));
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---------------------------------------------------------------------------
// What the window shows

QString MainWindow::title() const
{
    return titleLabel->text();
}

void MainWindow::setTitle(const QString &text)
{
    titleLabel->setText(text);
}

QString MainWindow::statusText(int panel) const
{
    return panels.at(panel)->text();
}

void MainWindow::setStatusText(int panel, const QString &text)
{
    panels.at(panel)->setText(text);
}

void MainWindow::setCaption(const QString &text)
{
    setWindowTitle(text);
}

bool MainWindow::showScoreOn() const
{
    return showScoreButton->isChecked();
}

bool MainWindow::hasChildWindow() const
{
    return !mdi->subWindowList().isEmpty();
}

QMdiSubWindow *MainWindow::addChildWindow(QWidget *child)
{
    // Child windows fill the client area without a frame of their own: the
    // main window's caption stays what the program sets, and the pupil sees
    // one title bar, not two.
    QMdiSubWindow *sub = mdi->addSubWindow(child, Qt::FramelessWindowHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(sub, &QObject::destroyed, this, &MainWindow::childWindowClosed);
    return sub;
}

void MainWindow::closeChildrenForShutdown()
{
    // Closed child windows wait for their deferred deletion outside the
    // area's list; they go too.
    for (QMdiSubWindow *sub : mdi->findChildren<QMdiSubWindow *>()) {
        disconnect(sub, nullptr, this, nullptr);
        delete sub;
    }
}

bool MainWindow::backgroundVisible() const
{
    return background->isVisibleTo(mdi->viewport());
}

void MainWindow::setBackgroundVisible(bool visible)
{
    background->setVisible(visible);
    if (visible)
        background->lower();
}

void MainWindow::setToolbarTransparent(bool transparent)
{
    transparentToolbar = transparent;
    toolBar->setAutoFillBackground(!transparent);
    toolBar->setStyleSheet(transparent ? QStringLiteral("QToolBar { background: transparent; border: none; }")
                                       : QString());
}

void MainWindow::applySkin(int index)
{
    setToolbarTransparent(index != 0);
    useSkinLook(index);
}

void MainWindow::useSkinLook(int index)
{
    // A skin that cannot be read leaves the standard look.
    skins::SkinLoad load;
    if (index != 0)
        load = skins::loadSkin(files::dataDir(), index);
    const bool skinned = index != 0 && load.status.ok;
    skinIndex = skinned ? index : 0;
    const SkinLook look = skinned ? makeSkinLook(load.skin, standardPalette, files::dataDir()) : SkinLook{};

    // Menus are windows of their own and take no palette from the frame.
    const QPalette pal = skinned ? look.palette : QPalette();
    setPalette(pal);
    for (QMenu *menu : findChildren<QMenu *>())
        menu->setPalette(pal);
    backgroundBuiltIn = look.picture.isNull();
    backgroundNatural = backgroundBuiltIn ? QPixmap(QStringLiteral(":/pictures/tlo.png")) : look.picture;
    backgroundSharper = look.pictureSharper;
    backgroundPicture->setPixmap(backgroundNatural);
    sharpenBackground();
    mdi->setBackground(look.area.isValid() ? look.area : QColor(128, 128, 128));
    setTextColour(titleLabel, look.title.isValid() ? look.title : QColor(0, 0, 255));
    skinTestPicture = look.testPicture;
}

// ---------------------------------------------------------------------------
// Locking

void MainWindow::applyLock(LockOperation op)
{
    for (int i = 0; i < static_cast<int>(Command::Count); ++i) {
        const Effect e = lockEffect(op, static_cast<Command>(i));
        if (e != Effect::Untouched)
            commands[i]->setEnabled(e == Effect::Enable);
    }
}

void MainWindow::setCommandEnabled(Command command, bool enabled)
{
    commandAction(command)->setEnabled(enabled);
}

void MainWindow::lockForTest()
{
    applyLock(LockOperation::TestStart);
    background->hide();
}

void MainWindow::unlockAfterTest()
{
    applyLock(LockOperation::TestEnd);
    setBackgroundVisible(true);
    setTitle(QString());
    setStatusText(TestPanel, texts::kIdleStatus);
    setCaption(texts::kCaption);
}

void MainWindow::lockForSession()
{
    applyLock(LockOperation::ClientLock);
    setStatusText(ModePanel, texts::kClientMode);
}

// ---------------------------------------------------------------------------
// Commands

void MainWindow::refuseExit()
{
    showMessage(this, texts::kRefuseExit, QStringLiteral("Terravia"), Services::Icon::Warning);
    background->hide();
}

void MainWindow::exitProgram()
{
    switch (decideExit(session.active(), hasChildWindow())) {
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

void MainWindow::closeEvent(QCloseEvent *event)
{
    switch (decideExit(session.active(), hasChildWindow())) {
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

void MainWindow::closeActiveChild()
{
    // The current child, also while another top-level window (a message,
    // the teacher's prompt) has the focus.
    if (QMdiSubWindow *active = mdi->currentSubWindow())
        active->close();
    setCaption(texts::kCaption);
}

void MainWindow::askRestart()
{
    const auto answer = showMessage(this, QStringLiteral("Czy napewno chcesz zresetować serwer Terravia?"),
                                    QStringLiteral("Terravia: Reset..."), Services::Icon::Warning,
                                    QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        restartProgram();
}

void MainWindow::restartProgram()
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

void MainWindow::setShowScore(bool on)
{
    // The menu item's check mark is the state; the tool button is shown
    // pressed exactly when it is on.
    showScoreItem->setChecked(on);
    showScoreButton->setChecked(on);
    const QString &text = on ? texts::kShowScoreOn : texts::kShowScoreOff;
    showScoreItem->setText(text);
    showScoreButton->setText(text);
    showScoreButton->setToolTip(text);
}

void MainWindow::openLicence()
{
    if (!files::dataExists(QStringLiteral("CZYTAJTO.txt"))) {
        showMessage(this, QStringLiteral("Brak pliku Licencji na Twoim dysku"), QStringLiteral("Terravia"),
                    Services::Icon::Warning);
        return;
    }
    Services::get().openWithDesktop(fileUrl(files::dataPath(QStringLiteral("CZYTAJTO.txt"))));
}

void MainWindow::openHelp()
{
    tv::openHelp(this, kNoHelp);
}

void MainWindow::openComputerInfo()
{
#ifdef Q_OS_WIN
    openSystemInformationProgram();
#else
    emit computerInfoRequested();
#endif
}

void MainWindow::openSystemInformationProgram()
{
    const QString program = files::findProgram(files::dataDir(), QStringLiteral("Sys_Info.exe"));
    if (program.isEmpty()) {
        showMessage(this, QStringLiteral("BŁĄD: Nie mogę odszukać programu Sys_Info.exe na Twoin dysku"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        return;
    }
    Services::get().startProgram(program);
}

// ---------------------------------------------------------------------------
// Showing and activation

void MainWindow::showAsConfigured()
{
    if (startMaximised)
        showMaximized();
    else
        showNormal();
}

void MainWindow::onActivated()
{
    setStatusText(DatePanel, QStringLiteral("Data: [%1]").arg(shortDate(Clock::current().now().date())));
    letPendingEventsRun();
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        onActivated();
    return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mdi->viewport() && event->type() == QEvent::Resize) {
        const QRect r = mdi->viewport()->rect();
        background->setGeometry(r);
        backgroundPicture->setGeometry(background->rect());
        backgroundSharpen->start();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::sharpenBackground()
{
    const qreal ratio = devicePixelRatioF();
    const QSize need = (QSizeF(background->size()) * ratio).toSize();
    const QSize natural = backgroundNatural.size();
    if (need.width() <= natural.width() && need.height() <= natural.height()) {
        backgroundPicture->setPixmap(backgroundNatural);
        return;
    }
#ifdef TERRAVIA_HAVE_SVG
    const bool drawnFromSource = backgroundBuiltIn;
#else
    const bool drawnFromSource = false;
#endif
    if (!drawnFromSource) {
        backgroundPicture->setPixmap(backgroundSharper.isNull() ? backgroundNatural : backgroundSharper);
        return;
    }
    if (backgroundRendered.size() != need) {
        QImage image(need, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
#ifdef TERRAVIA_HAVE_SVG
        QSvgRenderer(QStringLiteral(":/pictures/tlo.svg")).render(&painter);
#endif
        painter.end();
        backgroundRendered = QPixmap::fromImage(image);
    }
    backgroundPicture->setPixmap(backgroundRendered);
}

} // namespace tv
