#include "TUstawienia.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "net/TA_KS.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "platform/Services.h"
#include "profile/Settings.h"

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

TUstawienia::TUstawienia(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Ustawienia"));
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

    auto *wyglad = new QGroupBox(QStringLiteral(" Wygląd "), this);
    max = new QRadioButton(QStringLiteral("Uruchamiaj w postaci zmaksymilizowanej"), wyglad);
    normal = new QRadioButton(QStringLiteral("Uruchamiaj w postaci normalnej"), wyglad);
    named(max, "max");
    named(normal, "normal");
    max->setChecked(true);
    auto *wl = new QVBoxLayout(wyglad);
    wl->addWidget(max);
    wl->addWidget(normal);

    auto *kreator = new QGroupBox(QStringLiteral(" Kreator "), this);
    k_tak = new QRadioButton(QStringLiteral("Zawsze uruchamiaj Kreator testów po uruchomieniu"), kreator);
    k_nie = new QRadioButton(QStringLiteral("Nie uruchamiaj Kreatora testów po uruchomieniu"), kreator);
    named(k_tak, "k_tak");
    named(k_nie, "k_nie");
    k_tak->setChecked(true);
    auto *kl = new QVBoxLayout(kreator);
    kl->addWidget(k_tak);
    kl->addWidget(k_nie);

    auto *dzwieki = new QGroupBox(QStringLiteral(" Dźwięki "), this);
    auto soundRow = [&](const QString &label, QLineEdit *&edit, QPushButton *&btn, const char *editName,
                        const char *btnName, QGridLayout *grid, int row) {
        grid->addWidget(new QLabel(label, dzwieki), row, 0, 1, 2);
        edit = new QLineEdit(dzwieki);
        edit->setReadOnly(true);
        named(edit, editName);
        btn = new QPushButton(QStringLiteral("..."), dzwieki);
        named(btn, btnName);
        btn->setToolTip(QStringLiteral("Zmień dźwięk"));
        btn->setFixedWidth(32);
        grid->addWidget(edit, row + 1, 0);
        grid->addWidget(btn, row + 1, 1);
    };
    auto *dl = new QGridLayout(dzwieki);
    soundRow(QStringLiteral("Dźwięk gdy upuszczasz nazwę w pole"), d1, d11, "d1", "d11", dl, 0);
    soundRow(QStringLiteral("Dźwięk dla oceny celującej"), d2, d21, "d2", "d21", dl, 2);

    auto *tryby = new QGroupBox(QStringLiteral("Tryby"), this);
    tryb = new QCheckBox(QStringLiteral("Usuwaj nazwy pól gdy został wybrany element (zaznaczony na mapie)"), tryby);
    named(tryb, "tryb");
    tryb->setChecked(true);
    auto *tl = new QVBoxLayout(tryby);
    tl->addWidget(tryb);

    auto *usersLabel = new QLabel(QStringLiteral("Lista użytkowników aplikacji"), this);
    lista = new QListWidget(this);
    named(lista, "lista");
    nowy = new QPushButton(QStringLiteral("Nowy"), this);
    named(nowy, "nowy");
    nowy->setToolTip(QStringLiteral("Nowy użytkownik"));
    Usun = new QPushButton(QStringLiteral("Usuń"), this);
    named(Usun, "Usun");
    Usun->setToolTip(QStringLiteral("Usuń użytkownika"));

    Arch_KS = new QPushButton(QStringLiteral("Architektura Klient-Server"), this);
    named(Arch_KS, "Arch_KS");
    Zastosuj = new QPushButton(QStringLiteral("Zastosuj"), this);
    named(Zastosuj, "Zastosuj");
    Zastosuj->setDefault(true);
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    named(Anuluj, "Anuluj");

    // Left column: options; right column: the users.
    auto *left = new QVBoxLayout;
    left->addWidget(wyglad);
    left->addWidget(kreator);
    left->addWidget(dzwieki);
    left->addWidget(tryby);
    left->addStretch(1);

    auto *userButtons = new QHBoxLayout;
    userButtons->addWidget(nowy);
    userButtons->addWidget(Usun);
    userButtons->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(usersLabel);
    right->addWidget(lista, 1);
    right->addLayout(userButtons);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addSpacing(8);
    columns->addLayout(right, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Arch_KS);
    buttons->addStretch(1);
    buttons->addWidget(Zastosuj);
    buttons->addWidget(Anuluj);

    auto *root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addSpacing(4);
    root->addLayout(columns, 1);
    root->addSpacing(6);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
    lista->setMinimumSize(200, 300);

    connect(Zastosuj, &QPushButton::clicked, this, &TUstawienia::ZastosujClick);
    connect(Anuluj, &QPushButton::clicked, this, &TUstawienia::AnulujClick);
    connect(nowy, &QPushButton::clicked, this, &TUstawienia::nowyClick);
    connect(Usun, &QPushButton::clicked, this, &TUstawienia::UsunClick);
    connect(d11, &QPushButton::clicked, this, &TUstawienia::d11Click);
    connect(d21, &QPushButton::clicked, this, &TUstawienia::d21Click);
    connect(Arch_KS, &QPushButton::clicked, this, &TUstawienia::Arch_KSClick);
}

