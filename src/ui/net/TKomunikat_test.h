#pragma once

#include "app/ShellWindow.h"

namespace tv {

// The prompt that announces a test assigned by the teacher.
class TKomunikat_test : public ShellWindow {
    Q_OBJECT

public:
    explicit TKomunikat_test(QWidget *parent = nullptr) : ShellWindow(QStringLiteral("Komunikat_test"), QStringLiteral("Terravia"), parent) {}
};

} // namespace tv
