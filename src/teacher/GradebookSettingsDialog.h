#pragma once

#include "teacher/Gradebook.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tv::teacher {

// Where the gradebook is kept: the file in the teacher's folder, or a
// school's PostgreSQL server that several teachers share.
class GradebookSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit GradebookSettingsDialog(const GradebookPlace &current, QWidget *parent = nullptr);

    // The place as entered; the SQLite file is the one the dialog was given.
    GradebookPlace place() const;

private:
    void follow();

    GradebookPlace given;

    QRadioButton *fileRadio = nullptr;
    QRadioButton *serverRadio = nullptr;
    QLineEdit *hostEdit = nullptr;
    QSpinBox *portBox = nullptr;
    QLineEdit *databaseEdit = nullptr;
    QLineEdit *userEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QPushButton *okButton = nullptr;
};

} // namespace tv::teacher
