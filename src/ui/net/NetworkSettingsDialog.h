#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tv {

class Discovery;
class Session;

// The network settings window: local mode or client-server mode, and for the
// latter the teacher's server found by UDP, by a name or by an address, with
// the access password it hands out. "Zastosuj" writes the two files whose
// presence makes the program a client at its next start. Created once; the
// fields keep what was found between openings.
class NetworkSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit NetworkSettingsDialog(Session &session, QWidget *parent = nullptr);
    ~NetworkSettingsDialog() override;

    // Each opening: with client-server mode configured, the stored address
    // is shown and the mode cannot be changed here.
    void onActivated();

    void chooseLocal();
    void chooseClient();
    void toggleSearch();
    // "Znajdź Serwer": by UDP or by a name, as the radios choose.
    void findServer();
    void searchUdp();
    void searchByName();
    // "Sprawdź połączenie (Adres IP)".
    void checkAddress();
    void apply();
    void cancel();

    Discovery &discovery() { return *finder; }
    const QString &storedPassword() const { return hiddenPassword; }

signals:
    // "Zastosuj" asks for the program to start again.
    void restartRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void found(const QString &message);
    void probeFrom(const QString &host);
    void notFound();
    void setSearchEnabled(bool on);

    Session &session;
    Discovery *finder = nullptr;
    QString hiddenPassword;

    QRadioButton *localRadio = nullptr;
    QRadioButton *clientRadio = nullptr;
    QLineEdit *addressEdit = nullptr;
    QPushButton *checkButton = nullptr;
    QCheckBox *searchCheck = nullptr;
    QRadioButton *udpRadio = nullptr;
    QRadioButton *tcpRadio = nullptr;
    QPushButton *findButton = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QPushButton *applyButton = nullptr;
    QPushButton *cancelButton = nullptr;
};

} // namespace tv
