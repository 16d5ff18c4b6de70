#include "NetworkSettingsDialog.h"

#include "net/Discovery.h"
#include "net/NetworkFiles.h"
#include "net/Session.h"
#include "platform/Look.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tv {

namespace {

const QString kCaption = QStringLiteral("Terravia");
const QString kNotFound = QStringLiteral(
    "Przykro mi, ale nie mogę odszukać serwera.\r\n- Sprawdź czy serwer Terravia jest uruchomiony\r\n- Czy jesteś w sieci");
const QString kNotStarted = QStringLiteral(
    "Przykro mi, ale nie mogę odszukać serwera.\r\n- Sprawdź czy serwer jest uruchomiony\r\n- Czy jesteś w sieci");

} // namespace

NetworkSettingsDialog::NetworkSettingsDialog(Session &session, QWidget *parent) : QDialog(parent), session(session)
{
    setObjectName(QStringLiteral("networkSettingsDialog"));
    setWindowTitle(QStringLiteral("Architektura Klient-Server"));
    finder = new Discovery(session.endpoints(), this);

    auto *modes = new QGroupBox(QStringLiteral(" Tryby pracy "), this);
    modes->setObjectName(QStringLiteral("modeGroup"));
    localRadio = new QRadioButton(QStringLiteral("Tryb lokalny (na jedno stanowisko komputerowe)"), modes);
    localRadio->setObjectName(QStringLiteral("localRadio"));
    localRadio->setChecked(true);
    clientRadio = new QRadioButton(QStringLiteral("Tryb w architekturze Klient-Server (praca jako KLIENT)"), modes);
    clientRadio->setObjectName(QStringLiteral("clientRadio"));
    auto *modeLayout = new QVBoxLayout(modes);
    modeLayout->addWidget(localRadio);
    modeLayout->addWidget(clientRadio);

    auto *options = new QGroupBox(QStringLiteral("Opcje Klient-Server"), this);
    options->setObjectName(QStringLiteral("optionsGroup"));
    auto *notice = new QLabel(
        QStringLiteral("UWAGA: Komputer pracujący jako Serwer musi być uruchomiony w sieci LAN lub Internet"), options);
    notice->setObjectName(QStringLiteral("noticeLabel"));
    notice->setWordWrap(true);
    setTextColour(notice, QColor(128, 0, 0));
    auto *hint = new QLabel(QStringLiteral("Wprowadź adres IP serwera lub wcisnij przycisk: Znajdź Serwer"), options);
    hint->setObjectName(QStringLiteral("hintLabel"));
    auto *addressLabel = new QLabel(QStringLiteral("Adres serwera:"), options);
    addressLabel->setObjectName(QStringLiteral("addressLabel"));
    addressEdit = new QLineEdit(options);
    addressEdit->setObjectName(QStringLiteral("addressEdit"));
    checkButton = new QPushButton(QStringLiteral("Sprawdź połączenie (Adres IP)"), options);
    checkButton->setObjectName(QStringLiteral("checkButton"));
    searchCheck = new QCheckBox(QStringLiteral("Sam przeszukaj sieć i znajdź serwer..."), options);
    searchCheck->setObjectName(QStringLiteral("searchCheck"));
    searchCheck->setChecked(true);
    udpRadio = new QRadioButton(QStringLiteral("Znajdź serwer poprzez protokół UDP"), options);
    udpRadio->setObjectName(QStringLiteral("udpRadio"));
    udpRadio->setChecked(true);
    tcpRadio = new QRadioButton(QStringLiteral("Znajdź serwer poprzez protokół TCP/IP (nazwa domenowa)"), options);
    tcpRadio->setObjectName(QStringLiteral("tcpRadio"));
    findButton = new QPushButton(QStringLiteral("Znajdź Serwer"), options);
    findButton->setObjectName(QStringLiteral("findButton"));

    auto *addressRow = new QHBoxLayout;
    addressRow->addWidget(addressLabel);
    addressRow->addWidget(addressEdit, 1);
    addressRow->addWidget(checkButton);
    auto *searchRow = new QGridLayout;
    searchRow->addWidget(udpRadio, 0, 0);
    searchRow->addWidget(tcpRadio, 1, 0);
    searchRow->addWidget(findButton, 0, 1, 2, 1, Qt::AlignVCenter);
    searchRow->setColumnStretch(0, 1);
    auto *optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(notice);
    optionsLayout->addWidget(hint);
    optionsLayout->addLayout(addressRow);
    optionsLayout->addSpacing(4);
    optionsLayout->addWidget(searchCheck);
    optionsLayout->addLayout(searchRow);

    auto *passwordLabel = new QLabel(QStringLiteral("Hasło przejścia z Architektury Klient-Server na tryb lokalny"), this);
    passwordLabel->setObjectName(QStringLiteral("passwordLabel"));
    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    passwordEdit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    passwordEdit->setReadOnly(true); // only discovery fills it

    applyButton = new QPushButton(QStringLiteral("Zastosuj"), this);
    applyButton->setObjectName(QStringLiteral("applyButton"));
    cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton *b : {checkButton, findButton, applyButton, cancelButton})
        b->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(applyButton);
    buttons->addWidget(cancelButton);

    auto *root = new QVBoxLayout(this);
    root->addWidget(modes);
    root->addWidget(options);
    root->addWidget(passwordLabel);
    root->addWidget(passwordEdit);
    root->addSpacing(6);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget *w : std::initializer_list<QWidget *>{addressEdit, checkButton, searchCheck, udpRadio, tcpRadio,
                                                       findButton, passwordEdit})
        w->setEnabled(false);

    connect(localRadio, &QRadioButton::clicked, this, &NetworkSettingsDialog::chooseLocal);
    connect(clientRadio, &QRadioButton::clicked, this, &NetworkSettingsDialog::chooseClient);
    connect(searchCheck, &QCheckBox::clicked, this, &NetworkSettingsDialog::toggleSearch);
    connect(findButton, &QPushButton::clicked, this, &NetworkSettingsDialog::findServer);
    connect(checkButton, &QPushButton::clicked, this, &NetworkSettingsDialog::checkAddress);
    connect(applyButton, &QPushButton::clicked, this, &NetworkSettingsDialog::apply);
    connect(cancelButton, &QPushButton::clicked, this, &NetworkSettingsDialog::cancel);

    connect(finder, &Discovery::udpReply, this, [this](const QString &address, const QString &password) {
        passwordEdit->setText(password);
        addressEdit->setText(address);
        found(QStringLiteral("Pobrano poprzez protokół UDP adres IP serwera Terravia"));
    });
    connect(finder, &Discovery::udpFailed, this, &NetworkSettingsDialog::notFound);
    connect(finder, &Discovery::udpTimedOut, this, [this] {
        setHourglass(false);
        showMessage(this,
                    QStringLiteral("Przykro mi, ale upłynął maksymalny czas (30 sekund) oczekiwania na odpowiedź "
                                   "serwera\r\nSpróbuj poszukać serwera poprzez protokół TCP"),
                    kCaption, Services::Icon::Warning);
        addressEdit->clear();
    });
    connect(finder, &Discovery::probeConnected, this, [this](const QString &peer) {
        addressEdit->setText(peer);
        found(QStringLiteral("Pobrano poprzez protokół TCP adres IP serwera Terravia"));
    });
    connect(finder, &Discovery::probeData, passwordEdit, &QLineEdit::setText);
    connect(finder, &Discovery::probeFailed, this, &NetworkSettingsDialog::notFound);
}

