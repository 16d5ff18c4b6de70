#include "SettingsDialog.h"

#include "platform/Files.h"
#include "platform/LineFile.h"
#include "platform/Services.h"
#include "profile/ProgramSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tv {

SettingsDialog::SettingsDialog(ProgramSettings &settings, QWidget *parent) : QDialog(parent), settings(settings)
{
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(QStringLiteral("Ustawienia..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };

    auto *heading = new QLabel(QStringLiteral("Ustawienia domyślne programu Terravia"), this);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.25);
    heading->setFont(hf);

    auto *appearance = new QGroupBox(QStringLiteral(" Wygląd "), this);
    maximisedRadio = new QRadioButton(QStringLiteral("Uruchamiaj w postaci zmaksymilizowanej"), appearance);
    normalRadio = new QRadioButton(QStringLiteral("Uruchamiaj w postaci normalnej"), appearance);
    named(maximisedRadio, "maximisedRadio");
    named(normalRadio, "normalRadio");
    maximisedRadio->setChecked(true);
    auto *wl = new QVBoxLayout(appearance);
    wl->addWidget(maximisedRadio);
    wl->addWidget(normalRadio);

    auto *creator = new QGroupBox(QStringLiteral(" Kreator "), this);
    creatorOnRadio = new QRadioButton(QStringLiteral("Zawsze uruchamiaj Kreator testów po uruchomieniu"), creator);
    creatorOffRadio = new QRadioButton(QStringLiteral("Nie uruchamiaj Kreatora testów po uruchomieniu"), creator);
    named(creatorOnRadio, "creatorOnRadio");
    named(creatorOffRadio, "creatorOffRadio");
    creatorOnRadio->setChecked(true);
    auto *kl = new QVBoxLayout(creator);
    kl->addWidget(creatorOnRadio);
    kl->addWidget(creatorOffRadio);

    auto *sounds = new QGroupBox(QStringLiteral(" Dźwięki "), this);
    auto soundRow = [&](const QString &label, QLineEdit *&edit, QPushButton *&btn, const char *editName,
                        const char *btnName, QGridLayout *grid, int row) {
        auto *caption = new QLabel(label, sounds);
        grid->addWidget(caption, row, 0, 1, 2);
        edit = new QLineEdit(sounds);
        edit->setReadOnly(true);
        named(edit, editName);
        caption->setBuddy(edit);
        edit->setAccessibleName(label);
        edit->setAccessibleDescription(QStringLiteral("Ścieżka pliku dźwięku"));
        btn = new QPushButton(QStringLiteral("..."), sounds);
        named(btn, btnName);
        btn->setToolTip(QStringLiteral("Zmień dźwięk"));
        // "..." says nothing when read aloud.
        btn->setAccessibleName(QStringLiteral("Zmień dźwięk"));
        btn->setAccessibleDescription(label);
        btn->setFixedWidth(32);
        grid->addWidget(edit, row + 1, 0);
        grid->addWidget(btn, row + 1, 1);
    };
    auto *dl = new QGridLayout(sounds);
    soundRow(QStringLiteral("Dźwięk gdy upuszczasz nazwę w pole"), dropSoundEdit, dropSoundButton, "dropSoundEdit", "dropSoundButton", dl, 0);
    soundRow(QStringLiteral("Dźwięk dla oceny celującej"), topGradeSoundEdit, topGradeSoundButton, "topGradeSoundEdit", "topGradeSoundButton", dl, 2);

    auto *modes = new QGroupBox(QStringLiteral("Tryby"), this);
    removeNamesCheck = new QCheckBox(QStringLiteral("Usuwaj nazwy pól gdy został wybrany element (zaznaczony na mapie)"), modes);
    named(removeNamesCheck, "removeNamesCheck");
    removeNamesCheck->setChecked(true);
    auto *tl = new QVBoxLayout(modes);
    tl->addWidget(removeNamesCheck);

    auto *usersLabel = new QLabel(QStringLiteral("Lista użytkowników aplikacji"), this);
    userList = new QListWidget(this);
    named(userList, "userList");
    usersLabel->setBuddy(userList);
    userList->setAccessibleName(QStringLiteral("Lista użytkowników aplikacji"));
    newButton = new QPushButton(QStringLiteral("Nowy"), this);
    named(newButton, "newButton");
    newButton->setToolTip(QStringLiteral("Nowy użytkownik"));
    removeButton = new QPushButton(QStringLiteral("Usuń"), this);
    named(removeButton, "removeButton");
    removeButton->setToolTip(QStringLiteral("Usuń użytkownika"));

    networkButton = new QPushButton(QStringLiteral("Architektura Klient-Server"), this);
    named(networkButton, "networkButton");
    applyButton = new QPushButton(QStringLiteral("Zastosuj"), this);
    named(applyButton, "applyButton");
    applyButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    named(cancelButton, "cancelButton");

    // Left column: options; right column: the users.
    auto *left = new QVBoxLayout;
    left->addWidget(appearance);
    left->addWidget(creator);
    left->addWidget(sounds);
    left->addWidget(modes);
    left->addStretch(1);

    auto *userButtons = new QHBoxLayout;
    userButtons->addWidget(newButton);
    userButtons->addWidget(removeButton);
    userButtons->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(usersLabel);
    right->addWidget(userList, 1);
    right->addLayout(userButtons);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addSpacing(8);
    columns->addLayout(right, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(networkButton);
    buttons->addStretch(1);
    buttons->addWidget(applyButton);
    buttons->addWidget(cancelButton);

    auto *root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addSpacing(4);
    root->addLayout(columns, 1);
    root->addSpacing(6);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
    userList->setMinimumSize(200, 300);

    connect(applyButton, &QPushButton::clicked, this, &SettingsDialog::apply);
    connect(cancelButton, &QPushButton::clicked, this, &SettingsDialog::cancel);
    connect(newButton, &QPushButton::clicked, this, &SettingsDialog::addUser);
    connect(removeButton, &QPushButton::clicked, this, &SettingsDialog::removeUser);
    connect(dropSoundButton, &QPushButton::clicked, this, &SettingsDialog::chooseDropSound);
    connect(topGradeSoundButton, &QPushButton::clicked, this, &SettingsDialog::chooseTopGradeSound);
    connect(networkButton, &QPushButton::clicked, this, &SettingsDialog::openNetworkSettings);
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    // Filled when the dialog appears, not whenever it regains focus: coming
    // back from the input prompt or the file chooser must keep the edits.
    if (!event->spontaneous())
        onActivated();
    QDialog::showEvent(event);
}

void SettingsDialog::onActivated()
{
    // The sounds as saved, not as in force: a sound chosen and saved since
    // start-up plays only after the next start, but shown here it is what
    // "Zastosuj" keeps.
    const Settings &saved = settings.saved();
    userList->clear();
    if (!files::dataExists(kSettingsFile)) {
        dropSoundEdit->setText(saved.dropSound);
        topGradeSoundEdit->setText(saved.topGradeSound);
        return;
    }
    const auto read = lines::readFile(files::dataPath(kSettingsFile));
    if (!read.status) {
        showMessage(this, read.status.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    // The option lines are compared as text: nothing here is reported.
    for (int i = 0; i < read.lines.size(); ++i) {
        const QString &line = read.lines.at(i);
        const bool one = line == QLatin1String("1");
        switch (i + 1) {
        case 1:
            (one ? maximisedRadio : normalRadio)->setChecked(true);
            break;
        case 2:
            (one ? creatorOnRadio : creatorOffRadio)->setChecked(true);
            break;
        case 3:
            dropSoundEdit->setText(saved.dropSound);
            break;
        case 4:
            topGradeSoundEdit->setText(saved.topGradeSound);
            break;
        case 5:
            removeNamesCheck->setChecked(one);
            break;
        default:
            userList->addItem(line);
            break;
        }
    }
}

void SettingsDialog::apply()
{
    setHourglass(true);
    Settings choices;
    choices.startMaximised = maximisedRadio->isChecked() ? 1 : 0;
    choices.startCreator = creatorOnRadio->isChecked() ? 1 : 0;
    choices.dropSound = dropSoundEdit->text();
    choices.topGradeSound = topGradeSoundEdit->text();
    choices.removePlacedNames = removeNamesCheck->isChecked() ? 1 : 0;
    for (int i = 0; i < userList->count(); ++i)
        choices.users.append(userList->item(i)->text());
    // Only the users and the remove-placed-names option take effect now; the
    // window size, the creator choice and the sounds wait for the next start.
    const Status saved = settings.saveChoices(files::dataDir(), choices);
    setHourglass(false);
    if (!saved) {
        // The old konf.dat is intact; the dialog stays open to try again.
        showMessage(this, saved.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    accept();
}

void SettingsDialog::cancel()
{
    reject();
}

void SettingsDialog::addUser()
{
    const auto name = Services::get().input(this, QStringLiteral("Wpisz imię i nazwisko"),
                                            QStringLiteral("Nowy użytkownik"), QString());
    if (name && !name->isEmpty())
        userList->addItem(*name);
}

void SettingsDialog::removeUser()
{
    const int row = userList->currentRow();
    if (row >= 0 && userList->currentItem() && userList->currentItem()->isSelected())
        delete userList->takeItem(row);
}

void SettingsDialog::chooseSound(QLineEdit *target)
{
    const QString start = target->text().isEmpty() ? files::dataDir() : QFileInfo(target->text()).absolutePath();
    const QString path = Services::get().openFileName(this, QStringLiteral("Wybierz dźwięk"), start,
                                                      QStringLiteral("Pliki dźwiękowe (*.wav)"));
    if (!path.isEmpty())
        target->setText(path);
}

void SettingsDialog::chooseDropSound()
{
    chooseSound(dropSoundEdit);
}

void SettingsDialog::chooseTopGradeSound()
{
    chooseSound(topGradeSoundEdit);
}

void SettingsDialog::openNetworkSettings()
{
    emit networkSettingsRequested();
}

} // namespace tv
