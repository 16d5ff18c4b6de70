#include "CreatorWizard.h"

#include "DrawCategories.h"
#include "app/Shell.h"
#include "catalogue/Catalogue.h"
#include "catalogue/OwnTests.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "wizards/CreatorPages.h"
#include "platform/KeptSpellings.h"

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

CreatorWizard::CreatorWizard(Shell &shell, QWidget *parent)
    // A tool window of the main window: above it, never above the dialogs
    // and messages that open over the program.
    : QDialog(parent, Qt::Tool | Qt::FramelessWindowHint), shell(shell),
      background(QStringLiteral(":/pictures/kreator_tlo.png"))
{
    setObjectName(QStringLiteral("creatorWizard"));
    setWindowTitle(QStringLiteral("Kreator testów"));
    setFixedSize(kWidth, kHeight);
    setModal(false);
    // White texts on the navy picture; lists and buttons keep their own look.
    // Every rule names the creator's own widgets: a message box opened over
    // the creator is its child too, and must keep the standard colours.
    setStyleSheet(QStringLiteral(
        "QStackedWidget#pages QLabel, QStackedWidget#pages QGroupBox { color: white; }"
        "QGroupBox#options { background: rgba(255, 255, 255, 236); border: 1px solid #9fb3d6;"
        "  border-radius: 6px; margin-top: 4px; padding: 6px; }"
        "QGroupBox#options QRadioButton { color: #1f3a68; font-weight: bold; padding: 2px; }"
        "QGroupBox#categories { background: rgba(255, 255, 255, 236); border: 1px solid #9fb3d6;"
        "  border-radius: 6px; margin-top: 18px; padding: 4px; font-weight: bold; }"
        "QGroupBox#categories::title { subcontrol-origin: margin; left: 8px; color: white; }"
        "QGroupBox#categories QRadioButton { color: #1f3a68; }"
        "QListWidget#startList { font-size: 11pt; font-weight: bold; color: #1f3a68; }"
        "QListWidget#startList::item { padding: 2px 4px; }"
        "QStackedWidget#pages QPushButton, QPushButton#closeButton { min-height: 26px; padding: 0 12px; }"));

    pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    pages->setGeometry(18, 14, kWidth - 36, kHeight - 74);

    pages->addWidget(buildStartPage());
    // The topic pages in the order the page control holds them.
    const auto &items = creator::startItems();
    for (const QString &page : creator::pageOrder()) {
        if (page == QLatin1String("startPage"))
            continue;
        if (page == QLatin1String("chainsPage")) {
            pages->addWidget(buildChainPage());
            continue;
        }
        if (page == QLatin1String("randomPage")) {
            pages->addWidget(buildRandomPage());
            continue;
        }
        for (int i = 0; i < int(items.size()); ++i)
            if (items[i].page == page)
                pages->addWidget(buildTopicPage(i));
    }
    pages->addWidget(buildOwnPage());

    closeButton = new QPushButton(QStringLiteral("Zamknij Kreator"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setGeometry(26, kHeight - 52, 150, 32);
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &CreatorWizard::closeCreator);

    shapeDelay = new QTimer(this);
    shapeDelay->setObjectName(QStringLiteral("shapeDelay"));
    shapeDelay->setInterval(500);
    shapeDelay->setSingleShot(true);
    connect(shapeDelay, &QTimer::timeout, this, &CreatorWizard::applyShape);
    titleGrowth = new QTimer(this);
    titleGrowth->setObjectName(QStringLiteral("titleGrowth"));
    titleGrowth->setInterval(100);
    connect(titleGrowth, &QTimer::timeout, this, &CreatorWizard::growTitle);
    centre();
}

// ---------------------------------------------------------------------------
// Building the pages

QWidget *CreatorWizard::pageFrame(const QString &name, const QString &title)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    if (!title.isEmpty()) {
        auto *h = heading(title, page);
        h->setObjectName(name + QStringLiteral("Heading"));
        layout->addWidget(h);
    }
    return page;
}

QPushButton *CreatorWizard::backButton(QWidget *page)
{
    auto *b = new QPushButton(QStringLiteral("<< Cofnij"), page);
    b->setObjectName(page->objectName() + QStringLiteral("BackButton"));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, &CreatorWizard::goBack);
    return b;
}