NetworkSettingsDialog::~NetworkSettingsDialog() = default;

void NetworkSettingsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        onActivated();
}

void NetworkSettingsDialog::onActivated()
{
    // The search by UDP shows the local subnet: this computer's address is
    // looked up while the window is read.
    session.refreshLocalAddress();
    if (!netfiles::clientModeConfigured())
        return;
    const netfiles::FirstLine stored = netfiles::readPassword(session.passwordPlace());
    if (!stored.status) {
        showMessage(this, stored.status.message, kCaption, Services::Icon::Error);
        return;
    }
    hiddenPassword = stored.text;
    addressEdit->setText(netfiles::readServerAddress().text);
    // The mode in force, shown but not changeable here.
    clientRadio->setChecked(true);
    applyButton->setEnabled(false);
    localRadio->setEnabled(false);
    clientRadio->setEnabled(false);
    passwordEdit->setEnabled(true);
}

// ---------------------------------------------------------------------------
// Enabling rules

void NetworkSettingsDialog::setSearchEnabled(bool on)
{
    udpRadio->setEnabled(on);
    tcpRadio->setEnabled(on);
    findButton->setEnabled(on);
}

void NetworkSettingsDialog::chooseLocal()
{
    applyButton->setEnabled(true);
    setSearchEnabled(false);
    addressEdit->setEnabled(false);
    checkButton->setEnabled(false);
    searchCheck->setEnabled(false);
    passwordEdit->setEnabled(false);
}

