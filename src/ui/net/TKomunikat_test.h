#pragma once

#include <QDialog>

namespace tv {

// The prompt that announces a test assigned by the teacher.
class TKomunikat_test : public QDialog {
    Q_OBJECT

public:
    explicit TKomunikat_test(QWidget *parent = nullptr);
};

} // namespace tv
