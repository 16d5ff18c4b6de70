#pragma once

#include "teacher/ClassModels.h"
#include "teacher/ClassroomServer.h"
#include "teacher/TeacherSettings.h"

#include <QMainWindow>
#include <QTimer>

#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

namespace tv::teacher {

class Gradebook;
class GradebookWindow;

// The teacher's one window: the class with each pupil's state and the
// commands of the lesson, and the results that came in, sortable, exported
// for a spreadsheet and printed.
class ClassWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kRefreshMs = 10000;

    // The server is running (or failed to start, which the status line says).
    ClassWindow(Classroom &classroom, ClassroomServer &server, TeacherSettings &settings, const QString &teacherDir,
                QWidget *parent = nullptr);

    // --- the commands, as the buttons and menus give them -------------------------
    void assignToAll();
    void assignToSelected();
    void endTest();
    void sendMessage();
    void refreshStates();
    void endLesson();
    void forgetConfiguration();
    void exportCsv();
    void print();
    void openSettings();
    // "Dziennik ocen...": the file or a school's server; kept once it opens.
    void openGradebookSettings();
    // "Usuń z listy": the chosen pupils who are disconnected leave the list.
    void removeDisconnected();
    void openHelp();
    // The gradebook the results also go to; closed when it could not be opened.
    void setGradebook(Gradebook *book);
    // At the start of a lesson: which class it is; the list the teacher keeps.
    void askClass();
    void chooseClass(const QString &name);
    GradebookWindow *openGradebook();

    // Pupils chosen in the list, as indexes into the classroom's pupils.
    std::vector<int> selectedPupils() const;
    // Results in the order the table shows them.
    std::vector<int> resultsInViewOrder() const;
    // The text above the lists: address, password, how many are in.
    QString summary() const;
    void updateSummary();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QTabWidget *tabs = nullptr;
    QTableView *pupilsView = nullptr;
    QTableView *resultsView = nullptr;
    QLabel *summaryLabel = nullptr;
    QComboBox *classBox = nullptr; // the lesson's class
    QListWidget *logView = nullptr; // "Dziennik": what the status line said, and every refused line
    QPushButton *assignAllButton = nullptr;
    QPushButton *assignSelectedButton = nullptr;
    QPushButton *endTestButton = nullptr;
    QPushButton *messageButton = nullptr;
    QPushButton *refreshButton = nullptr;
    QPushButton *endLessonButton = nullptr;
    QPushButton *forgetButton = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *removeButton = nullptr;
    QAction *removeAction = nullptr;
    QTimer refreshTimer;

    void assign(const std::vector<int> &to, const QString &whom);
    bool confirm(const QString &text);
    std::vector<int> removablePupils() const;
    void updateCommands();
    // Before the lesson ends: who is still solving, or nothing.
    QString solvingWarning() const;
    void say(const QString &text);

    Classroom &room;
    ClassroomServer &server;
    TeacherSettings &settings;
    QString dir;
    PupilsModel pupilsModel;
    ResultsModel resultsModel;
    QSortFilterProxyModel *pupilsSorted = nullptr;
    QSortFilterProxyModel *resultsSorted = nullptr;
    Gradebook *gradebook = nullptr;
    GradebookWindow *gradebookWindow = nullptr;
    bool gradebookFailureShown = false;
};

} // namespace tv::teacher
