#include "LoginWindow.h"

#include "net/NetworkFiles.h"
#include "net/Session.h"
#include "platform/Look.h"
#include "platform/Services.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace tv {

namespace {

const QString kWaiting = QStringLiteral("Status: Oczekiwanie...");
const QString kConnecting = QStringLiteral("Status: Nawiązywanie połączenia...");
const QString kNotFound = QStringLiteral("Status: Nie znaleziono serwera. Wciśnij OK, by spróbować znowu");

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &hint)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

LoginWindow::LoginWindow(Session &session, QWidget *parent) : QDialog(parent), session(session)
{
    setObjectName(QStringLiteral("loginWindow"));
    setWindowTitle(QStringLiteral("Połączenie do Serwera..."));
    // No close button: the window is left only through its own buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    fillBackground(this, Qt::white);

    auto heading = [this](const QString &text, const char *name) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        setTextColour(l, QColor(0, 0, 128));
        return l;
    };
    QLabel *notice = heading(QStringLiteral("UWAGA: Terravia obecnie pracuje w konfiguracji"), "noticeLabel");
    QLabel *mode = heading(QStringLiteral("KLIENT - SERVER"), "modeLabel");

    auto *nameLabel = new QLabel(QStringLiteral("Przedstaw się (twój NIK) Imię i nazwisko"), this);
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));

    okButton = makeButton(this, "okButton", QStringLiteral("OK"), QStringLiteral("Zaloguj do serwera Terravia"));
    cancelButton = makeButton(this, "cancelButton", QStringLiteral("Anuluj"), QStringLiteral("Wyjdź z programu"));
    localButton = makeButton(this, "localButton", QStringLiteral("Tryb lokalny"),
                             QStringLiteral("Przejdź na tryb lokalny"));
    helpButton = makeButton(this, "helpButton", QStringLiteral("Pomoc"), QString());

    statusLabel = new QLabel(kWaiting, this);
    statusLabel->setObjectName(QStringLiteral("statusPanel"));
    statusLabel->setAlignment(Qt::AlignCenter);
    statusLabel->setFrameShape(QFrame::Panel);
    statusLabel->setFrameShadow(QFrame::Sunken);
    statusLabel->setMinimumHeight(statusLabel->sizeHint().height() + 4);

    passwordRow = new QWidget(this);
    passwordRow->setObjectName(QStringLiteral("passwordRow"));
    auto *passwordLabel = new QLabel(QStringLiteral("Hasło do trybu lokalnego"), passwordRow);
    passwordEdit = new QLineEdit(passwordRow);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    passwordOkButton = makeButton(passwordRow, "passwordOkButton", QStringLiteral("OK"),
                                  QStringLiteral("Zatwierdź hasło dostępu"));
    passwordOkButton->setFixedWidth(passwordOkButton->fontMetrics().horizontalAdvance(QStringLiteral("OK")) + 24);
    auto *rowLayout = new QHBoxLayout(passwordRow);
    rowLayout->setContentsMargins(8, 4, 8, 6);
    rowLayout->addWidget(passwordLabel);
    rowLayout->addWidget(passwordEdit, 1);
    rowLayout->addWidget(passwordOkButton);
    passwordRow->hide();

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {okButton, cancelButton, localButton, helpButton})
        buttons->addWidget(b);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 12);
    body->setSpacing(4);
    body->addWidget(notice);
    body->addWidget(mode);
    body->addSpacing(10);
    body->addWidget(nameLabel);
    body->addWidget(nameEdit);
    body->addSpacing(8);
    body->addLayout(buttons);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addLayout(body);
    root->addWidget(statusLabel);
    root->addWidget(passwordRow);
    root->addStretch(1);

    // Wide enough for the longest status, that of a server not found.
    const int width = std::max({400, body->sizeHint().width(), statusLabel->fontMetrics().horizontalAdvance(kNotFound) + 16});
    collapsedHeight = root->sizeHint().height();
    setFixedSize(width, collapsedHeight);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(okButton, &QPushButton::clicked, this, &LoginWindow::login);
    connect(nameEdit, &QLineEdit::returnPressed, this, &LoginWindow::login);
    connect(cancelButton, &QPushButton::clicked, this, &LoginWindow::cancel);
    connect(localButton, &QPushButton::clicked, this, &LoginWindow::askPassword);
    connect(helpButton, &QPushButton::clicked, this, &LoginWindow::helpRequested);
    connect(passwordOkButton, &QPushButton::clicked, this, &LoginWindow::confirmPassword);
    connect(passwordEdit, &QLineEdit::returnPressed, this, &LoginWindow::confirmPassword);
}

