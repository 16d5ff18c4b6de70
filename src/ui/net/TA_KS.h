#pragma once

#include <QDialog>

namespace tv {

// The network settings window: local or client-server mode.
class TA_KS : public QDialog {
    Q_OBJECT

public:
    explicit TA_KS(QWidget *parent = nullptr);
};

} // namespace tv