QPushButton *CreatorWizard::loadButton(QWidget *page)
{
    auto *b = new QPushButton(QIcon(QStringLiteral(":/icons/wynik_testu.svg")), QStringLiteral("ZAŁADUJ TEST"), page);
    b->setObjectName(page->objectName() + QStringLiteral("LoadButton"));
    b->setAutoDefault(false);
    return b;
}

QWidget *CreatorWizard::buildStartPage()
{
    QWidget *page = pageFrame(QStringLiteral("startPage"), QStringLiteral("Witaj w kreatorze Terravia"));
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    startList = new QListWidget(page);
    startList->setObjectName(QStringLiteral("startList"));
    for (const auto &item : creator::startItems())
        startList->addItem(QStringLiteral("  ") + item.caption);
    startList->addItem(QStringLiteral("  MOJE TESTY"));
    startList->installEventFilter(this);
    startList->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *nextItem = new QAction(QStringLiteral("Dalej >>"), startList);
    nextItem->setObjectName(QStringLiteral("nextItem"));
    startList->addAction(nextItem);
    connect(nextItem, &QAction::triggered, this, &CreatorWizard::goNext);
    connect(startList, &QListWidget::itemClicked, this, &CreatorWizard::enableNext);
    connect(startList, &QListWidget::itemDoubleClicked, this, &CreatorWizard::goNext);
    layout->addWidget(startList, 1);

    nextButton = new QPushButton(QStringLiteral("Dalej >>"), page);
    nextButton->setObjectName(QStringLiteral("nextButton"));
    nextButton->setToolTip(QStringLiteral("Idź dalej"));
    nextButton->setEnabled(false);
    nextButton->setAutoDefault(false);
    connect(nextButton, &QPushButton::clicked, this, &CreatorWizard::goNext);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(nextButton);
    layout->addLayout(row);
    return page;
}

QWidget *CreatorWizard::optionPage(const QString &name, const QString &title, const QStringList &captions,
                              void (CreatorWizard::*load)())
{
    QWidget *page = pageFrame(name, title);
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    auto *group = new QGroupBox(page);
    group->setObjectName(QStringLiteral("options"));
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

QWidget *CreatorWizard::buildTopicPage(int startIndex)
{
    const auto &item = creator::startItems()[startIndex];
    QStringList captions;
    for (const auto &o : item.options)
        captions << o.caption;
    return optionPage(item.page, item.heading, captions, &CreatorWizard::loadTopic);
}

QWidget *CreatorWizard::buildChainPage()
{
    QStringList captions;
    for (const auto &o : creator::chainOptions())
        captions << o.caption;
    return optionPage(QStringLiteral("chainsPage"), QStringLiteral("Karta: WSZYSTKO O..."), captions,
                      &CreatorWizard::loadChain);
}

QWidget *CreatorWizard::buildRandomPage()
{
    QWidget *page = pageFrame(QStringLiteral("randomPage"), QString());
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    drawnTitle = new QLabel(draw::kNotDrawn, page);
    drawnTitle->setObjectName(QStringLiteral("drawnTitle"));
    drawnTitle->setAlignment(Qt::AlignCenter);
    drawnTitle->setMinimumHeight(44);
    drawnTitle->setWordWrap(true);
    QFont f = drawnTitle->font();
    f.setBold(true);
    drawnTitle->setFont(f);
    layout->addWidget(drawnTitle);

    auto *group = new QGroupBox(kept::kDrawCategories, page);
    group->setObjectName(QStringLiteral("categories"));
    categories = addCategoryButtons(group, this);
    for (int i = 0; i < categories.size(); ++i) {
        const draw::Category c = categoryButtons().at(i).category;
        connect(categories[i], &QRadioButton::clicked, this, [this, c] { chooseCategory(c); });
    }
    drawList = new QListWidget(page);
    drawList->setObjectName(QStringLiteral("drawList"));
    drawList->setSelectionMode(QAbstractItemView::MultiSelection);
    // Long titles wrap rather than lose their ends.
    drawList->setWordWrap(true);
    drawList->setTextElideMode(Qt::ElideNone);
    drawList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    drawList->hide();
    auto *middle = new QHBoxLayout;
    middle->addWidget(group);
    middle->addWidget(drawList, 1);
    layout->addLayout(middle, 1);

    auto *row = new QHBoxLayout;
    row->addWidget(backButton(page));
    row->addStretch(1);
    auto *drawButton = new QPushButton(QStringLiteral("Losuj"), page);
    drawButton->setObjectName(QStringLiteral("drawButton"));
    drawButton->setToolTip(QStringLiteral("Losuj test"));
    drawButton->setAutoDefault(false);
    connect(drawButton, &QPushButton::clicked, this, &CreatorWizard::draw);
    row->addWidget(drawButton);
    QPushButton *load = loadButton(page);
    connect(load, &QPushButton::clicked, this, &CreatorWizard::loadRandom);
    row->addWidget(load);
    layout->addLayout(row);
    return page;
}

// ---------------------------------------------------------------------------
// Showing and closing

void CreatorWizard::centre()
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
}