void TUstawienia::showEvent(QShowEvent *event)
{
    // Filled when the dialog appears, not whenever it regains focus: coming
    // back from the input prompt or the file chooser must keep the edits.
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

void TUstawienia::FormActivate()
{
    const TForm1 *main = forms().Form1;
    lista->clear();
    if (!files::dataExists(kSettingsFile)) {
        d1->setText(main->settings.dropSound);
        d2->setText(main->settings.topGradeSound);
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
            (one ? max : normal)->setChecked(true);
            break;
        case 2:
            (one ? k_tak : k_nie)->setChecked(true);
            break;
        case 3:
            d1->setText(main->settings.dropSound);
            break;
        case 4:
            d2->setText(main->settings.topGradeSound);
            break;
        case 5:
            tryb->setChecked(one);
            break;
        default:
            lista->addItem(line);
            break;
        }
    }
}

void TUstawienia::ZastosujClick()
{
    setHourglass(true);
    QStringList users;
    for (int i = 0; i < lista->count(); ++i)
        users.append(lista->item(i)->text());
    const QString line5 = tryb->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    const QStringList content =
        settingsLines(max->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
                      k_tak->isChecked() ? QStringLiteral("1") : QStringLiteral("0"), d1->text(), d2->text(), line5,
                      users);
    const Status saved = saveSettingsLines(files::dataDir(), content);
    if (!saved) {
        // The old konf.dat is intact; the dialog stays open to try again.
        setHourglass(false);
        showMessage(this, saved.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    TForm1 *main = forms().Form1;
    main->setUsers(users);
    // Only this option and the users take effect now; the window size, the
    // creator choice and the sounds wait for the next start.
    main->settings.removePlacedNames = line5.toInt();
    setHourglass(false);
    accept();
}

void TUstawienia::AnulujClick()
{
    reject();
}

void TUstawienia::nowyClick()
{
    const auto name = Services::get().input(this, QStringLiteral("Wpisz imię i nazwisko"),
                                            QStringLiteral("Nowy użytkownik"), QString());
    if (name && !name->isEmpty())
        lista->addItem(*name);
}

void TUstawienia::UsunClick()
{
    const int row = lista->currentRow();
    if (row >= 0 && lista->currentItem() && lista->currentItem()->isSelected())
        delete lista->takeItem(row);
}

void TUstawienia::chooseSound(QLineEdit *target)
{
    const QString start = target->text().isEmpty() ? files::dataDir() : QFileInfo(target->text()).absolutePath();
    const QString path = Services::get().openFileName(this, QStringLiteral("Wybierz dźwięk"), start,
                                                      QStringLiteral("Pliki dźwiękowe (*.wav)"));
    if (!path.isEmpty())
        target->setText(path);
}

void TUstawienia::d11Click()
{
    chooseSound(d1);
}

void TUstawienia::d21Click()
{
    chooseSound(d2);
}

void TUstawienia::Arch_KSClick()
{
    Services::get().execModal(*forms().A_KS);
}

} // namespace tv
