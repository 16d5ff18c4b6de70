#pragma once

#include <QDialog>

namespace tv {

// The test-creator wizard that opens at start-up and after each test.
class TKreator : public QDialog {
    Q_OBJECT

public:
    explicit TKreator(QWidget *parent = nullptr);
};

} // namespace tv
