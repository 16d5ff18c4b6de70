#include "SettingsDialog.h"

#include "platform/Files.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tv::teacher {

SettingsDialog::SettingsDialog(const TeacherSettings &current, const QString &teacherDir, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("settingsDialog"));
    setWindowTitle(QStringLiteral("Ustawienia serwera"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Hasło dostępu:"), this), 0, 0);
    passwordEdit = new QLineEdit(current.password, this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit->setMaxLength(64);
    grid->addWidget(passwordEdit, 0, 1);
    generateButton = new QPushButton(QStringLiteral("Nowe hasło"), this);
    generateButton->setObjectName(QStringLiteral("generateButton"));
    generateButton->setToolTip(QStringLiteral("Wylosuj nowe hasło"));
    grid->addWidget(generateButton, 0, 2);
    auto *note = new QLabel(QStringLiteral("Komputery uczniów otrzymują hasło razem z adresem serwera, gdy go "
                                           "wyszukują. Uczeń potrzebuje go, aby przejść na tryb lokalny.\n"
                                           "Zmienione hasło otrzymają komputery, które wyszukają serwer ponownie."),
                            this);
    note->setWordWrap(true);
    grid->addWidget(note, 1, 0, 1, 3);
    lateBox = new QCheckBox(QStringLiteral("Wpuszczaj spóźnionych uczniów, gdy trwa test"), this);
    lateBox->setObjectName(QStringLiteral("lateBox"));
    lateBox->setChecked(current.admitLateComers);
    grid->addWidget(lateBox, 2, 0, 1, 3);
    auto *where = new QLabel(QStringLiteral("Pliki nauczyciela (ustawienia i wyniki Wyniki.tvw):\n") + teacherDir, this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);
    grid->addWidget(where, 3, 0, 1, 3);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    grid->addWidget(buttons, 4, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::tryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(generateButton, &QPushButton::clicked, this, [this] { passwordEdit->setText(generatePassword()); });
    resize(520, sizeHint().height());
}

TeacherSettings SettingsDialog::settings() const
{
    return {passwordEdit->text(), lateBox->isChecked()};
}

void SettingsDialog::tryAccept()
{
    const QString problem = passwordProblem(passwordEdit->text());
    if (!problem.isEmpty()) {
        showMessage(this, problem, QStringLiteral("Terravia – nauczyciel"), Services::Icon::Warning);
        passwordEdit->setFocus();
        return;
    }
    accept();
}

} // namespace tv::teacher
