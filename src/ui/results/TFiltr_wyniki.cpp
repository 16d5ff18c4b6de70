#include "TFiltr_wyniki.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "results/TWyniki.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tv {

using results::FilterBy;

TFiltr_wyniki::TFiltr_wyniki(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Filtr_wyniki"));
    setWindowTitle(QStringLiteral("Filtruj wyniki... "));
    // A fixed dialog: a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    GroupBox1 = new QGroupBox(QStringLiteral(" Opcje filtracji "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    f_nazwisko = new QRadioButton(QStringLiteral("Filtruj wg użytkownika"), GroupBox1);
    f_nazwisko->setObjectName(QStringLiteral("f_nazwisko"));
    f_ocea = new QRadioButton(QStringLiteral("Filtruj wg oceny"), GroupBox1);
    f_ocea->setObjectName(QStringLiteral("f_ocea"));
    F_test = new QRadioButton(QStringLiteral("Filtruj wg testu"), GroupBox1);
    F_test->setObjectName(QStringLiteral("F_test"));
    auto *radios = new QVBoxLayout(GroupBox1);
    radios->addWidget(f_nazwisko);
    radios->addWidget(f_ocea);
    radios->addWidget(F_test);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    QFont f = ListBox1->font();
    f.setPixelSize(16);
    ListBox1->setFont(f);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for the longest test title in the 16-pixel font.
    ListBox1->setMinimumSize(QFontMetrics(f).horizontalAdvance(
                                 QStringLiteral("Test: Wszystko o Australii i Antarktydzie"))
                                 + 48,
                             300);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    menu_test = PopupMenu1->addAction(QStringLiteral("Szukaj testu..."));
    menu_test->setObjectName(QStringLiteral("menu_test"));
    menu_test->setEnabled(false);
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBox1->viewport()->installEventFilter(this);
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(pos)); });

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setEnabled(false);
    OK->setDefault(true);
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    Anuluj->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OK);
    buttons->addWidget(Anuluj);
    auto *root = new QVBoxLayout(this);
    root->addWidget(GroupBox1);
    root->addWidget(ListBox1, 1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(f_nazwisko, &QRadioButton::clicked, this, &TFiltr_wyniki::f_nazwiskoClick);
    connect(f_ocea, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            f_oceaClick();
    });
    connect(F_test, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            F_testClick();
    });
    // A click, and a change of selection by the keys, take the entry; a
    // selection made by "Szukaj testu..." only marks it.
    connect(ListBox1, &QListWidget::itemClicked, this, &TFiltr_wyniki::ListBox1Click);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectingByCode)
            ListBox1Click();
    });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TFiltr_wyniki::OKClick);
    connect(menu_test, &QAction::triggered, this, &TFiltr_wyniki::menu_testClick);
    connect(OK, &QPushButton::clicked, this, &TFiltr_wyniki::OKClick);
    connect(Anuluj, &QPushButton::clicked, this, &TFiltr_wyniki::AnulujClick);
}

void TFiltr_wyniki::showEvent(QShowEvent *event)
{
    // Read once per showing: coming back from the search prompt must not
    // read the whole file again.
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

bool TFiltr_wyniki::eventFilter(QObject *watched, QEvent *event)
{
    // The right button opens the context menu and nothing else: choosing an
    // entry with it would change the chosen value behind the pupil's back.
    if (watched == ListBox1->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
            || event->type() == QEvent::MouseButtonDblClick)
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        return true;
    return QDialog::eventFilter(watched, event);
}

void TFiltr_wyniki::FormActivate()
{
    store.clear();
    if (files::dataExists(kResultsFile)) {
        results::ReadRecords read = results::readRecordsFile(files::dataPath(kResultsFile));
        if (read.status) {
            store = std::move(read.records);
        } else {
            setHourglass(false);
            showMessage(this, read.status.message, QStringLiteral("Terravia"), Services::Icon::Error);
        }
    }
    setHourglass(false);
}

FilterBy TFiltr_wyniki::filterBy() const
{
    if (f_nazwisko->isChecked())
        return FilterBy::User;
    if (f_ocea->isChecked())
        return FilterBy::Grade;
    if (F_test->isChecked())
        return FilterBy::Test;
    return FilterBy::None;
}

void TFiltr_wyniki::fill(const QStringList &items)
{
    selectingByCode = true;
    ListBox1->clear();
    ListBox1->addItems(items);
    selectingByCode = false;
}

void TFiltr_wyniki::f_nazwiskoClick()
{
    fill({});
    menu_test->setEnabled(false);
    OK->setEnabled(false);
    if (!f_nazwisko->isChecked())
        return;
    const QStringList &users = forms().Form1->settings.users;
    if (users.isEmpty()) {
        showMessage(this, QStringLiteral("Brak zarejestrowanych użytkowników\r\nNajpierw zarejestruj użytkownika"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        return;
    }
    fill(users);
}

void TFiltr_wyniki::f_oceaClick()
{
    menu_test->setEnabled(false);
    OK->setEnabled(false);
    fill(results::gradeWords());
}

void TFiltr_wyniki::F_testClick()
{
    menu_test->setEnabled(true);
    OK->setEnabled(false);
    fill(results::testTitles());
}

void TFiltr_wyniki::ListBox1Click()
{
    QListWidgetItem *item = ListBox1->currentItem();
    if (item && item->isSelected()) {
        OK->setEnabled(true);
        chosen = item->text();
    } else {
        OK->setEnabled(false);
        chosen.clear();
    }
}

void TFiltr_wyniki::menu_testClick()
{
    // A cancelled prompt answers its default, as an empty answer does.
    const auto typed = Services::get().input(this, QStringLiteral("Filtruj wg testu..."),
                                             QStringLiteral("Wpisz nazwę testu"), QStringLiteral("Test: "));
    const QString answer = results::searchAnswer(typed.value_or(QStringLiteral("Test: ")));
    QStringList entries;
    for (int i = 0; i < ListBox1->count(); ++i)
        entries << ListBox1->item(i)->text();
    const int found = results::findEntry(entries, answer);
    if (found < 0)
        return;
    ListBox1->setFocus();
    selectingByCode = true;
    ListBox1->setCurrentRow(found);
    selectingByCode = false;
    ListBox1->scrollToItem(ListBox1->item(found), QAbstractItemView::PositionAtCenter);
}

void TFiltr_wyniki::OKClick()
{
    filterMode = true;
    const FilterBy by = filterBy();
    setHourglass(true);
    const results::Records filtered = results::filterRecords(store, by, chosen);
    const Status written = results::writeRecordsFile(files::dataPath(results::kTempFile), filtered);
    if (!written) {
        // Nothing to browse: the filter stays open for another try.
        filterMode = false;
        setHourglass(false);
        showMessage(this, written.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    TForm1 *main = forms().Form1;
    main->Menu_test_start();
    main->setBackgroundPanelVisible(false);
    QCoreApplication::processEvents();
    TWyniki::open();
    setHourglass(false);
    accept();
}

void TFiltr_wyniki::AnulujClick()
{
    reject();
}

void TFiltr_wyniki::reject()
{
    filterMode = false;
    QDialog::reject();
}

} // namespace tv
