#include "GradebookSettingsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tv::teacher {

GradebookSettingsDialog::GradebookSettingsDialog(const GradebookPlace &current, QWidget *parent)
    : QDialog(parent), given(current)
{
    setObjectName(QStringLiteral("gradebookSettingsDialog"));
    setWindowTitle(QStringLiteral("Dziennik ocen"));
    auto *layout = new QVBoxLayout(this);
    fileRadio = new QRadioButton(QStringLiteral("W pliku w folderze nauczyciela (bez konfiguracji)"), this);
    fileRadio->setObjectName(QStringLiteral("fileRadio"));
    serverRadio = new QRadioButton(QStringLiteral("Na serwerze PostgreSQL szkoły (wspólny dla nauczycieli)"), this);
    serverRadio->setObjectName(QStringLiteral("serverRadio"));
    layout->addWidget(fileRadio);
    layout->addWidget(serverRadio);
    auto *form = new QFormLayout;
    hostEdit = new QLineEdit(current.host, this);
    hostEdit->setObjectName(QStringLiteral("hostEdit"));
    portBox = new QSpinBox(this);
    portBox->setObjectName(QStringLiteral("portBox"));
    portBox->setRange(1, 65535);
    portBox->setValue(current.port);
    databaseEdit = new QLineEdit(current.database, this);
    databaseEdit->setObjectName(QStringLiteral("databaseEdit"));
    userEdit = new QLineEdit(current.user, this);
    userEdit->setObjectName(QStringLiteral("userEdit"));
    passwordEdit = new QLineEdit(current.password, this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    form->addRow(QStringLiteral("Adres serwera:"), hostEdit);
    form->addRow(QStringLiteral("Port:"), portBox);
    form->addRow(QStringLiteral("Baza danych:"), databaseEdit);
    form->addRow(QStringLiteral("Użytkownik:"), userEdit);
    form->addRow(QStringLiteral("Hasło:"), passwordEdit);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    (current.kind == GradebookPlace::Kind::PostgreSQL ? serverRadio : fileRadio)->setChecked(true);
    connect(fileRadio, &QRadioButton::toggled, this, &GradebookSettingsDialog::follow);
    follow();
}

void GradebookSettingsDialog::follow()
{
    const bool server = serverRadio->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{hostEdit, portBox, databaseEdit, userEdit, passwordEdit})
        w->setEnabled(server);
}

GradebookPlace GradebookSettingsDialog::place() const
{
    GradebookPlace p = given;
    p.kind = serverRadio->isChecked() ? GradebookPlace::Kind::PostgreSQL : GradebookPlace::Kind::SQLite;
    p.host = hostEdit->text().trimmed();
    p.port = portBox->value();
    p.database = databaseEdit->text().trimmed();
    p.user = userEdit->text().trimmed();
    p.password = passwordEdit->text();
    return p;
}

} // namespace tv::teacher
