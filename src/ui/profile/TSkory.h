#pragma once

#include "app/ShellWindow.h"

namespace tv {

// The skins dialog.
class TSkory : public ShellWindow {
    Q_OBJECT

public:
    explicit TSkory(QWidget *parent = nullptr) : ShellWindow(QStringLiteral("Skory"), QStringLiteral("Skóry"), parent) {}
};

} // namespace tv
