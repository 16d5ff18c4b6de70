#pragma once

#include <QDialog>

namespace tv {

// The about box.
class TO_mnie : public QDialog {
    Q_OBJECT

public:
    explicit TO_mnie(QWidget *parent = nullptr);
};

} // namespace tv
