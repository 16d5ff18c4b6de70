#include "Tladuj.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace tv {

Tladuj::Tladuj(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("ladowanie"));
    setFixedSize(469, 58);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xf4, 0xf0));
    setPalette(pal);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(rect());
    QPalette fp = frame->palette();
    fp.setColor(QPalette::WindowText, QColor(0x1f, 0x3a, 0x68));
    frame->setPalette(fp);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/ladowanie.svg")).pixmap(32, 32));
    icon->setFixedSize(32, 32);

    auto *Label1 = new QLabel(QStringLiteral("Ładuję test.  Proszę czekać..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    QPalette lp = Label1->palette();
    lp.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Label1->setPalette(lp);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(Label1);
    text->addWidget(Label2);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(12);
    row->addWidget(icon);
    row->addLayout(text, 1);
}

void Tladuj::showNow()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    repaint();
}

void Tladuj::setAction(const QString &text)
{
    Label2->setText(text);
    Label2->repaint();
}

QString Tladuj::action() const
{
    return Label2->text();
}

} // namespace tv
