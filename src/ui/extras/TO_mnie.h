#pragma once

#include "app/ShellWindow.h"

namespace tv {

// The about box.
class TO_mnie : public ShellWindow {
    Q_OBJECT

public:
    explicit TO_mnie(QWidget *parent = nullptr) : ShellWindow(QStringLiteral("O_mnie"), QStringLiteral("O programie"), parent) {}
};

} // namespace tv
