#pragma once

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>

#include "Scripted.h"

// The parts of the program's dialogs and windows that tests press or read,
// found by their object names as a user finds them by their captions. The
// windows keep the widgets themselves private.
namespace tv::test::parts {

inline QLineEdit *addressEdit(const QObject *w) { return named<QLineEdit>(w, "addressEdit"); }
inline QGroupBox *addresses(const QObject *w) { return named<QGroupBox>(w, "addresses"); }
inline QPushButton *applyButton(const QObject *w) { return named<QPushButton>(w, "applyButton"); }
inline QLabel *author(const QObject *w) { return named<QLabel>(w, "author"); }
inline QCheckBox *autoCloseCheck(const QObject *w) { return named<QCheckBox>(w, "autoCloseCheck"); }
inline QLabel *badLabel(const QObject *w) { return named<QLabel>(w, "badLabel"); }
inline QPlainTextEdit *body(const QObject *w) { return named<QPlainTextEdit>(w, "body"); }
inline QRadioButton *byGradeRadio(const QObject *w) { return named<QRadioButton>(w, "byGradeRadio"); }
inline QRadioButton *byTestRadio(const QObject *w) { return named<QRadioButton>(w, "byTestRadio"); }
inline QRadioButton *byUserRadio(const QObject *w) { return named<QRadioButton>(w, "byUserRadio"); }
inline QPushButton *cancelButton(const QObject *w) { return named<QPushButton>(w, "cancelButton"); }
inline QPushButton *changeButton(const QObject *w) { return named<QPushButton>(w, "changeButton"); }
inline QPushButton *checkButton(const QObject *w) { return named<QPushButton>(w, "checkButton"); }
inline QListWidget *choiceList(const QObject *w) { return named<QListWidget>(w, "choiceList"); }
inline QRadioButton *clientRadio(const QObject *w) { return named<QRadioButton>(w, "clientRadio"); }
inline QPushButton *closeButton(const QObject *w) { return named<QPushButton>(w, "closeButton"); }
inline QLineEdit *codeField(const QObject *w) { return named<QLineEdit>(w, "codeField"); }
inline QMenu *contextMenu(const QObject *w) { return named<QMenu>(w, "contextMenu"); }
inline QLabel *countLabel(const QObject *w) { return named<QLabel>(w, "countLabel"); }
inline QLabel *countdownLabel(const QObject *w) { return named<QLabel>(w, "countdownLabel"); }
inline QLabel *countdownLine(const QObject *w) { return named<QLabel>(w, "countdownLine"); }
inline QRadioButton *creatorOffRadio(const QObject *w) { return named<QRadioButton>(w, "creatorOffRadio"); }
inline QRadioButton *creatorOnRadio(const QObject *w) { return named<QRadioButton>(w, "creatorOnRadio"); }
inline QLineEdit *databaseEdit(const QObject *w) { return named<QLineEdit>(w, "databaseEdit"); }
inline QPushButton *drawButton(const QObject *w) { return named<QPushButton>(w, "drawButton"); }
inline QListWidget *drawList(const QObject *w) { return named<QListWidget>(w, "drawList"); }
inline QLabel *drawnTitle(const QObject *w) { return named<QLabel>(w, "drawnTitle"); }
inline QPushButton *dropSoundButton(const QObject *w) { return named<QPushButton>(w, "dropSoundButton"); }
inline QLineEdit *dropSoundEdit(const QObject *w) { return named<QLineEdit>(w, "dropSoundEdit"); }
inline QPushButton *findButton(const QObject *w) { return named<QPushButton>(w, "findButton"); }
inline QLabel *goodLabel(const QObject *w) { return named<QLabel>(w, "goodLabel"); }
inline QLabel *gradeLabel(const QObject *w) { return named<QLabel>(w, "gradeLabel"); }
inline QPushButton *helpButton(const QObject *w) { return named<QPushButton>(w, "helpButton"); }
inline QLineEdit *hostEdit(const QObject *w) { return named<QLineEdit>(w, "hostEdit"); }
inline QCheckBox *lateBox(const QObject *w) { return named<QCheckBox>(w, "lateBox"); }
inline QPushButton *loadButton(const QObject *w) { return named<QPushButton>(w, "loadButton"); }
inline QPushButton *localButton(const QObject *w) { return named<QPushButton>(w, "localButton"); }
inline QRadioButton *localRadio(const QObject *w) { return named<QRadioButton>(w, "localRadio"); }
inline QRadioButton *maximisedRadio(const QObject *w) { return named<QRadioButton>(w, "maximisedRadio"); }
inline QLineEdit *nameEdit(const QObject *w) { return named<QLineEdit>(w, "nameEdit"); }
inline QComboBox *nameList(const QObject *w) { return named<QComboBox>(w, "nameList"); }
inline QPushButton *networkButton(const QObject *w) { return named<QPushButton>(w, "networkButton"); }
inline QPushButton *newButton(const QObject *w) { return named<QPushButton>(w, "newButton"); }
inline QPushButton *newUserButton(const QObject *w) { return named<QPushButton>(w, "newUserButton"); }
inline QPushButton *nextButton(const QObject *w) { return named<QPushButton>(w, "nextButton"); }
inline QRadioButton *normalRadio(const QObject *w) { return named<QRadioButton>(w, "normalRadio"); }
inline QPushButton *okButton(const QObject *w) { return named<QPushButton>(w, "okButton"); }
inline QGroupBox *optionsGroup(const QObject *w) { return named<QGroupBox>(w, "optionsGroup"); }
inline QListWidget *ownList(const QObject *w) { return named<QListWidget>(w, "ownList"); }
inline QStackedWidget *pages(const QObject *w) { return named<QStackedWidget>(w, "pages"); }
inline QLineEdit *passwordEdit(const QObject *w) { return named<QLineEdit>(w, "passwordEdit"); }
inline QPushButton *passwordOkButton(const QObject *w) { return named<QPushButton>(w, "passwordOkButton"); }
inline QSpinBox *portBox(const QObject *w) { return named<QSpinBox>(w, "portBox"); }
inline QLabel *preview(const QObject *w) { return named<QLabel>(w, "preview"); }
inline QPushButton *removeButton(const QObject *w) { return named<QPushButton>(w, "removeButton"); }
inline QCheckBox *removeNamesCheck(const QObject *w) { return named<QCheckBox>(w, "removeNamesCheck"); }
inline QPlainTextEdit *report(const QObject *w) { return named<QPlainTextEdit>(w, "report"); }
inline QPushButton *reportButton(const QObject *w) { return named<QPushButton>(w, "reportButton"); }
inline QPushButton *saveButton(const QObject *w) { return named<QPushButton>(w, "saveButton"); }
inline QAction *searchAction(const QObject *w) { return named<QAction>(w, "searchAction"); }
inline QCheckBox *searchCheck(const QObject *w) { return named<QCheckBox>(w, "searchCheck"); }
inline QPushButton *sendButton(const QObject *w) { return named<QPushButton>(w, "sendButton"); }
inline QRadioButton *serverRadio(const QObject *w) { return named<QRadioButton>(w, "serverRadio"); }
inline QPushButton *settingsButton(const QObject *w) { return named<QPushButton>(w, "settingsButton"); }
inline QTimer *shapeDelay(const QObject *w) { return named<QTimer>(w, "shapeDelay"); }
inline QListWidget *skinList(const QObject *w) { return named<QListWidget>(w, "skinList"); }
inline QTimer *soundDelay(const QObject *w) { return named<QTimer>(w, "soundDelay"); }
inline QListWidget *startList(const QObject *w) { return named<QListWidget>(w, "startList"); }
inline QLineEdit *subject(const QObject *w) { return named<QLineEdit>(w, "subject"); }
inline QLabel *tasksLabel(const QObject *w) { return named<QLabel>(w, "tasksLabel"); }
inline QRadioButton *tcpRadio(const QObject *w) { return named<QRadioButton>(w, "tcpRadio"); }
inline QLabel *testLine(const QObject *w) { return named<QLabel>(w, "testLine"); }
inline QListWidget *testList(const QObject *w) { return named<QListWidget>(w, "testList"); }
inline QLabel *timeLabel(const QObject *w) { return named<QLabel>(w, "timeLabel"); }
inline QTimer *titleGrowth(const QObject *w) { return named<QTimer>(w, "titleGrowth"); }
inline QLabel *titleLabel(const QObject *w) { return named<QLabel>(w, "titleLabel"); }
inline QPushButton *topGradeSoundButton(const QObject *w) { return named<QPushButton>(w, "topGradeSoundButton"); }
inline QLineEdit *topGradeSoundEdit(const QObject *w) { return named<QLineEdit>(w, "topGradeSoundEdit"); }
inline QTreeWidget *tree(const QObject *w) { return named<QTreeWidget>(w, "tree"); }
inline QRadioButton *udpRadio(const QObject *w) { return named<QRadioButton>(w, "udpRadio"); }
inline QLineEdit *userEdit(const QObject *w) { return named<QLineEdit>(w, "userEdit"); }
inline QLabel *userLine(const QObject *w) { return named<QLabel>(w, "userLine"); }
inline QListWidget *userList(const QObject *w) { return named<QListWidget>(w, "userList"); }

} // namespace tv::test::parts
