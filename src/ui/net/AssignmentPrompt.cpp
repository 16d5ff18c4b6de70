#include "AssignmentPrompt.h"

#include "platform/Look.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tv {

namespace {

const QString kFirstCountdown = QStringLiteral("Jeżeli jesteś gotowy(a). Wciśnij OK, lub poczekaj 60 sekund");

QLabel *line(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

AssignmentPrompt::AssignmentPrompt(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("assignmentPrompt"));
    setWindowTitle(QStringLiteral("Terravia"));
    setFixedSize(536, 148);
    fillBackground(this, kTooltipYellow);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/terravia.svg")).pixmap(32, 32));
    icon->setFixedSize(32, 32);

    userLine = line(this, "userLine", QStringLiteral("Użytkowniku:"));
    QFont bold = userLine->font();
    bold.setBold(true);
    userLine->setFont(bold);
    QLabel *fixed = line(this, "fixedLine", QStringLiteral("będziesz rozwiązywał(a) test"));
    testLine = line(this, "testLine", QString());
    QFont larger = bold;
    larger.setPointSizeF(bold.pointSizeF() * 1.4);
    testLine->setFont(larger);
    setTextColour(testLine, QColor(0, 0, 128));
    countdownLine = line(this, "countdownLine", kFirstCountdown);

    codeField = new QLineEdit(this);
    codeField->setObjectName(QStringLiteral("codeField"));
    codeField->hide();

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setToolTip(QStringLiteral("Rozpoczęcie testu..."));
    QFont buttonFont = larger;
    okButton->setFont(buttonFont);
    setTextColour(okButton, QColor(0, 0, 255));
    okButton->setFixedSize(96, 56);
    okButton->setDefault(true);

    auto *lines = new QVBoxLayout;
    lines->setSpacing(2);
    lines->addWidget(userLine);
    lines->addWidget(fixed);
    lines->addWidget(testLine);
    lines->addSpacing(4);
    lines->addWidget(countdownLine);

    auto *iconColumn = new QVBoxLayout;
    iconColumn->addWidget(icon);
    iconColumn->addStretch(1);

    auto *root = new QHBoxLayout(this);
    root->setContentsMargins(10, 10, 14, 10);
    root->addLayout(iconColumn);
    root->addLayout(lines, 1);
    root->addWidget(okButton, 0, Qt::AlignVCenter);

    timer.setInterval(1000);
    connect(&timer, &QTimer::timeout, this, &AssignmentPrompt::tick);
    connect(okButton, &QPushButton::clicked, this, &AssignmentPrompt::start);

    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void AssignmentPrompt::assign(int code, const QString &userName, const QString &promptName)
{
    codeField->setText(QString::number(code));
    userLine->setText(QStringLiteral("Użytkowniku: ") + userName);
    testLine->setText(promptName);
    if (isVisible())
        return;
    show();
    raise();
    activateWindow();
}

void AssignmentPrompt::onActivated()
{
    counter = kSeconds;
    countdownLine->setText(kFirstCountdown);
    timer.start();
}

void AssignmentPrompt::tick()
{
    if (counter > 0) {
        countdownLine->setText(QStringLiteral("Jeżeli jesteś gotowy(a). Wciśnij OK, lub poczekaj %1 sekund")
                                   .arg(counter));
        countdownLine->repaint();
        --counter;
        return;
    }
    start();
}

void AssignmentPrompt::start()
{
    timer.stop();
    const int code = codeField->text().toInt();
    // Closed before the test opens, so that a message of the launch is not
    // hidden behind a window that stays on top.
    close();
    emit launchRequested(code);
}

void AssignmentPrompt::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Only the prompt appearing starts the count again: the pupil clicking
    // another program and back, or a message box closing over the prompt,
    // leaves the count where it is.
    if (!event->spontaneous())
        onActivated();
}

} // namespace tv