void CreatorWizard::showPlain()
{
    setFixedSize(kWidth, kHeight);
    centre();
    show();
    raise();
    activateWindow();
    startList->setFocus(Qt::OtherFocusReason);
}

void CreatorWizard::openAnimated()
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
    // The keyboard goes on in the creator, as after a plain showing.
    activateWindow();
    startList->setFocus(Qt::OtherFocusReason);
    shell.setCommandEnabled(Command::MenuTests, false);
    shell.setCommandEnabled(Command::ButtonCreator, false);
    shell.setCommandEnabled(Command::ItemCreator, false);
}

void CreatorWizard::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Runs when the creator appears, not whenever it regains focus: coming
    // back from a message must leave the pupil on the page they were on.
    if (!event->spontaneous())
        onActivated();
}

void CreatorWizard::onActivated()
{
    letPendingEventsRun();
    showPage(QStringLiteral("startPage"));
    shapeDelay->start();
    board.activate();
    drawList->clear();
    drawList->addItems(board.list);
}

void CreatorWizard::applyShape()
{
    shapeDelay->stop();
    QPainterPath path;
    path.addRoundedRect(QRectF(4, 4, width() - 8, height() - 8), 12.5, 12.5);
    clearMask();
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void CreatorWizard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (background.isNull())
        p.fillRect(rect(), QColor(0x1f, 0x3a, 0x68));
    else
        p.drawPixmap(rect(), background);
}

void CreatorWizard::closeCreator()
{
    shell.unlockAfterTest();
    resetTitle();
    hide();
}

void CreatorWizard::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        closeCreator();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CreatorWizard::event(QEvent *event)
{
    // The shape follows every activation: a window that the window system
    // maps again loses it.
    if (event->type() == QEvent::WindowActivate)
        shapeDelay->start();
    return QDialog::event(event);
}

bool CreatorWizard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == startList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            goNext();
            return true; // swallowed
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Pages

QString CreatorWizard::currentPage() const
{
    return pages->currentWidget()->objectName();
}

void CreatorWizard::showPage(const QString &name)
{
    for (int i = 0; i < pages->count(); ++i)
        if (pages->widget(i)->objectName() == name)
            pages->setCurrentIndex(i);
    // Enter on a page: "Dalej >>" on the start page, "ZAŁADUJ TEST" on the others.
    QPushButton *wanted = defaultButton();
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setDefault(b == wanted);
}

QPushButton *CreatorWizard::defaultButton() const
{
    QWidget *page = pages->currentWidget();
    if (page->objectName() == QLatin1String("startPage"))
        return nextButton;
    return page->findChild<QPushButton *>(page->objectName() + QStringLiteral("LoadButton"));
}

QRadioButton *CreatorWizard::option(const QString &page, const QString &caption) const
{
    for (QRadioButton *r : options.value(page))
        if (r->text() == caption)
            return r;
    return nullptr;
}

void CreatorWizard::resetTitle()
{
    drawnTitle->setText(draw::kNotDrawn);
}

void CreatorWizard::enableNext()
{
    nextButton->setEnabled(true);
}

void CreatorWizard::goNext()
{
    if (currentPage() != QLatin1String("startPage"))
        return;
    const int index = startList->currentRow();
    if (index < 0 || !startList->currentItem() || !startList->currentItem()->isSelected())
        return;
    if (index == int(creator::startItems().size())) {
        fillOwnPage();
        showPage(QStringLiteral("ownPage"));
        return;
    }
    const auto &item = creator::startItems().at(index);
    if (item.target == creator::Target::Game) {
        // Out of the way first: the game's covers appear one by one.
        hide();
        emit placeGameRequested();
        return;
    }
    showPage(item.page);
}

