#include "TKreator.h"

#include "DrawCategories.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Launch.h"
#include "catalogue/Tladuj.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "wizards/CreatorPages.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tv {

namespace {

constexpr int kWidth = 529;
constexpr int kHeight = 464;
const QString kDrawCaption = QStringLiteral("Zacznij losować");

TForm1 *mainWindow()
{
    return forms().Form1;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.5);
    l->setFont(f);
    return l;
}

} // namespace

TKreator::TKreator(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), background(QStringLiteral(":/pictures/kreator_tlo.png"))
{
    setObjectName(QStringLiteral("Kreator"));
    setWindowTitle(QStringLiteral("Kreator testów"));
    setFixedSize(kWidth, kHeight);
    setModal(false);
    // White texts on the navy picture; lists and buttons keep their own look.
    setStyleSheet(QStringLiteral(
        "QLabel, QGroupBox { color: white; }"
        "QGroupBox#opcje { background: rgba(255, 255, 255, 236); border: 1px solid #9fb3d6;"
        "  border-radius: 6px; margin-top: 4px; padding: 6px; }"
        "QGroupBox#opcje QRadioButton { color: #1f3a68; font-weight: bold; padding: 2px; }"
        "QGroupBox#kategorie { background: rgba(255, 255, 255, 236); border: 1px solid #9fb3d6;"
        "  border-radius: 6px; margin-top: 18px; padding: 4px; font-weight: bold; }"
        "QGroupBox#kategorie::title { subcontrol-origin: margin; left: 8px; color: white; }"
        "QGroupBox#kategorie QRadioButton { color: #1f3a68; }"
        "QListWidget#cmb_lista2 { font-size: 11pt; font-weight: bold; color: #1f3a68; }"
        "QListWidget#cmb_lista2::item { padding: 2px 4px; }"
        "QPushButton { min-height: 26px; padding: 0 12px; }"));

    PageControl1 = new QStackedWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(18, 14, kWidth - 36, kHeight - 74);

    PageControl1->addWidget(buildStartPage());
    // The topic pages in the order the page control holds them.
    const auto &items = creator::startItems();
    for (const QString &page : creator::pageOrder()) {
        if (page == QLatin1String("Poczatek"))
            continue;
        if (page == QLatin1String("Wszystkie_testy")) {
            PageControl1->addWidget(buildChainPage());
            continue;
        }
        if (page == QLatin1String("Random_laduj")) {
            PageControl1->addWidget(buildRandomPage());
            continue;
        }
        for (int i = 0; i < int(items.size()); ++i)
            if (items[i].page == page)
                PageControl1->addWidget(buildTopicPage(i));
    }

    Zamknij = new QPushButton(QStringLiteral("Zamknij Kreator"), this);
    Zamknij->setObjectName(QStringLiteral("Zamknij"));
    Zamknij->setGeometry(26, kHeight - 52, 150, 32);
    Zamknij->setAutoDefault(false);
    connect(Zamknij, &QPushButton::clicked, this, &TKreator::ZamknijClick);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TKreator::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &TKreator::Timer2Timer);
    centre();
}

// ---------------------------------------------------------------------------
// Building the pages

QWidget *TKreator::pageFrame(const QString &name, const QString &title)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    if (!title.isEmpty()) {
        auto *h = heading(title, page);
        h->setObjectName(name + QStringLiteral("_naglowek"));
        layout->addWidget(h);
    }
    return page;
}

QPushButton *TKreator::backButton(QWidget *page)
{
    auto *b = new QPushButton(QStringLiteral("<< Cofnij"), page);
    b->setObjectName(page->objectName() + QStringLiteral("_Cofnij"));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, &TKreator::CofnijClick);
    return b;
}

QPushButton *TKreator::loadButton(QWidget *page)
{
    auto *b = new QPushButton(QIcon(QStringLiteral(":/icons/wynik_testu.svg")), QStringLiteral("ZAŁADUJ TEST"), page);
    b->setObjectName(page->objectName() + QStringLiteral("_Zaladuj"));
    b->setAutoDefault(false);
    return b;
}

