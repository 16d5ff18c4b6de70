#include "TLosuj.h"

#include "DrawCategories.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "platform/Services.h"

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

TLosuj::TLosuj(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Losuj"));
    setWindowTitle(QStringLiteral("Losuj test..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(537, 431);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    setPalette(pal);

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
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    ListBox1->hide();

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    l_test = new QLabel(draw::kNotDrawn, this);
    l_test->setObjectName(QStringLiteral("l_test"));
    l_test->setAlignment(Qt::AlignCenter);
    l_test->setMinimumHeight(44);
    QFont tf = l_test->font();
    tf.setBold(true);
    l_test->setFont(tf);

    losuj = new QPushButton(QStringLiteral("Losuj"), this);
    losuj->setObjectName(QStringLiteral("losuj"));
    losuj->setToolTip(QStringLiteral("Losuj test"));
    losuj->setDefault(true);
    zaladuj = new QPushButton(QStringLiteral("Załaduj test"), this);
    zaladuj->setObjectName(QStringLiteral("zaladuj"));
    zaladuj->setToolTip(QStringLiteral("Załaduj wylosowany test"));
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    Anuluj->setToolTip(QStringLiteral("Zamknij okno"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TLosuj::Timer1Timer);
    connect(losuj, &QPushButton::clicked, this, &TLosuj::losujClick);
    connect(zaladuj, &QPushButton::clicked, this, &TLosuj::zaladujClick);
    connect(Anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(heading, 1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(group);
    middle->addWidget(ListBox1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(losuj);
    buttons->addWidget(zaladuj);
    buttons->addStretch(1);
    buttons->addWidget(Anuluj);
    auto *root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(middle, 1);
    root->addWidget(Label2);
    root->addWidget(l_test);
    root->addLayout(buttons);
}

void TLosuj::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!activated) {
        activated = true;
        FormActivate();
    }
}

void TLosuj::FormActivate()
{
    board.activate();
    showList();
    setCount(board.list.size());
    setHourglass(false);
}

void TLosuj::showList()
{
    ListBox1->clear();
    ListBox1->addItems(board.list);
}

void TLosuj::setCount(int n)
{
    Label2->setText(QStringLiteral("Dostępnych testów: %1").arg(n));
}

void TLosuj::chooseCategory(draw::Category category)
{
    const bool all = category == draw::Category::All;
    if (all)
        setHourglass(true);
    l_test->setText(draw::kNotDrawn);
    ListBox1->hide();
    board.choose(category);
    showList();
    setCount(board.list.size());
    if (category == draw::Category::Custom)
        ListBox1->show();
    if (all)
        setHourglass(false);
}

void TLosuj::losujClick()
{
    setHourglass(true);
    QFont f = l_test->font();
    f.setPointSize(kStartSize);
    l_test->setFont(f);
    QPalette pal = l_test->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    l_test->setPalette(pal);
    const auto outcome = board.draw(markedRows(ListBox1));
    if (outcome.nothingSelected) {
        setHourglass(false);
        showMessage(this, QStringLiteral("NIe zaznaczono na liście żadnego testu"), kCaption,
                    Services::Icon::Information);
        setCount(0);
        return;
    }
    l_test->setText(board.shown);
    Timer1->start();
    setHourglass(false);
    setCount(outcome.candidates);
}

void TLosuj::Timer1Timer()
{
    QFont f = l_test->font();
    if (f.pointSize() >= kEndSize) {
        QPalette pal = l_test->palette();
        pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
        l_test->setPalette(pal);
        Timer1->stop();
        return;
    }
    f.setPointSize(f.pointSize() + 2);
    l_test->setFont(f);
}

void TLosuj::zaladujClick()
{
    if (l_test->text() == draw::kNotDrawn) {
        showMessage(this, QStringLiteral("Nie wykosowano jeszcze żadnego testu. Wciśnij przycisk: Losuj"), kCaption,
                    Services::Icon::Warning);
        return;
    }
    if (const auto code = draw::codeForTitle(l_test->text()))
        forms().Form1->launchCode(*code);
    accept();
}

void TLosuj::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tv
