#pragma once

#include "app/PlaceholderDialog.h"

namespace tv {

// The about box.
class AboutDialog : public PlaceholderDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr)
        : PlaceholderDialog(QStringLiteral("aboutDialog"), QStringLiteral("O programie"), parent)
    {
    }
};

} // namespace tv
