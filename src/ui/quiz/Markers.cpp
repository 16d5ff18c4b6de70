#include "Markers.h"
#include "platform/Look.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFontDatabase>
#include <QMimeData>
#include <QMouseEvent>

namespace tv {

QFont mapFont(int pixelSize)
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
        return QFontDatabase::applicationFontFamilies(id).value(0, QStringLiteral("Liberation Sans"));
    }();
    QFont f(family);
    f.setBold(true);
    f.setPixelSize(pixelSize);
    return f;
}

MarkerBox::MarkerBox(int k, QWidget *parent) : QLabel(parent), tag(10 + k)
{
    setObjectName(QStringLiteral("marker%1").arg(k));
    setFixedSize(129, 25);
    setAlignment(Qt::AlignCenter);
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setFont(mapFont(11));
    setLineWidth(1);
    setState(MarkerState::Blank);
    hide();
}

QColor markerColour(MarkerState state)
{
    switch (state) {
    case MarkerState::Blank:
        return QColor(0, 0, 255);
    case MarkerState::Placed:
        return QColor(255, 255, 255);
    case MarkerState::Good:
        return QColor(0, 255, 0);
    case MarkerState::Bad:
        return QColor(255, 0, 0);
    }
    return QColor();
}

QColor MarkerBox::colour() const
{
    return markerColour(current);
}

void MarkerBox::setState(MarkerState state)
{
    current = state;
    fillBackground(this, colour());
    setTextColour(this, QColor(0, 0, 128));
    // A placed name sits in a lowered panel; blank and judged markers are flat.
    setFrameStyle(state == MarkerState::Placed ? (QFrame::Panel | QFrame::Sunken) : (QFrame::Box | QFrame::Plain));
}

bool MarkerBox::accepts(const QMimeData *mime, QObject *source) const
{
    return mime && mime->hasFormat(kNameMime) && source != this;
}

void MarkerBox::dragEnterEvent(QDragEnterEvent *event)
{
    if (accepts(event->mimeData(), event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MarkerBox::dragMoveEvent(QDragMoveEvent *event)
{
    if (accepts(event->mimeData(), event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MarkerBox::dropEvent(QDropEvent *event)
{
    if (!accepts(event->mimeData(), event->source())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(this, event->mimeData()->data(kNameMime).toInt());
}

void MarkerBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    emit doubleClicked(this);
}

NameField::NameField(int k, QWidget *parent) : QLineEdit(parent), tag(k)
{
    setObjectName(QStringLiteral("nameField%1").arg(k));
    setFixedSize(136, 21);
    setFont(mapFont(11));
    // Names are dragged, not edited.
    setReadOnly(true);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setCursor(Qt::OpenHandCursor);
    hide();
}

void NameField::mousePressEvent(QMouseEvent *event)
{
    emit chosen(this);
    if (event->button() == Qt::LeftButton) {
        pressed = true;
        pressAt = event->position().toPoint();
    }
    event->accept();
}

void NameField::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - pressAt).manhattanLength() < QApplication::startDragDistance())
        return;
    pressed = false;
    auto *mime = new QMimeData;
    mime->setData(kNameMime, QByteArray::number(tag));
    mime->setText(text());
    auto *drag = new QDrag(this);
    drag->setMimeData(mime);
    QPixmap picture(size());
    render(&picture);
    drag->setPixmap(picture);
    drag->setHotSpot(pressAt);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

void NameField::mouseReleaseEvent(QMouseEvent *event)
{
    pressed = false;
    event->accept();
}

void NameField::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit chosen(this);
    event->accept();
}

HintPanel::HintPanel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("hintPanel"));
    setText(QStringLiteral("Wybrano:?"));
    fillBackground(this, kTooltipYellow);
    setTextColour(this, QColor(128, 0, 0));
    setFont(mapFont(14));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setFixedSize(260, 30);
    setCursor(Qt::SizeAllCursor);
    setToolTip(QStringLiteral("Przesuń mnie myszką"));
}

void HintPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        moving = true;
        grab = event->position().toPoint();
    }
    event->accept();
}

void HintPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (!moving)
        return;
    QPoint to = mapToParent(event->position().toPoint() - grab);
    const QWidget *p = parentWidget();
    to.setX(qBound(0, to.x(), qMax(0, p->width() - width())));
    to.setY(qBound(0, to.y(), qMax(0, p->height() - height())));
    move(to);
}

void HintPanel::mouseReleaseEvent(QMouseEvent *event)
{
    moving = false;
    event->accept();
}

} // namespace tv
