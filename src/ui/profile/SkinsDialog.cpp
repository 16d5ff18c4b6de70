#include "SkinsDialog.h"

#include "platform/Files.h"
#include "platform/Services.h"
#include "profile/Skins.h"
#include "platform/System.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

namespace tv {

SkinsDialog::SkinsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("skinsDialog"));
    setWindowTitle(QStringLiteral("Skóry"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *heading = new QLabel(QStringLiteral("Dostępne skóry"), this);
    heading->setObjectName(QStringLiteral("heading"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setGeometry(12, 10, 270, 18);

    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("skinList"));
    QFont listFont = list->font();
    listFont.setBold(true);
    listFont.setPixelSize(16);
    list->setFont(listFont);
    list->setUniformItemSizes(true);
    list->setGeometry(12, 30, 270, 8 * 20 + 4);
    for (int i = 0; i < skins::kCount; ++i) {
        auto *item = new QListWidgetItem(skins::entryText(i), list);
        item->setSizeHint(QSize(0, 20));
    }

    preview = new QLabel(this);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setScaledContents(true);
    preview->setFrameStyle(QFrame::Box | QFrame::Plain);
    preview->setGeometry(294, 12, 137, 185);
    preview->hide();

    changeButton = new QPushButton(QStringLiteral("Zmień"), this);
    changeButton->setObjectName(QStringLiteral("changeButton"));
    changeButton->setEnabled(false);
    cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    changeButton->setGeometry(12, 206, 110, 28);
    cancelButton->setGeometry(132, 206, 110, 28);
    setFixedSize(443, 246);

    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { chooseEntry(list->row(item)); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        chooseEntry(list->row(item));
        change();
    });
    connect(changeButton, &QPushButton::clicked, this, &SkinsDialog::change);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SkinsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Each opening points at the skin in force; "Zmień" waits for a click.
    const int current = skins::readChoice(files::dataDir()).value_or(0);
    list->setCurrentRow(current);
    chooseEntry(current);
    changeButton->setEnabled(false);
}

void SkinsDialog::chooseEntry(int index)
{
    if (index < 0 || index >= skins::kCount)
        return;
    list->setCurrentRow(index);
    changeButton->setEnabled(true);
    if (index == 0) {
        preview->hide();
        return;
    }
    preview->show();
    // A missing picture leaves the one shown before.
    const QString name = skins::previewFile(index);
    if (files::dataExists(name)) {
        preview->setPixmap(QPixmap(files::dataPath(name)));
        shownPreview = name;
    }
}

void SkinsDialog::change()
{
    const int index = list->currentRow();
    if (index < 0)
        return;
    setHourglass(true);
    const Status written = skins::writeChoice(files::dataDir(), index);
    letPendingEventsRun();
    setHourglass(false);
    if (!written) {
        showMessage(this, written.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    emit skinChosen(index);
    accept();
}

} // namespace tv
