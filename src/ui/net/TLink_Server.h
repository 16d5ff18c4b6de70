#pragma once

#include <QDialog>

namespace tv {

// The login window of client-server mode. It is shown before the main window when the program is configured as a client.
class TLink_Server : public QDialog {
    Q_OBJECT

public:
    explicit TLink_Server(QWidget *parent = nullptr);
};

} // namespace tv
