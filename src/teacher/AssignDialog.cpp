#include "AssignDialog.h"

#include "catalogue/Catalogue.h"
#include "platform/Text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tv::teacher {

namespace {
constexpr int kCodeRole = Qt::UserRole + 1;
}

AssignDialog::AssignDialog(const QString &whom, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("assignDialog"));
    setWindowTitle(QStringLiteral("Przydziel test"));
    auto *layout = new QVBoxLayout(this);
    auto *who = new QLabel(whom, this);
    QFont bold = who->font();
    bold.setBold(true);
    who->setFont(bold);
    layout->addWidget(who);
    layout->addWidget(new QLabel(QStringLiteral("Wybierz test z katalogu:"), this));

    tree = new QTreeWidget(this);
    tree->setObjectName(QStringLiteral("tree"));
    tree->setColumnCount(2);
    tree->setHeaderLabels({QStringLiteral("Test"), QStringLiteral("Kod")});
    tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    for (const QString &group : catalogue::menuGroups()) {
        auto *region = new QTreeWidgetItem(tree, {group});
        region->setFlags(Qt::ItemIsEnabled);
        for (const CatalogueEntry &e : catalogue::singleTests())
            if (e.menu == group) {
                auto *item = new QTreeWidgetItem(region, {e.promptName, QString::number(e.code)});
                item->setData(0, kCodeRole, e.code);
                item->setToolTip(0, e.title);
            }
    }
    auto *chains = new QTreeWidgetItem(tree, {catalogue::kChainMenu});
    chains->setFlags(Qt::ItemIsEnabled);
    for (const ChainEntry &c : catalogue::chainEntries()) {
        auto *item = new QTreeWidgetItem(chains, {c.promptName, QString::number(c.code)});
        item->setData(0, kCodeRole, c.code);
        item->setToolTip(0, QStringLiteral("Wszystkie testy regionu po kolei, ")
                                + text::counted(c.taskTotal, QStringLiteral("zadanie"), QStringLiteral("zadania"),
                                                QStringLiteral("zadań")));
    }
    layout->addWidget(tree, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setText(QStringLiteral("Przydziel"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tree, &QTreeWidget::currentItemChanged, this, &AssignDialog::updateOk);
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (chosenCode() != 0)
            accept();
    });
    updateOk();
    resize(460, 560);
}

int AssignDialog::chosenCode() const
{
    const QTreeWidgetItem *item = tree->currentItem();
    return item ? item->data(0, kCodeRole).toInt() : 0;
}

bool AssignDialog::choose(int code)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, kCodeRole).toInt() == code) {
            tree->setCurrentItem(*it);
            return true;
        }
    return false;
}

void AssignDialog::updateOk()
{
    okButton->setEnabled(chosenCode() != 0);
}

} // namespace tv::teacher