void CreatorWizard::goBack()
{
    showPage(QStringLiteral("startPage"));
    resetTitle();
}

void CreatorWizard::loadTopic()
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
    const CatalogueEntry *entry = chosen ? catalogue::findByCode(chosen->code) : nullptr;
    if (!entry)
        return;

    emit testChosen(*entry, creator::statusTextFor(page, caption, entry->title));
}

QWidget *CreatorWizard::buildOwnPage()
{
    QWidget *page = pageFrame(QStringLiteral("ownPage"), QStringLiteral("Moje testy"));
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    ownList = new QListWidget(page);
    ownList->setObjectName(QStringLiteral("ownList"));
    layout->addWidget(ownList, 1);
    auto *row = new QHBoxLayout;
    row->addWidget(backButton(page));
    row->addStretch(1);
    QPushButton *button = loadButton(page);
    connect(button, &QPushButton::clicked, this, &CreatorWizard::loadOwn);
    connect(ownList, &QListWidget::itemDoubleClicked, this, &CreatorWizard::loadOwn);
    row->addWidget(button);
    layout->addLayout(row);
    return page;
}

void CreatorWizard::fillOwnPage()
{
    ownList->clear();
    const QString folder = owntests::folder();
    for (const owntests::Listed &t : owntests::list(folder)) {
        auto *item = new QListWidgetItem(t.title, ownList);
        item->setData(Qt::UserRole, t.code);
        item->setData(Qt::UserRole + 1, folder);
    }
    if (ownList->count() == 0) {
        auto *none = new QListWidgetItem(QStringLiteral("Brak własnych testów: zrób test (Plik → Nowy własny test...)"), ownList);
        none->setFlags(Qt::NoItemFlags);
    } else {
        ownList->setCurrentRow(0);
    }
    if (auto *b = pages->findChild<QPushButton *>(QStringLiteral("ownPageLoadButton")))
        b->setEnabled(ownList->currentItem() && ownList->currentItem()->flags() != Qt::NoItemFlags);
}

void CreatorWizard::loadOwn()
{
    QListWidgetItem *item = ownList->currentItem();
    if (!item || item->flags() == Qt::NoItemFlags)
        return;
    emit ownTestChosen(item->data(Qt::UserRole + 1).toString(), item->data(Qt::UserRole).toString(), item->text());
}

void CreatorWizard::loadChain()
{
    const QList<QRadioButton *> radios = options.value(QStringLiteral("chainsPage"));
    int index = 0;
    for (int i = 0; i < radios.size(); ++i)
        if (radios[i]->isChecked())
            index = i;
    emit chainChosen(creator::chainOptions().at(index).entry);
}

// ---------------------------------------------------------------------------
// The random page

void CreatorWizard::chooseCategory(draw::Category category)
{
    resetTitle();
    drawList->hide();
    board.choose(category);
    drawList->clear();
    drawList->addItems(board.list);
    if (category == draw::Category::Custom)
        drawList->show();
}

void CreatorWizard::draw()
{
    setHourglass(true);
    const auto outcome = board.draw(markedRows(drawList));
    if (outcome.nothingSelected) {
        setHourglass(false);
        showMessage(this, kept::kNothingMarked, kDrawCaption,
                    Services::Icon::Information);
        return;
    }
    QFont f = drawnTitle->font();
    f.setPointSize(8);
    drawnTitle->setFont(f);
    drawnTitle->setText(board.shown);
    titleGrowth->start();
    setHourglass(false);
}

void CreatorWizard::growTitle()
{
    QFont f = drawnTitle->font();
    if (f.pointSize() >= 18) {
        titleGrowth->stop();
        return;
    }
    f.setPointSize(f.pointSize() + 2);
    drawnTitle->setFont(f);
}

void CreatorWizard::loadRandom()
{
    if (drawnTitle->text() == draw::kNotDrawn) {
        showMessage(this, kept::kCreatorNothingDrawn,
                    kDrawCaption, Services::Icon::Warning);
        return;
    }
    if (const auto code = draw::codeForTitle(drawnTitle->text()))
        emit drawnTestChosen(*code);
    hide();
}

} // namespace tv