QString LoginWindow::name() const
{
    return nameEdit->text();
}

void LoginWindow::focusName()
{
    nameEdit->setFocus();
}

QString LoginWindow::status() const
{
    return statusLabel->text();
}

void LoginWindow::setStatus(const QString &text)
{
    statusLabel->setText(text);
    statusLabel->repaint();
}

bool LoginWindow::passwordRowShown() const
{
    return passwordRow->isVisibleTo(this);
}

void LoginWindow::login()
{
    if (session.connectionUp())
        return; // the name is with the server; its answer is awaited
    setHourglass(true);
    setStatus(kConnecting);
    QString address;
    if (netfiles::clientModeConfigured())
        address = netfiles::readServerAddress().text;
    const QString typed = nameEdit->text();
    auto refuse = [this](const QString &message) {
        setHourglass(false);
        setStatus(kWaiting);
        showMessage(this, message, QStringLiteral("Terravia"), Services::Icon::Information);
        nameEdit->setFocus();
    };
    if (typed.isEmpty()) {
        refuse(QStringLiteral("Aby wejść do systemu, musisz wpisać swoje Imię i Nazwisko"));
        return;
    }
    // The server reads "^" as the end of a field: such a name would forge
    // the fields of the pupil's results.
    if (typed.contains(protocol::kFieldEnd)) {
        refuse(QStringLiteral("Twoje Imię i Nazwisko nie może zawierać znaku \"^\"\r\n"
                              "Popraw je i spróbuj ponownie"));
        return;
    }
    if (address.isEmpty()) {
        connectionFailed();
        return;
    }
    session.connectToServer(address, typed);
}

void LoginWindow::connectionFailed()
{
    // The pupil who started before the teacher's server must see that
    // nothing is going on, and that OK is the way to try again.
    setHourglass(false);
    setStatus(kNotFound);
    nameEdit->setFocus();
}

void LoginWindow::cancel()
{
    leave(QDialog::Rejected);
    Services::get().terminateApplication();
}

void LoginWindow::askPassword()
{
    if (!passwordRow->isVisible()) {
        passwordRow->show();
        setFixedSize(width(), qMax(kGrownHeight, collapsedHeight + passwordRow->sizeHint().height()));
    }
    hiddenPassword.clear();
    if (!netfiles::passwordDir(session.passwordPlace()).isEmpty()) {
        const netfiles::FirstLine stored = netfiles::readPassword(session.passwordPlace());
        if (stored.status)
            hiddenPassword = stored.text;
        else
            showMessage(this, stored.status.message, QStringLiteral("Terravia"), Services::Icon::Error);
    }
    passwordEdit->setFocus();
}

void LoginWindow::confirmPassword()
{
    if (passwordEdit->text() != hiddenPassword) {
        showMessage(this, QStringLiteral("Błędne hasło dostępu. Dostęp zmiany trybu ZABRONIONY\r\nWprowadź hasło ponownie"),
                    QStringLiteral("Terravia"), Services::Icon::Error);
        passwordEdit->setFocus();
        return;
    }
    netfiles::removeClientConfiguration(session.passwordPlace());
    // Local mode from here on: no connection, no polling, and the program
    // may be closed again.
    session.leave();
    setHourglass(false);
    leave(QDialog::Accepted);
}

void LoginWindow::finish()
{
    leave(QDialog::Accepted);
}

void LoginWindow::leave(int result)
{
    leaving = true;
    done(result);
    leaving = false;
}

void LoginWindow::done(int result)
{
    if (!leaving)
        return; // Esc and the like: the window has no other way out
    QDialog::done(result);
}

void LoginWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void LoginWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

} // namespace tv
