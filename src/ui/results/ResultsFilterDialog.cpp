#include "ResultsFilterDialog.h"

#include "app/Shell.h"
#include "catalogue/OwnTests.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "profile/ProgramSettings.h"
#include "results/BrowserState.h"
#include "results/ResultsFile.h"
#include "platform/System.h"

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

ResultsFilterDialog::ResultsFilterDialog(Shell &shell, const ProgramSettings &settings, BrowserState &browser,
                                         QWidget *parent)
    : QDialog(parent), shell(shell), settings(settings), browser(browser)
{
    setObjectName(QStringLiteral("resultsFilterDialog"));
    setWindowTitle(QStringLiteral("Filtruj wyniki... "));
    // A fixed dialog: a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    optionsGroup = new QGroupBox(QStringLiteral(" Opcje filtracji "), this);
    optionsGroup->setObjectName(QStringLiteral("optionsGroup"));
    byUserRadio = new QRadioButton(QStringLiteral("Filtruj wg użytkownika"), optionsGroup);
    byUserRadio->setObjectName(QStringLiteral("byUserRadio"));
    byGradeRadio = new QRadioButton(QStringLiteral("Filtruj wg oceny"), optionsGroup);
    byGradeRadio->setObjectName(QStringLiteral("byGradeRadio"));
    byTestRadio = new QRadioButton(QStringLiteral("Filtruj wg testu"), optionsGroup);
    byTestRadio->setObjectName(QStringLiteral("byTestRadio"));
    auto *radios = new QVBoxLayout(optionsGroup);
    radios->addWidget(byUserRadio);
    radios->addWidget(byGradeRadio);
    radios->addWidget(byTestRadio);

    choiceList = new QListWidget(this);
    choiceList->setObjectName(QStringLiteral("choiceList"));
    QFont f = choiceList->font();
    f.setPixelSize(16);
    choiceList->setFont(f);
    choiceList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for the longest test title in the 16-pixel font.
    choiceList->setMinimumSize(QFontMetrics(f).horizontalAdvance(
                                 QStringLiteral("Test: Wszystko o Australii i Antarktydzie"))
                                 + 48,
                             300);

    contextMenu = new QMenu(this);
    contextMenu->setObjectName(QStringLiteral("contextMenu"));
    searchAction = contextMenu->addAction(QStringLiteral("Szukaj testu..."));
    searchAction->setObjectName(QStringLiteral("searchAction"));
    searchAction->setEnabled(false);
    choiceList->setContextMenuPolicy(Qt::CustomContextMenu);
    choiceList->viewport()->installEventFilter(this);
    connect(choiceList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { contextMenu->popup(choiceList->viewport()->mapToGlobal(pos)); });

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setEnabled(false);
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *root = new QVBoxLayout(this);
    root->addWidget(optionsGroup);
    root->addWidget(choiceList, 1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(byUserRadio, &QRadioButton::clicked, this, &ResultsFilterDialog::chooseByUser);
    connect(byGradeRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseByGrade();
    });
    connect(byTestRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseByTest();
    });
    // A click, a change of selection by the keys and "Szukaj testu..." take
    // the entry: OK filters by the one shown selected.
    connect(choiceList, &QListWidget::itemClicked, this, &ResultsFilterDialog::takeChoice);
    connect(choiceList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectingByCode)
            takeChoice();
    });
    connect(choiceList, &QListWidget::itemDoubleClicked, this, &ResultsFilterDialog::applyFilter);
    connect(searchAction, &QAction::triggered, this, &ResultsFilterDialog::searchTest);
    connect(okButton, &QPushButton::clicked, this, &ResultsFilterDialog::applyFilter);
    connect(cancelButton, &QPushButton::clicked, this, &ResultsFilterDialog::cancel);
}

void ResultsFilterDialog::showEvent(QShowEvent *event)
{
    // Read once per showing: coming back from the search prompt must not
    // read the whole file again.
    if (!event->spontaneous())
        onActivated();
    QDialog::showEvent(event);
}

