#pragma once

#include "app/ShellWindow.h"

namespace tv {

// The network settings window: local or client-server mode.
class TA_KS : public ShellWindow {
    Q_OBJECT

public:
    explicit TA_KS(QWidget *parent = nullptr) : ShellWindow(QStringLiteral("A_KS"), QStringLiteral("Architektura Klient-Server"), parent) {}
};

} // namespace tv
