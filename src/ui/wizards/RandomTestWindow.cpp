#include "RandomTestWindow.h"

#include "DrawCategories.h"
#include "catalogue/TestLauncher.h"
#include "platform/Services.h"
#include "platform/Look.h"
#include "platform/KeptSpellings.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace tv {

namespace {
const QString kCaption = QStringLiteral("Zacznij losować");
constexpr int kStartSize = 10;
constexpr int kEndSize = 20;
} // namespace

RandomTestWindow::RandomTestWindow(TestLauncher &launcher, QWidget *parent) : QDialog(parent), launcher(launcher)
{
    setObjectName(QStringLiteral("randomTestWindow"));
    setWindowTitle(QStringLiteral("Losuj test..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(537, 431);
    fillBackground(this, kTooltipYellow);

    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/losuj.svg")).pixmap(32, 32));
    auto *heading = new QLabel(QStringLiteral("Witam w module losowego ładowania testów"), this);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.2);
    heading->setFont(hf);

    auto *group = new QGroupBox(QStringLiteral("Kategorie losowania"), this);
    categories = addCategoryButtons(group, this);
    for (int i = 0; i < categories.size(); ++i) {
        const draw::Category c = categoryButtons().at(i).category;
        connect(categories[i], &QRadioButton::clicked, this, [this, c] { chooseCategory(c); });
    }
    drawList = new QListWidget(this);
    drawList->setObjectName(QStringLiteral("drawList"));
    drawList->setSelectionMode(QAbstractItemView::MultiSelection);
    drawList->hide();

    countLabel = new QLabel(this);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    drawnTitle = new QLabel(draw::kNotDrawn, this);
    drawnTitle->setObjectName(QStringLiteral("drawnTitle"));
    drawnTitle->setAlignment(Qt::AlignCenter);
    QFont tf = drawnTitle->font();
    tf.setBold(true);
    drawnTitle->setFont(tf);
    // The longest titles take two lines at the full size of the animation.
    drawnTitle->setWordWrap(true);
    QFont full = tf;
    full.setPointSize(kEndSize);
    drawnTitle->setMinimumHeight(2 * QFontMetrics(full).lineSpacing() + 4);

    drawButton = new QPushButton(QStringLiteral("Losuj"), this);
    drawButton->setObjectName(QStringLiteral("drawButton"));
    drawButton->setToolTip(QStringLiteral("Losuj test"));
    drawButton->setDefault(true);
    loadButton = new QPushButton(QStringLiteral("Załaduj test"), this);
    loadButton->setObjectName(QStringLiteral("loadButton"));
    loadButton->setToolTip(QStringLiteral("Załaduj wylosowany test"));
    cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setToolTip(QStringLiteral("Zamknij okno"));

    titleGrowth = new QTimer(this);
    titleGrowth->setObjectName(QStringLiteral("titleGrowth"));
    titleGrowth->setInterval(100);
    connect(titleGrowth, &QTimer::timeout, this, &RandomTestWindow::growTitle);
    connect(drawButton, &QPushButton::clicked, this, &RandomTestWindow::draw);
    connect(loadButton, &QPushButton::clicked, this, &RandomTestWindow::loadDrawn);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(heading, 1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(group);
    middle->addWidget(drawList, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(drawButton);
    buttons->addWidget(loadButton);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton);
    auto *root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(middle, 1);
    root->addWidget(countLabel);
    root->addWidget(drawnTitle);
    root->addLayout(buttons);
}

void RandomTestWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!activated) {
        activated = true;
        onActivated();
    }
}

void RandomTestWindow::onActivated()
{
    board.activate();
    showList();
    setCount(board.list.size());
    setHourglass(false);
}

void RandomTestWindow::showList()
{
    drawList->clear();
    drawList->addItems(board.list);
}

void RandomTestWindow::setCount(int n)
{
    countLabel->setText(QStringLiteral("Dostępnych testów: %1").arg(n));
}

void RandomTestWindow::chooseCategory(draw::Category category)
{
    const bool all = category == draw::Category::All;
    if (all)
        setHourglass(true);
    drawnTitle->setText(draw::kNotDrawn);
    drawList->hide();
    board.choose(category);
    showList();
    setCount(board.list.size());
    if (category == draw::Category::Custom)
        drawList->show();
    if (all)
        setHourglass(false);
}

void RandomTestWindow::draw()
{
    setHourglass(true);
    QFont f = drawnTitle->font();
    f.setPointSize(kStartSize);
    drawnTitle->setFont(f);
    setTextColour(drawnTitle, QColor(0, 0, 128));
    const auto outcome = board.draw(markedRows(drawList));
    if (outcome.nothingSelected) {
        setHourglass(false);
        showMessage(this, kept::kNothingMarked, kCaption,
                    Services::Icon::Information);
        setCount(0);
        return;
    }
    drawnTitle->setText(board.shown);
    titleGrowth->start();
    setHourglass(false);
    setCount(outcome.candidates);
}

void RandomTestWindow::growTitle()
{
    QFont f = drawnTitle->font();
    if (f.pointSize() >= kEndSize) {
        setTextColour(drawnTitle, QColor(0, 0, 255));
        titleGrowth->stop();
        return;
    }
    f.setPointSize(f.pointSize() + 2);
    drawnTitle->setFont(f);
}

void RandomTestWindow::loadDrawn()
{
    if (!board.drawn()) {
        showMessage(this, kept::kNothingDrawn, kCaption,
                    Services::Icon::Warning);
        return;
    }
    if (const auto code = draw::codeForTitle(board.shown))
        launcher.launch(*code);
    accept();
}

void RandomTestWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tv
