#pragma once

#include <QDialog>

namespace tv {

// The write-to-author form.
class Te_mail : public QDialog {
    Q_OBJECT

public:
    explicit Te_mail(QWidget *parent = nullptr);
};

} // namespace tv
