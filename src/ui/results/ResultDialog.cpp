#include "ResultDialog.h"

#include "app/Locking.h"
#include "app/Shell.h"
#include "net/Session.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "profile/ProgramSettings.h"
#include "profile/UsersDialog.h"
#include "quiz/Grades.h"
#include "results/ResultRecord.h"
#include "results/ResultState.h"
#include "platform/Look.h"
#include "platform/System.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace tv {

namespace {

bool isSaveKey(const QKeyEvent *event)
{
    return event->matches(QKeySequence::Save)
        || (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_S);
}

QLabel *valueLabel(QWidget *parent, const char *name, const QColor &colour)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    setTextColour(l, colour);
    return l;
}

} // namespace

ResultDialog::ResultDialog(Shell &shell, ProgramSettings &settings, Session &session, ResultState &state,
                           QWidget *parent)
    : QDialog(parent), shell(shell), settings(settings), session(session), state(state)
{
    setObjectName(QStringLiteral("resultDialog"));
    setWindowTitle(QStringLiteral("Wynik testu"));
    // Left only through its buttons: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    fillBackground(this, kTooltipYellow);

    auto *userLabel = new QLabel(QStringLiteral("Użytkownik"), this);
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setAccessibleName(QStringLiteral("Użytkownik"));
    nameEdit->setAccessibleDescription(QStringLiteral("Imię i nazwisko; Enter lub Ctrl+S zapisuje wynik"));
    nameList = new QComboBox(this);
    nameList->setObjectName(QStringLiteral("nameList"));
    nameList->setAccessibleName(QStringLiteral("Użytkownik"));
    nameList->setAccessibleDescription(QStringLiteral("Zarejestrowani użytkownicy; Enter lub Ctrl+S zapisuje wynik"));
    userLabel->setBuddy(nameEdit);
    // Ctrl+S saves from the name too; the list would take it for a search.
    nameEdit->installEventFilter(this);
    nameList->installEventFilter(this);
    nameList->setMaxVisibleItems(15);
    nameList->setEditable(false);
    newUserButton = new QPushButton(QStringLiteral("Nowy..."), this);
    newUserButton->setObjectName(QStringLiteral("newUserButton"));
    newUserButton->setToolTip(QStringLiteral("Nowy użytkownik"));
    newUserButton->setAutoDefault(false);

    titleLabel = valueLabel(this, "titleLabel", QColor(0, 0, 128));
    timeLabel = valueLabel(this, "timeLabel", QColor(0, 0, 0));
    tasksLabel = valueLabel(this, "tasksLabel", QColor(0, 0, 0));
    goodLabel = valueLabel(this, "goodLabel", QColor(0, 128, 0));
    badLabel = valueLabel(this, "badLabel", QColor(255, 0, 0));
    gradeLabel = valueLabel(this, "gradeLabel", QColor(0, 0, 255));
    gradePicture = new QLabel(this);
    gradePicture->setObjectName(QStringLiteral("gradePicture"));
    gradePicture->setAccessibleName(QStringLiteral("Ocena"));
    gradePicture->setFixedSize(48, 48);
    gradePicture->setAlignment(Qt::AlignCenter);
    countdownLabel = new QLabel(QStringLiteral("Zamknięcie okna za: 30 sekund"), this);
    countdownLabel->setObjectName(QStringLiteral("countdownLabel"));
    autoCloseCheck = new QCheckBox(QStringLiteral("Automatycznie zamknij ten test"), this);
    autoCloseCheck->setObjectName(QStringLiteral("autoCloseCheck"));
    autoCloseCheck->setChecked(true);
    saveButton = new QPushButton(QStringLiteral("Zapisz test"), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    saveButton->setToolTip(QStringLiteral("Zapisz ten test"));
    saveButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setToolTip(QStringLiteral("Wyjście bez zapisu"));
    cancelButton->setAutoDefault(false);
    sendButton = new QPushButton(QStringLiteral("OK"), this);
    sendButton->setObjectName(QStringLiteral("sendButton"));
    sendButton->setMinimumHeight(40);
    sendButton->hide();

    soundDelay = new QTimer(this);
    soundDelay->setObjectName(QStringLiteral("soundDelay"));
    soundDelay->setInterval(1000);
    countdownTimer = new QTimer(this);
    countdownTimer->setObjectName(QStringLiteral("countdownTimer"));
    countdownTimer->setInterval(1000);

    // Layout: the name on top, the figures in a grid, the buttons below.
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameEdit, 1);
    nameRow->addWidget(nameList, 1);
    nameRow->addWidget(newUserButton);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    const QString captions[] = {QStringLiteral("Czas testu:"), QStringLiteral("Zadań do wykonania:"),
                                QStringLiteral("Dobrych odpowiedzi:"), QStringLiteral("Błędnych odpowiedzi:"),
                                QStringLiteral("Ocena:")};
    QLabel *values[] = {timeLabel, tasksLabel, goodLabel, badLabel, gradeLabel};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(new QLabel(captions[i], this), i, 0, Qt::AlignRight);
        grid->addWidget(values[i], i, 1);
        figureCaptions.append({values[i], captions[i]});
    }
    grid->addWidget(gradePicture, 0, 2, 5, 1, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(autoCloseCheck);
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);

    auto *root = new QVBoxLayout(this);
    root->addWidget(userLabel);
    root->addLayout(nameRow);
    root->addSpacing(6);
    root->addWidget(titleLabel);
    root->addSpacing(4);
    root->addLayout(grid);
    root->addSpacing(6);
    root->addWidget(countdownLabel);
    root->addLayout(buttons);
    root->addWidget(sendButton);
    root->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(420);

    connect(soundDelay, &QTimer::timeout, this, &ResultDialog::playTopGradeSound);
    connect(countdownTimer, &QTimer::timeout, this, &ResultDialog::countDown);
    connect(saveButton, &QPushButton::clicked, this, &ResultDialog::save);
    connect(cancelButton, &QPushButton::clicked, this, &ResultDialog::cancel);
    connect(newUserButton, &QPushButton::clicked, this, &ResultDialog::addUser);
    connect(sendButton, &QPushButton::clicked, this, &ResultDialog::send);
}