void NetworkSettingsDialog::chooseClient()
{
    applyButton->setEnabled(false);
    searchCheck->setEnabled(true);
    const bool searching = searchCheck->isChecked();
    setSearchEnabled(searching);
    addressEdit->setEnabled(!searching);
    checkButton->setEnabled(!searching);
}

void NetworkSettingsDialog::toggleSearch()
{
    const bool searching = searchCheck->isChecked();
    setSearchEnabled(searching);
    checkButton->setEnabled(!searching);
    addressEdit->setEnabled(!searching);
    if (searching)
        addressEdit->clear();
    else
        addressEdit->setFocus();
}

// ---------------------------------------------------------------------------
// Discovery

void NetworkSettingsDialog::findServer()
{
    if (udpRadio->isChecked())
        searchUdp();
    else
        searchByName();
}

void NetworkSettingsDialog::searchUdp()
{
    addressEdit->setText(protocol::broadcastText(session.localAddress()));
    setHourglass(true);
    finder->searchUdp();
}

void NetworkSettingsDialog::searchByName()
{
    const std::optional<QString> name = Services::get().input(
        this, QStringLiteral("Wpisz nazwę..."), QStringLiteral("Wpisz nazwę domenową serwera np. Server.lan"), QString());
    if (!name || name->isEmpty()) {
        setHourglass(false);
        showMessage(this,
                    QStringLiteral("Musisz wpisać nazwę domenową serwera Terravia np. SERVER.lan\r\nJeżeli nie wiesz "
                                   "jaka jest nazwa serwera, spytaj Administratora sieci lub Nauczyciela"),
                    kCaption, Services::Icon::None);
        return;
    }
    probeFrom(*name);
}

void NetworkSettingsDialog::checkAddress()
{
    if (addressEdit->text().isEmpty()) {
        showMessage(this,
                    QStringLiteral("Muszisz wpisać adres IP serwera Terravia np. 169.214.15.25\r\nJeżeli nie wiesz jaki "
                                   "jest Adres IP serwera, spytaj Administratora sieci lub nauczyciela"),
                    kCaption, Services::Icon::None);
        applyButton->setEnabled(false);
        addressEdit->setFocus();
        return;
    }
    probeFrom(addressEdit->text());
}

void NetworkSettingsDialog::probeFrom(const QString &host)
{
    setHourglass(true);
    if (finder->probe(host))
        return;
    setHourglass(false);
    showMessage(this, kNotStarted, kCaption, Services::Icon::Error);
    addressEdit->clear();
}

void NetworkSettingsDialog::found(const QString &message)
{
    setHourglass(false);
    showMessage(this, message, kCaption, Services::Icon::None);
    addressEdit->setEnabled(false);
    searchCheck->setEnabled(false);
    setSearchEnabled(false);
    applyButton->setEnabled(true);
}

void NetworkSettingsDialog::notFound()
{
    setHourglass(false);
    showMessage(this, kNotFound, kCaption, Services::Icon::Error);
    addressEdit->clear();
}

// ---------------------------------------------------------------------------
// Zastosuj, Anuluj

void NetworkSettingsDialog::apply()
{
    const PasswordPlace passwords = session.passwordPlace();
    if (!clientRadio->isChecked()) {
        netfiles::removeClientConfiguration(passwords);
        accept();
        return;
    }
    if (passwordEdit->text().isEmpty()) {
        showMessage(this,
                    QStringLiteral("Musisz wpisać hasło dostępu które będzie potrzebne przy przejściu z architektury "
                                   "Klient-Server na tryb lokalny"),
                    kCaption, Services::Icon::Information);
        passwordEdit->setFocus();
        return;
    }
    Status written = netfiles::writePassword(passwords, passwordEdit->text());
    if (written)
        written = netfiles::writeServerAddress(addressEdit->text());
    if (!written) {
        showMessage(this, written.message, kCaption, Services::Icon::Error);
        return;
    }
    const auto answer = showMessage(this,
                                    QStringLiteral("Architektura Klient-Server będzie dostępna po ponownym "
                                                   "uruchomieniu programu Terravia\r\nCzy mam teraz ponownie "
                                                   "uruchomic program?"),
                                    kCaption, Services::Icon::Information, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        emit restartRequested(); // the window stays when the program cannot start again
    else
        accept();
}

void NetworkSettingsDialog::cancel()
{
    // A search under way ends unheard, and what was found is forgotten.
    finder->cancel();
    setHourglass(false);
    addressEdit->clear();
    passwordEdit->clear();
    if (clientRadio->isChecked() && clientRadio->isEnabled())
        chooseClient();
    reject();
}

void NetworkSettingsDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace tv
