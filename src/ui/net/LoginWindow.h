#pragma once

#include <QDialog>

namespace tv {

// The login window of client-server mode. It is shown before the main
// window when the program is configured as a client.
class LoginWindow : public QDialog {
    Q_OBJECT

public:
    explicit LoginWindow(QWidget *parent = nullptr);
};

} // namespace tv
