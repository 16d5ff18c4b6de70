#pragma once

#include <QDialog>

namespace tv {

// The results filter.
class TFiltr_wyniki : public QDialog {
    Q_OBJECT

public:
    explicit TFiltr_wyniki(QWidget *parent = nullptr);
};

} // namespace tv
