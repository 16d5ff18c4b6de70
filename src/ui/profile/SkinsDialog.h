#pragma once

#include "app/PlaceholderDialog.h"

namespace tv {

// The skin choice.
class SkinsDialog : public PlaceholderDialog {
    Q_OBJECT

public:
    explicit SkinsDialog(QWidget *parent = nullptr)
        : PlaceholderDialog(QStringLiteral("skinsDialog"), QStringLiteral("Skóry"), parent)
    {
    }
};

} // namespace tv
