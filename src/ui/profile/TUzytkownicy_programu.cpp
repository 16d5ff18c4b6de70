#include "TUzytkownicy_programu.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "profile/Settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tv {

TUzytkownicy_programu::TUzytkownicy_programu(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Uzytkownicy_programu"));
    setWindowTitle(QStringLiteral("Zarejestrowani użytkownicy"));
    // A fixed dialog: a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *label = new QLabel(QStringLiteral("Lista zarejestrowanych użytkowników Terravia"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    QFont f = ListBox1->font();
    f.setPixelSize(16);
    ListBox1->setFont(f);
    ListBox1->setStyleSheet(QStringLiteral("QListWidget::item { height: 20px; }"));
    ListBox1->setMinimumSize(320, 300);
    Nowy = new QPushButton(QStringLiteral("Nowy"), this);
    Nowy->setObjectName(QStringLiteral("Nowy"));
    Usun = new QPushButton(QStringLiteral("Usuń"), this);
    Usun->setObjectName(QStringLiteral("Usun"));
    OK = new QPushButton(QStringLiteral("Zamknij"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Nowy);
    buttons->addWidget(Usun);
    buttons->addStretch(1);
    buttons->addWidget(OK);
    auto *root = new QVBoxLayout(this);
    root->addWidget(label);
    root->addWidget(ListBox1, 1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(Nowy, &QPushButton::clicked, this, &TUzytkownicy_programu::NowyClick);
    connect(Usun, &QPushButton::clicked, this, &TUzytkownicy_programu::UsunClick);
    connect(OK, &QPushButton::clicked, this, &TUzytkownicy_programu::OKClick);
}

void TUzytkownicy_programu::showEvent(QShowEvent *event)
{
    // Filled when shown, not on every activation: coming back from the
    // input prompt must keep the names just added.
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

void TUzytkownicy_programu::FormActivate()
{
    zmiana = false;
    ListBox1->clear();
    ListBox1->addItems(forms().Form1->settings.users);
}

void TUzytkownicy_programu::NowyClick()
{
    const auto name = Services::get().input(this, QStringLiteral("Wpisz imię i nazwisko"),
                                            QStringLiteral("Nowy użytkownik"), QString());
    if (!name || name->isEmpty())
        return;
    ListBox1->addItem(*name);
    zmiana = true;
}

void TUzytkownicy_programu::UsunClick()
{
    QListWidgetItem *item = ListBox1->currentItem();
    if (!item || !item->isSelected())
        return;
    delete ListBox1->takeItem(ListBox1->row(item));
    zmiana = true;
}

void TUzytkownicy_programu::OKClick()
{
    if (zmiana && !Zapisz_dane())
        return; // the old file is kept; the window stays open
    accept();
}

bool TUzytkownicy_programu::Zapisz_dane()
{
    TForm1 *main = forms().Form1;
    const Settings &s = main->settings;
    const QString dir = files::dataDir();
    const auto option = [](int v) { return v == 1 ? QStringLiteral("1") : QStringLiteral("0"); };
    const auto sound = [&](const QString &path, const char *bundled) {
        if (path.isEmpty() && !files::exists(dir, QString::fromLatin1(bundled)))
            return QStringLiteral("Brak dźwięku");
        return path;
    };
    QStringList users;
    for (int i = 0; i < ListBox1->count(); ++i)
        users << ListBox1->item(i)->text();
    setHourglass(true);
    const Status saved = saveSettingsLines(
        dir, settingsLines(option(s.startMaximised), option(s.startCreator), sound(s.dropSound, "Ups.wav"),
                           sound(s.topGradeSound, "Cel.wav"), QString::number(s.removePlacedNames), users));
    setHourglass(false);
    if (!saved) {
        showMessage(this, saved.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return false;
    }
    main->setUsers(users);
    zmiana = false;
    return true;
}

} // namespace tv
