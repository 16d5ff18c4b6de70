#include "UsersDialog.h"

#include "platform/Files.h"
#include "platform/LineFile.h"
#include "platform/Services.h"
#include "profile/ProgramSettings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tv {

UsersDialog::UsersDialog(ProgramSettings &settings, QWidget *parent) : QDialog(parent), settings(settings)
{
    setObjectName(QStringLiteral("usersDialog"));
    setWindowTitle(QStringLiteral("Zarejestrowani użytkownicy"));
    // A fixed dialog: a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *label = new QLabel(QStringLiteral("Lista zarejestrowanych użytkowników Terravia"), this);
    userList = new QListWidget(this);
    userList->setObjectName(QStringLiteral("userList"));
    label->setBuddy(userList);
    userList->setAccessibleName(QStringLiteral("Lista zarejestrowanych użytkowników Terravia"));
    QFont f = userList->font();
    f.setPixelSize(16);
    userList->setFont(f);
    userList->setStyleSheet(QStringLiteral("QListWidget::item { height: 20px; }"));
    userList->setMinimumSize(320, 300);
    newButton = new QPushButton(QStringLiteral("Nowy"), this);
    newButton->setObjectName(QStringLiteral("newButton"));
    removeButton = new QPushButton(QStringLiteral("Usuń"), this);
    removeButton->setObjectName(QStringLiteral("removeButton"));
    closeButton = new QPushButton(QStringLiteral("Zamknij"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(newButton);
    buttons->addWidget(removeButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto *root = new QVBoxLayout(this);
    root->addWidget(label);
    root->addWidget(userList, 1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(newButton, &QPushButton::clicked, this, &UsersDialog::addUser);
    connect(removeButton, &QPushButton::clicked, this, &UsersDialog::removeUser);
    connect(closeButton, &QPushButton::clicked, this, &UsersDialog::saveAndClose);
}

void UsersDialog::showEvent(QShowEvent *event)
{
    // Filled when shown, not on every activation: coming back from the
    // input prompt must keep the names just added.
    if (!event->spontaneous())
        onActivated();
    QDialog::showEvent(event);
}

void UsersDialog::onActivated()
{
    listChanged = false;
    userList->clear();
    userList->addItems(settings.users());
}

void UsersDialog::addUser()
{
    const auto name = Services::get().input(this, QStringLiteral("Wpisz imię i nazwisko"),
                                            QStringLiteral("Nowy użytkownik"), QString());
    if (!name || name->isEmpty())
        return;
    // konf.dat holds one name a line: a name pasted with a line break would
    // come back as two users.
    if (lines::hasLineBreak(*name)) {
        showMessage(this,
                    QStringLiteral("Imię i nazwisko musi mieścić się w jednym wierszu\r\n"
                                   "Popraw je i spróbuj ponownie"),
                    QStringLiteral("Terravia"), Services::Icon::Information);
        return;
    }
    userList->addItem(*name);
    listChanged = true;
}

void UsersDialog::removeUser()
{
    QListWidgetItem *item = userList->currentItem();
    if (!item || !item->isSelected())
        return;
    delete userList->takeItem(userList->row(item));
    listChanged = true;
}

void UsersDialog::saveAndClose()
{
    if (listChanged && !writeSettings())
        return; // the old file is kept; the window stays open
    accept();
}

bool UsersDialog::writeSettings()
{
    QStringList users;
    for (int i = 0; i < userList->count(); ++i)
        users << userList->item(i)->text();
    setHourglass(true);
    // The option lines are the saved ones: a choice saved in the settings
    // dialog since start-up stays saved.
    const Status saved = settings.saveUsers(files::dataDir(), users);
    setHourglass(false);
    if (!saved) {
        showMessage(this, saved.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return false;
    }
    listChanged = false;
    return true;
}

} // namespace tv