QWidget *TKreator::buildStartPage()
{
    QWidget *page = pageFrame(QStringLiteral("Poczatek"), QStringLiteral("Witaj w kreatorze Terravia"));
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    cmb_lista2 = new QListWidget(page);
    cmb_lista2->setObjectName(QStringLiteral("cmb_lista2"));
    for (const auto &item : creator::startItems())
        cmb_lista2->addItem(QStringLiteral("  ") + item.caption);
    cmb_lista2->installEventFilter(this);
    cmb_lista2->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *Dalej1 = new QAction(QStringLiteral("Dalej >>"), cmb_lista2);
    Dalej1->setObjectName(QStringLiteral("Dalej1"));
    cmb_lista2->addAction(Dalej1);
    connect(Dalej1, &QAction::triggered, this, &TKreator::DalejClick);
    connect(cmb_lista2, &QListWidget::itemClicked, this, &TKreator::cmb_lista2Click);
    connect(cmb_lista2, &QListWidget::itemDoubleClicked, this, &TKreator::DalejClick);
    layout->addWidget(cmb_lista2, 1);

    Dalej = new QPushButton(QStringLiteral("Dalej >>"), page);
    Dalej->setObjectName(QStringLiteral("Dalej"));
    Dalej->setToolTip(QStringLiteral("Idź dalej"));
    Dalej->setEnabled(false);
    Dalej->setAutoDefault(false);
    connect(Dalej, &QPushButton::clicked, this, &TKreator::DalejClick);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(Dalej);
    layout->addLayout(row);
    return page;
}

QWidget *TKreator::optionPage(const QString &name, const QString &title, const QStringList &captions,
                              void (TKreator::*load)())
{
    QWidget *page = pageFrame(name, title);
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    auto *group = new QGroupBox(page);
    group->setObjectName(QStringLiteral("opcje"));
    auto *gl = new QVBoxLayout(group);
    QList<QRadioButton *> radios;
    for (const QString &caption : captions) {
        auto *r = new QRadioButton(caption, group);
        gl->addWidget(r);
        radios << r;
    }
    radios.first()->setChecked(true);
    options.insert(name, radios);
    layout->addWidget(group);
    layout->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addWidget(backButton(page));
    row->addStretch(1);
    QPushButton *button = loadButton(page);
    connect(button, &QPushButton::clicked, this, load);
    row->addWidget(button);
    layout->addLayout(row);
    return page;
}

QWidget *TKreator::buildTopicPage(int startIndex)
{
    const auto &item = creator::startItems()[startIndex];
    QStringList captions;
    for (const auto &o : item.options)
        captions << o.caption;
    return optionPage(item.page, item.heading, captions, &TKreator::loadTopic);
}

QWidget *TKreator::buildChainPage()
{
    QStringList captions;
    for (const auto &o : creator::chainOptions())
        captions << o.caption;
    return optionPage(QStringLiteral("Wszystkie_testy"), QStringLiteral("Karta: WSZYSTKO O..."), captions,
                      &TKreator::loadChain);
}

QWidget *TKreator::buildRandomPage()
{
    QWidget *page = pageFrame(QStringLiteral("Random_laduj"), QString());
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    l_test = new QLabel(draw::kNotDrawn, page);
    l_test->setObjectName(QStringLiteral("l_test"));
    l_test->setAlignment(Qt::AlignCenter);
    l_test->setMinimumHeight(44);
    l_test->setWordWrap(true);
    QFont f = l_test->font();
    f.setBold(true);
    l_test->setFont(f);
    layout->addWidget(l_test);

    auto *group = new QGroupBox(QStringLiteral("Kateegorie losowania"), page);
    group->setObjectName(QStringLiteral("kategorie"));
    categories = addCategoryButtons(group, this);
    for (int i = 0; i < categories.size(); ++i) {
        const draw::Category c = categoryButtons().at(i).category;
        connect(categories[i], &QRadioButton::clicked, this, [this, c] { chooseCategory(c); });
    }
    ListBox1 = new QListWidget(page);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    ListBox1->hide();
    auto *middle = new QHBoxLayout;
    middle->addWidget(group);
    middle->addWidget(ListBox1, 1);
    layout->addLayout(middle, 1);

    auto *row = new QHBoxLayout;
    row->addWidget(backButton(page));
    row->addStretch(1);
    auto *losuj = new QPushButton(QStringLiteral("Losuj"), page);
    losuj->setObjectName(QStringLiteral("losuj"));
    losuj->setToolTip(QStringLiteral("Losuj test"));
    losuj->setAutoDefault(false);
    connect(losuj, &QPushButton::clicked, this, &TKreator::losujClick);
    row->addWidget(losuj);
    QPushButton *load = loadButton(page);
    connect(load, &QPushButton::clicked, this, &TKreator::loadRandom);
    row->addWidget(load);
    layout->addLayout(row);
    return page;
}

