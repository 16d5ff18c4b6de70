#pragma once

#include "app/PlaceholderDialog.h"

namespace tv {

// The prompt that announces a test assigned by the teacher.
class AssignmentPrompt : public PlaceholderDialog {
    Q_OBJECT

public:
    explicit AssignmentPrompt(QWidget *parent = nullptr)
        : PlaceholderDialog(QStringLiteral("assignmentPrompt"), QStringLiteral("Terravia"), parent)
    {
    }
};

} // namespace tv