bool ResultDialog::sessionMode() const
{
    return session.active();
}

void ResultDialog::present(const ResultFigures &shown)
{
    setFigures(shown);
    Services::get().execModal(*this);
}

void ResultDialog::setFigures(const ResultFigures &shown)
{
    figures = shown;
    titleLabel->setText(figures.title);
    timeLabel->setText(figures.time);
    tasksLabel->setText(QString::number(figures.tasks));
    goodLabel->setText(QString::number(figures.good));
    badLabel->setText(QString::number(figures.bad));
    gradeLabel->setText(figures.grade);
    setGradeIcon(figures.gradeIcon);
}

void ResultDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        onActivated();
    QDialog::showEvent(event);
}

void ResultDialog::onActivated()
{
    state.countdown = 30;
    state.closing = ResultState::Closing::Pending;
    state.testFinished = true;
    nameList->clear();
    letPendingEventsRun();

    if (sessionMode()) {
        countdownLabel->show();
        countdownTimer->start();
        sendButton->show();
        saveButton->hide();
        cancelButton->hide();
        nameList->hide();
        autoCloseCheck->hide();
        nameEdit->show();
        nameEdit->setReadOnly(true);
        nameEdit->setText(session.userName());
        describeFigures();
        sendButton->setFocus();
        return;
    }
    countdownLabel->hide();
    sendButton->hide();
    saveButton->show();
    cancelButton->show();
    autoCloseCheck->show();
    nameEdit->setReadOnly(false);
    if (settings.users().isEmpty()) {
        nameEdit->show();
        nameList->hide();
    } else {
        nameEdit->hide();
        nameList->show();
        nameList->addItems(settings.users());
        nameList->setCurrentIndex(-1);
    }
    describeFigures();
    // The pupil types or chooses the name first; Enter then saves.
    if (nameEdit->isVisibleTo(this))
        nameEdit->setFocus();
    else
        nameList->setFocus();
    soundDelay->start();
}

