#pragma once

#include "teacher/TeacherSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tv::teacher {

// The server's settings: the access password, shown as it is so the teacher
// can read it out, and whether late-comers may log in while a test runs.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    SettingsDialog(const TeacherSettings &current, const QString &teacherDir, QWidget *parent = nullptr);

    // The settings as entered; valid after the dialog was accepted.
    TeacherSettings settings() const;

private:
    void tryAccept();

    QLineEdit *passwordEdit = nullptr;
    QPushButton *generateButton = nullptr;
    QCheckBox *lateBox = nullptr;
    QPushButton *okButton = nullptr;
};

} // namespace tv::teacher
