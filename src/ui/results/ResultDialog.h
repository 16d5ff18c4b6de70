#pragma once

#include "results/ResultRecord.h"

#include <QDialog>
#include <QList>
#include <QPair>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace tv {

class ProgramSettings;
class Session;
class Shell;
struct ResultState;

// The result dialog: shows a judged test, takes the pupil's name and stores
// the result (local mode) or sends it to the teacher's server (session).
// One instance, created at start-up and shown once per finished test.
class ResultDialog : public QDialog {
    Q_OBJECT

public:
    ResultDialog(Shell &shell, ProgramSettings &settings, Session &session, ResultState &state,
                 QWidget *parent = nullptr);

    // Fills the figures and shows the dialog modally.
    void present(const ResultFigures &figures);
    // The figures shown, saved and sent from now on.
    void setFigures(const ResultFigures &figures);

    void onActivated();
    void playTopGradeSound();
    void countDown();
    void save();
    void cancel();
    void addUser();
    // Sends the result to the server (session).
    void send();
    // Sets the grade picture from an icon file of the data directory (none
    // when the name is empty or the file is missing).
    void setGradeIcon(const QString &iconFile);
    bool hasGradeIcon() const;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool sessionMode() const;
    void describeFigures();

    Shell &shell;
    ProgramSettings &settings;
    Session &session;
    ResultState &state;
    ResultFigures figures;
    bool closingFromButton = false;
    QList<QPair<QLabel *, QString>> figureCaptions; // each figure and the caption before it

    QLineEdit *nameEdit = nullptr;
    QComboBox *nameList = nullptr;
    QPushButton *newUserButton = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *timeLabel = nullptr;
    QLabel *tasksLabel = nullptr;
    QLabel *goodLabel = nullptr;
    QLabel *badLabel = nullptr;
    QLabel *gradeLabel = nullptr;
    QLabel *gradePicture = nullptr;
    QLabel *countdownLabel = nullptr;
    QCheckBox *autoCloseCheck = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *sendButton = nullptr;
    QTimer *soundDelay = nullptr;
    QTimer *countdownTimer = nullptr;
};

} // namespace tv
