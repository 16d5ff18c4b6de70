#include "Markers.h"
#include "platform/Look.h"
#include "quiz/Learning.h"

#include <QAccessible>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFontDatabase>
#include <QMimeData>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace tv {

namespace {

// The keyboard's focus on the map and in the names: a frame that shows on
// blue, white, green and red alike.
const QColor kFocusFrame(255, 170, 0);
const QColor kPickedFrame(128, 0, 0);

void drawFocusFrame(QPainter &p, const QRect &r)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QPen(kFocusFrame, 2));
    p.drawRect(r.adjusted(2, 2, -2, -2));
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace

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

MarkerBox::MarkerBox(int k, QWidget *parent) : QLabel(parent), tag(markers::answerNumber(k))
{
    setObjectName(QStringLiteral("marker%1").arg(k));
    setFixedSize(markers::kSize);
    setAlignment(Qt::AlignCenter);
    setAcceptDrops(true);
    setAutoFillBackground(true);
    setFont(mapFont(11));
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(QStringLiteral(
        "Enter lub spacja: upuść tu wybraną nazwę; strzałki: najbliższe pole w tym kierunku; cyfry: numer pola"));
    setState(MarkerState::Blank);
    hide();
}

QString MarkerBox::judgementMark() const
{
    switch (current) {
    case MarkerState::Good:
        return QStringLiteral("\u2713");
    case MarkerState::Bad:
        return QStringLiteral("\u2717");
    default:
        return QString();
    }
}

void MarkerBox::describe()
{
    const QString name = learning::markerDescription(number(), text(), current, rightAnswer);
    if (name != accessibleName())
        setAccessibleName(name);
}

void MarkerBox::setCorrection(const QString &name)
{
    if (rightAnswer == name)
        return;
    rightAnswer = name;
    describe();
    update();
}

void MarkerBox::setScale(double s)
{
    zoom = s;
    setFixedSize(qRound(markers::kSize.width() * s), qRound(markers::kSize.height() * s));
    setLineWidth(qMax(1, qRound(s)));
    update();
}

void MarkerBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    // The box is drawn at its natural size and scaled as a whole, so text,
    // marks and focus frame keep their places on every scale of the map.
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(width() / double(markers::kSize.width()), height() / double(markers::kSize.height()));
    const QRect whole(QPoint(0, 0), markers::kSize);
    const QRect r = whole.adjusted(1, 1, -1, -1);
    // Room on the left for the number while focused, on the right for the
    // mark once judged; the name stays centred where it fits.
    const QString mark = judgementMark();
    const QString numberText = QString::number(number());
    QFont small = font();
    small.setPixelSize(11);
    const int left = hasFocus() ? QFontMetrics(small).horizontalAdvance(numberText) + 8 : 0;
    const int right = mark.isEmpty() ? 0 : 15;
    QRect textRect = r;
    if (fontMetrics().horizontalAdvance(text()) + 2 * qMax(left, right) > r.width())
        textRect.adjust(left, 0, -right, 0);
    if (!rightAnswer.isEmpty()) {
        // The correction: the pupil's answer small and struck out on the
        // red above, the right name on a white band below with a green line
        // under it, so it reads as the teacher's hand and not as an answer.
        const QRect upper(textRect.left(), r.top(), textRect.width(), 10);
        // The judgement mark keeps its red column on the right.
        const QRect lower(r.left(), r.top() + 10, r.width() - right, r.height() - 10);
        QFont given = font();
        given.setPixelSize(9);
        given.setBold(false);
        given.setStrikeOut(!text().isEmpty());
        p.setFont(given);
        p.setPen(Qt::white);
        p.drawText(upper, Qt::AlignCenter, text().isEmpty() ? QStringLiteral("(puste)") : text());
        p.fillRect(lower, Qt::white);
        QFont corrected = font();
        corrected.setPixelSize(11);
        p.setFont(corrected);
        p.setPen(QColor(0, 100, 0));
        const QRect nameRect = lower.adjusted(left, 0, 0, -2);
        p.drawText(nameRect, Qt::AlignCenter, rightAnswer);
        const int w = qMin(nameRect.width(), QFontMetrics(corrected).horizontalAdvance(rightAnswer));
        p.setPen(QPen(QColor(0, 160, 0), 2));
        const int x = nameRect.center().x() - w / 2;
        p.drawLine(x, lower.bottom(), x + w, lower.bottom());
    } else {
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(textRect, Qt::AlignCenter, text());
    }
    if (!mark.isEmpty()) {
        QFont mf = font();
        mf.setPixelSize(15);
        p.setFont(mf);
        p.setPen(current == MarkerState::Good ? QColor(0, 64, 0) : QColor(255, 255, 255));
        p.drawText(QRect(r.right() - right + 1, r.top(), right, r.height()), Qt::AlignCenter, mark);
    }
    if (hasFocus()) {
        drawFocusFrame(p, whole);
        const QRect badge(3, 3, left - 2, whole.height() - 6);
        p.fillRect(badge, Qt::black);
        p.setFont(small);
        p.setPen(Qt::white);
        p.drawText(badge, Qt::AlignCenter, numberText);
    }
}

void MarkerBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (isEnter(key) && !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        emit dropRequested(this);
        return;
    }
    const auto direction = [key]() -> std::optional<navigation::Direction> {
        switch (key) {
        case Qt::Key_Left:
            return navigation::Direction::Left;
        case Qt::Key_Right:
            return navigation::Direction::Right;
        case Qt::Key_Up:
            return navigation::Direction::Up;
        case Qt::Key_Down:
            return navigation::Direction::Down;
        default:
            return std::nullopt;
        }
    }();
    if (direction) {
        event->accept();
        emit moveRequested(this, *direction);
        return;
    }
    QLabel::keyPressEvent(event);
}

void MarkerBox::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void MarkerBox::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
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
    describe();
    update();
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
    setAccessibleDescription(QStringLiteral("Enter lub spacja: wybierz tę nazwę, potem wskaż pole na mapie"));
    connect(this, &QLineEdit::textChanged, this, &NameField::describe);
    describe();
    hide();
}

void NameField::describe()
{
    QString name = QStringLiteral("Nazwa: %1").arg(text().isEmpty() ? QStringLiteral("puste") : text());
    if (isPicked)
        name += QStringLiteral(", wybrana");
    if (name != accessibleName())
        setAccessibleName(name);
}

void NameField::setPicked(bool on)
{
    if (isPicked == on)
        return;
    isPicked = on;
    describe();
    update();
}

void NameField::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (isEnter(key) && !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        emit chosen(this);
        emit pickRequested(this);
        return;
    }
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && event->modifiers() == Qt::NoModifier) {
        event->accept();
        focusNextPrevChild(key == Qt::Key_Down);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NameField::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!isPicked && !hasFocus())
        return;
    QPainter p(this);
    if (isPicked) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kPickedFrame, 2, Qt::DashLine));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (hasFocus())
        drawFocusFrame(p, rect());
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
    setAccessibleName(text());
    setAccessibleDescription(QStringLiteral("Wybrana nazwa"));
}

void HintPanel::announce(const QString &caption)
{
    setText(caption);
    // A new accessible name is what a screen reader hears of the change.
    if (accessibleName() != caption)
        setAccessibleName(caption);
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