// ---------------------------------------------------------------------------
// Showing and closing

void TKreator::centre()
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
}

void TKreator::showPlain()
{
    setFixedSize(kWidth, kHeight);
    centre();
    show();
    raise();
    activateWindow();
}

void TKreator::openAnimated()
{
    clearMask();
    setMinimumSize(1, 1);
    setMaximumSize(kWidth, kHeight);
    int w = 112;
    int h = 27;
    resize(w, h);
    centre();
    show();
    raise();
    while (w != kWidth || h != kHeight) {
        h = qMin(h + kHeight / 5, kHeight);
        w = qMin(w + kWidth / 5, kWidth);
        resize(w, h);
        centre();
        waitMs(40);
    }
    setFixedSize(kWidth, kHeight);
    TForm1 *main = mainWindow();
    main->commandAction(Command::MenuTesty)->setEnabled(false);
    main->commandAction(Command::ButtonKreator)->setEnabled(false);
    main->commandAction(Command::ItemKreator)->setEnabled(false);
}

void TKreator::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Runs when the creator appears, not whenever it regains focus: coming
    // back from a message must leave the pupil on the page they were on.
    if (!event->spontaneous())
        FormActivate();
}

void TKreator::FormActivate()
{
    QCoreApplication::processEvents();
    showPage(QStringLiteral("Poczatek"));
    Timer1->start();
    board.activate();
    ListBox1->clear();
    ListBox1->addItems(board.list);
}

void TKreator::Timer1Timer()
{
    Timer1->stop();
    QPainterPath path;
    path.addRoundedRect(QRectF(4, 4, width() - 8, height() - 8), 12.5, 12.5);
    clearMask();
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void TKreator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (background.isNull())
        p.fillRect(rect(), QColor(0x1f, 0x3a, 0x68));
    else
        p.drawPixmap(rect(), background);
}

void TKreator::ZamknijClick()
{
    mainWindow()->Menu_test_koniec();
    resetTitle();
    hide();
}

void TKreator::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        ZamknijClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TKreator::event(QEvent *event)
{
    // The shape follows every activation: a window that the window system
    // maps again loses it.
    if (event->type() == QEvent::WindowActivate)
        Timer1->start();
    return QDialog::event(event);
}

bool TKreator::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cmb_lista2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            DalejClick();
            return true; // swallowed
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Pages

QString TKreator::currentPage() const
{
    return PageControl1->currentWidget()->objectName();
}

void TKreator::showPage(const QString &name)
{
    for (int i = 0; i < PageControl1->count(); ++i)
        if (PageControl1->widget(i)->objectName() == name)
            PageControl1->setCurrentIndex(i);
}

QRadioButton *TKreator::option(const QString &page, const QString &caption) const
{
    for (QRadioButton *r : options.value(page))
        if (r->text() == caption)
            return r;
    return nullptr;
}

void TKreator::resetTitle()
{
    l_test->setText(draw::kNotDrawn);
}

void TKreator::cmb_lista2Click()
{
    Dalej->setEnabled(true);
}

void TKreator::DalejClick()
{
    if (currentPage() != QLatin1String("Poczatek"))
        return;
    const int index = cmb_lista2->currentRow();
    if (index < 0 || !cmb_lista2->currentItem() || !cmb_lista2->currentItem()->isSelected())
        return;
    const auto &item = creator::startItems().at(index);
    if (item.target == creator::Target::Game) {
        if (QAction *game = mainWindow()->menuItem(QStringLiteral("Cotozamiejscenaziemi1")))
            game->trigger();
        hide();
        return;
    }
    showPage(item.page);
}

