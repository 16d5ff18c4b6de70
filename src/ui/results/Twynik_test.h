#pragma once

#include <QDialog>

namespace tv {

// The result dialog of a judged test.
class Twynik_test : public QDialog {
    Q_OBJECT

public:
    explicit Twynik_test(QWidget *parent = nullptr);
};

} // namespace tv
