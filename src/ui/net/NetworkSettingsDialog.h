#pragma once

#include "app/PlaceholderDialog.h"

namespace tv {

// The network settings window: local or client-server mode.
class NetworkSettingsDialog : public PlaceholderDialog {
    Q_OBJECT

public:
    explicit NetworkSettingsDialog(QWidget *parent = nullptr)
        : PlaceholderDialog(QStringLiteral("networkSettingsDialog"), QStringLiteral("Architektura Klient-Server"), parent)
    {
    }
};

} // namespace tv