void ResultDialog::describeFigures()
{
    // A screen reader hears each figure with its caption.
    for (const auto &[value, caption] : figureCaptions)
        value->setAccessibleName(caption + QLatin1Char(' ') + value->text());
    gradePicture->setAccessibleName(QStringLiteral("Ocena: ") + gradeLabel->text());
}

bool ResultDialog::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == nameEdit || watched == nameList) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (isSaveKey(key)) {
            save();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ResultDialog::playTopGradeSound()
{
    const QString sound = files::soundPath(settings.current().topGradeSound);
    if (figures.grade == grades::kCelujacy && !sound.isEmpty())
        Services::get().playSound(sound);
    soundDelay->stop();
    setHourglass(false);
}

void ResultDialog::save()
{
    if (sessionMode())
        return;
    if (nameEdit->isVisibleTo(this) && nameEdit->text().isEmpty()) {
        showMessage(this, QStringLiteral("Aby zapisać wynik testu musisz wpisać (w polu na górze) swoje imię i nazwisko"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        nameEdit->setFocus();
        return;
    }
    if (nameList->isVisibleTo(this) && nameList->currentIndex() < 0) {
        showMessage(this, QStringLiteral("Aby zapisać wynik testu musisz wybrać (lista na górze) swoje imię i nazwisko"),
                    QStringLiteral("Terravia: Zapis..."), Services::Icon::Information);
        nameList->setFocus();
        if (isVisible())
            nameList->showPopup();
        return;
    }
    const QString user = nameEdit->isVisibleTo(this) ? nameEdit->text() : nameList->currentText();
    const Status saved = appendResult(files::dataDir(), recordOf(user, figures));
    setHourglass(false);
    if (!saved) {
        // Nothing is lost: the dialog stays open and the pupil may try again.
        showMessage(this, saved.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    state.closing = ResultState::Closing::Allowed;
    soundDelay->stop();
    if (autoCloseCheck->isChecked())
        shell.closeActiveChild();
    closingFromButton = true;
    accept();
}

void ResultDialog::cancel()
{
    setHourglass(false);
    state.closing = ResultState::Closing::Allowed;
    soundDelay->stop();
    if (autoCloseCheck->isChecked())
        shell.closeActiveChild();
    closingFromButton = true;
    reject();
}

void ResultDialog::addUser()
{
    UsersDialog users(settings, this);
    Services::get().execModal(users);
    onActivated();
}

void ResultDialog::send()
{
    countdownTimer->stop();
    state.closing = ResultState::Closing::Now;
    session.sendResultReport(recordOf(session.userName(), figures).lines());
    letPendingEventsRun();
    closingFromButton = true;
    accept();
    // Sent: the test window's close rule lets it go now.
    shell.closeActiveChild();
    shell.setBackgroundVisible(true);
}

void ResultDialog::countDown()
{
    if (!sessionMode())
        return;
    if (state.countdown > 0) {
        countdownLabel->setText(QStringLiteral("Zamknięcie okna za: %1 sekund").arg(state.countdown));
        countdownLabel->repaint();
        --state.countdown;
        return;
    }
    countdownTimer->stop();
    send();
}

void ResultDialog::setGradeIcon(const QString &iconFile)
{
    gradePicture->clear();
    if (iconFile.isEmpty() || !files::dataExists(iconFile))
        return;
    const QIcon icon(files::dataPath(iconFile));
    gradePicture->setPixmap(icon.pixmap(48, 48));
}

bool ResultDialog::hasGradeIcon() const
{
    return !gradePicture->pixmap().isNull();
}

void ResultDialog::keyPressEvent(QKeyEvent *event)
{
    if (isSaveKey(event)) {
        save();
        return;
    }
    // The dialog is left only through its buttons: Esc does nothing.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void ResultDialog::done(int result)
{
    if (!closingFromButton)
        return; // no other way out
    closingFromButton = false;
    soundDelay->stop();
    QDialog::done(result);
    if (shell.statusText(Shell::ModePanel) == texts::kClientMode)
        shell.lockForSession();
}

} // namespace tv