bool ResultsFilterDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The right button opens the context menu and nothing else: choosing an
    // entry with it would change the chosen value behind the pupil's back.
    if (watched == choiceList->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
            || event->type() == QEvent::MouseButtonDblClick)
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        return true;
    return QDialog::eventFilter(watched, event);
}

void ResultsFilterDialog::onActivated()
{
    stored.clear();
    if (files::dataExists(kResultsFile)) {
        results::ReadRecords read = results::readRecordsFile(files::dataPath(kResultsFile));
        if (read.status) {
            stored = std::move(read.records);
        } else {
            setHourglass(false);
            showMessage(this, read.status.message, QStringLiteral("Terravia"), Services::Icon::Error);
        }
    }
    setHourglass(false);
}

FilterBy ResultsFilterDialog::filterBy() const
{
    if (byUserRadio->isChecked())
        return FilterBy::User;
    if (byGradeRadio->isChecked())
        return FilterBy::Grade;
    if (byTestRadio->isChecked())
        return FilterBy::Test;
    return FilterBy::None;
}

void ResultsFilterDialog::fill(const QStringList &items)
{
    selectingByCode = true;
    choiceList->clear();
    choiceList->addItems(items);
    selectingByCode = false;
}

void ResultsFilterDialog::chooseByUser()
{
    fill({});
    searchAction->setEnabled(false);
    okButton->setEnabled(false);
    if (!byUserRadio->isChecked())
        return;
    const QStringList &users = settings.users();
    if (users.isEmpty()) {
        showMessage(this, QStringLiteral("Brak zarejestrowanych użytkowników\r\nNajpierw zarejestruj użytkownika"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        return;
    }
    fill(users);
}

void ResultsFilterDialog::chooseByGrade()
{
    searchAction->setEnabled(false);
    okButton->setEnabled(false);
    fill(results::gradeWords());
}

void ResultsFilterDialog::chooseByTest()
{
    searchAction->setEnabled(true);
    okButton->setEnabled(false);
    fill(results::testTitles() + owntests::resultTitles(owntests::folder()));
}

void ResultsFilterDialog::takeChoice()
{
    QListWidgetItem *item = choiceList->currentItem();
    if (item && item->isSelected()) {
        okButton->setEnabled(true);
        chosenText = item->text();
    } else {
        okButton->setEnabled(false);
        chosenText.clear();
    }
}

void ResultsFilterDialog::searchTest()
{
    // A cancelled prompt answers its default, as an empty answer does.
    const auto typed = Services::get().input(this, QStringLiteral("Filtruj wg testu..."),
                                             QStringLiteral("Wpisz nazwę testu"), QStringLiteral("Test: "));
    const QString answer = results::searchAnswer(typed.value_or(QStringLiteral("Test: ")));
    QStringList entries;
    for (int i = 0; i < choiceList->count(); ++i)
        entries << choiceList->item(i)->text();
    const int found = results::findEntry(entries, answer);
    if (found < 0)
        return;
    choiceList->setFocus();
    selectingByCode = true;
    choiceList->setCurrentRow(found);
    selectingByCode = false;
    choiceList->scrollToItem(choiceList->item(found), QAbstractItemView::PositionAtCenter);
    takeChoice();
}

void ResultsFilterDialog::applyFilter()
{
    browser.filterMode = true;
    const FilterBy by = filterBy();
    setHourglass(true);
    const results::Records filtered = results::filterRecords(stored, by, chosenText);
    const Status written = results::writeRecordsFile(files::dataPath(results::kTempFile), filtered);
    if (!written) {
        // Nothing to browse: the filter stays open for another try.
        browser.filterMode = false;
        setHourglass(false);
        showMessage(this, written.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    shell.lockForTest();
    shell.setBackgroundVisible(false);
    letPendingEventsRun();
    emit browseRequested();
    setHourglass(false);
    accept();
}

void ResultsFilterDialog::cancel()
{
    reject();
}

void ResultsFilterDialog::reject()
{
    browser.filterMode = false;
    QDialog::reject();
}

} // namespace tv
