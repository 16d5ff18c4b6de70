#include "LoadingWindow.h"
#include "platform/Look.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace tv {

LoadingWindow::LoadingWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("loadingWindow"));
    setFixedSize(469, 58);
    fillBackground(this, QColor(0xf4, 0xf4, 0xf0));

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(rect());
    setTextColour(frame, QColor(0x1f, 0x3a, 0x68));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/ladowanie.svg")).pixmap(32, 32));
    icon->setFixedSize(32, 32);

    auto *headline = new QLabel(QStringLiteral("Ładuję test.  Proszę czekać..."), this);
    headline->setObjectName(QStringLiteral("headline"));
    QFont bold = headline->font();
    bold.setBold(true);
    headline->setFont(bold);
    setTextColour(headline, QColor(0, 0, 128));

    actionLine = new QLabel(this);
    actionLine->setObjectName(QStringLiteral("actionLine"));

    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(headline);
    text->addWidget(actionLine);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(12);
    row->addWidget(icon);
    row->addLayout(text, 1);
}

void LoadingWindow::showNow()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    repaint();
}

void LoadingWindow::setAction(const QString &text)
{
    actionLine->setText(text);
    actionLine->repaint();
    emit actionChanged(text);
}

QString LoadingWindow::action() const
{
    return actionLine->text();
}

} // namespace tv
