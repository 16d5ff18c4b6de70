#pragma once

#include "app/ShellWindow.h"

namespace tv {

// The write-to-author form.
class Te_mail : public ShellWindow {
    Q_OBJECT

public:
    explicit Te_mail(QWidget *parent = nullptr) : ShellWindow(QStringLiteral("e_mail"), QStringLiteral("Napisz do autora"), parent) {}
};

} // namespace tv