void TKreator::CofnijClick()
{
    showPage(QStringLiteral("Poczatek"));
    resetTitle();
}

void TKreator::loadTopic()
{
    const QString page = currentPage();
    QString caption;
    for (QRadioButton *r : options.value(page))
        if (r->isChecked())
            caption = r->text();
    const creator::Option *chosen = nullptr;
    for (const auto &item : creator::startItems())
        if (item.page == page)
            for (const auto &o : item.options)
                if (o.caption == caption)
                    chosen = &o;
    const CatalogueEntry *entry = chosen ? catalogue::findByTitle(chosen->title) : nullptr;
    if (!entry)
        return;

    TForm1 *main = mainWindow();
    setHourglass(true);
    main->composite.flag = 0;
    main->setTitleStrip(entry->title);
    main->setStatusText(1, creator::statusTextFor(page, caption, entry->title));
    main->Menu_test_start();
    forms().laduj->showNow();
    main->request = {entry->configurationFile, entry->descriptionFile, entry->pictureFile};
    const QString names[3] = {entry->configurationFile, entry->descriptionFile, entry->pictureFile};
    for (int i = 0; i < 3; ++i) {
        if (files::dataExists(names[i]))
            continue;
        // Never reported to the server: the pupil sees the message, the
        // creator stays on this page.
        setHourglass(false);
        showMessage(this, missingFileMessage(i), kMissingFileCaption, Services::Icon::Information);
        forms().laduj->hide();
        main->Menu_test_koniec();
        return;
    }
    hide();
    main->setBackgroundPanelVisible(false);
    main->openTestWindow();
}

void TKreator::loadChain()
{
    const QList<QRadioButton *> radios = options.value(QStringLiteral("Wszystkie_testy"));
    int index = 0;
    for (int i = 0; i < radios.size(); ++i)
        if (radios[i]->isChecked())
            index = i;
    const creator::ChainOption &o = creator::chainOptions().at(index);
    TForm1 *main = mainWindow();
    if (!main->Sprawdzenie(o.chain)) {
        showMessage(this, kChainMissingText, kChainMissingCaption, Services::Icon::Warning);
        return;
    }
    main->composite = {1, o.chain, 1, o.taskTotal};
    setHourglass(true);
    main->setTitleStrip(o.title);
    main->setStatusText(1, o.status);
    main->setWindowTitle(o.status);
    main->Menu_test_start();
    forms().laduj->showNow();
    main->request = {o.configurationFile, o.descriptionFile, o.pictureFile};
    hide();
    main->openTestWindow();
}

// ---------------------------------------------------------------------------
// The random page

void TKreator::chooseCategory(draw::Category category)
{
    resetTitle();
    ListBox1->hide();
    board.choose(category);
    ListBox1->clear();
    ListBox1->addItems(board.list);
    if (category == draw::Category::Custom)
        ListBox1->show();
}

void TKreator::losujClick()
{
    setHourglass(true);
    const auto outcome = board.draw(markedRows(ListBox1));
    if (outcome.nothingSelected) {
        setHourglass(false);
        showMessage(this, QStringLiteral("NIe zaznaczono na liście żadnego testu"), kDrawCaption,
                    Services::Icon::Information);
        return;
    }
    QFont f = l_test->font();
    f.setPointSize(8);
    l_test->setFont(f);
    l_test->setText(board.shown);
    Timer2->start();
    setHourglass(false);
}

void TKreator::Timer2Timer()
{
    QFont f = l_test->font();
    if (f.pointSize() >= 18) {
        Timer2->stop();
        return;
    }
    f.setPointSize(f.pointSize() + 2);
    l_test->setFont(f);
}

void TKreator::loadRandom()
{
    if (l_test->text() == draw::kNotDrawn) {
        showMessage(this, QStringLiteral("NIe wykosowano jeszcze żadnego testu. Wciśnij przycisk: Losuj"),
                    kDrawCaption, Services::Icon::Warning);
        return;
    }
    if (const auto code = draw::codeForTitle(l_test->text()))
        mainWindow()->launchCode(*code);
    hide();
}

} // namespace tv
