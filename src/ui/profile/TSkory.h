#pragma once

#include <QDialog>

namespace tv {

// The skins dialog.
class TSkory : public QDialog {
    Q_OBJECT

public:
    explicit TSkory(QWidget *parent = nullptr);
};

} // namespace tv
