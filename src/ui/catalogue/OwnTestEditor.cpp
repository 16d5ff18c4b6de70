#include "OwnTestEditor.h"

#include "platform/Files.h"
#include "platform/Services.h"
#include "quiz/Markers.h"
#include "quiz/TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tv {

namespace {

const QString kCaption = QStringLiteral("Terravia: własny test");
const QSize kBox(owntests::kBoxWidth, owntests::kBoxHeight);

} // namespace

// ---------------------------------------------------------------------------

EditorMarker::EditorMarker(int index, QWidget *parent) : QLabel(parent), index(index)
{
    setFixedSize(kBox);
    setFont(mapFont(11));
    setCursor(Qt::SizeAllCursor);
    show();
}

void EditorMarker::setNumber(int n)
{
    number = n;
    setObjectName(QStringLiteral("editorMarker%1").arg(n));
    update();
}

void EditorMarker::setSelected(bool on)
{
    selected = on;
    update();
}

void EditorMarker::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), selected ? QColor(255, 255, 180) : QColor(Qt::white));
    p.setPen(QPen(QColor(0, 0, 255), selected ? 2 : 1));
    p.drawRect(r);
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    p.setPen(QColor(0, 0, 255));
    p.drawText(QRect(3, 1, 20, 10), Qt::AlignLeft | Qt::AlignTop, QString::number(number));
    p.setFont(font());
    p.setPen(QColor(0, 0, 128));
    p.drawText(rect().adjusted(1, 1, -1, -1), Qt::AlignCenter, text());
}

void EditorMarker::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging = true;
    grab = event->position().toPoint();
    emit pressed(index);
}

void EditorMarker::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging)
        emit dragged(index, mapToParent(event->position().toPoint()) - grab);
}

void EditorMarker::mouseReleaseEvent(QMouseEvent *)
{
    dragging = false;
}

// ---------------------------------------------------------------------------

void EditorCanvas::setPicture(const QImage &picture)
{
    image = picture;
    setFixedSize(image.isNull() ? QSize(400, 300) : image.size());
    update();
}

void EditorCanvas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (image.isNull()) {
        p.fillRect(rect(), QColor(230, 230, 230));
        p.setPen(QColor(80, 80, 80));
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Wybierz obraz mapy"));
        return;
    }
    p.drawImage(0, 0, image);
}

void EditorCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !image.isNull())
        emit clicked(event->position().toPoint());
}

// ---------------------------------------------------------------------------

OwnTestEditor::OwnTestEditor(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ownTestEditor"));
    resize(1000, 680);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Tytuł testu:")));
    titleEdit = new QLineEdit;
    titleEdit->setObjectName(QStringLiteral("titleEdit"));
    titleEdit->setPlaceholderText(QStringLiteral("np. Rzeki Mazowsza"));
    top->addWidget(titleEdit, 1);
    auto *pictureButton = new QPushButton(QStringLiteral("Wybierz obraz..."));
    pictureButton->setObjectName(QStringLiteral("pictureButton"));
    top->addWidget(pictureButton);
    auto *saveButton = new QPushButton(QStringLiteral("Zapisz test"));
    saveButton->setObjectName(QStringLiteral("saveButton"));
    top->addWidget(saveButton);
    auto *closeButton = new QPushButton(QStringLiteral("Zamknij"));
    top->addWidget(closeButton);

    scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("mapArea"));
    canvas = new EditorCanvas;
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setPicture(QImage());
    scroll->setWidget(canvas);
    scroll->setBackgroundRole(QPalette::Dark);

    auto *side = new QVBoxLayout;
    auto *hint = new QLabel(QStringLiteral("Kliknij na mapie, aby postawić pole (najwyżej 17).\n"
                                           "Przeciągnij pole, aby je przesunąć."));
    hint->setWordWrap(true);
    side->addWidget(hint);
    countLabel = new QLabel;
    side->addWidget(countLabel);
    list = new QListWidget;
    list->setObjectName(QStringLiteral("markerList"));
    side->addWidget(list, 1);
    side->addWidget(new QLabel(QStringLiteral("Nazwa wybranego pola:")));
    nameEdit = new QLineEdit;
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    side->addWidget(nameEdit);
    auto *order = new QHBoxLayout;
    upButton = new QPushButton(QStringLiteral("W górę"));
    upButton->setObjectName(QStringLiteral("upButton"));
    downButton = new QPushButton(QStringLiteral("W dół"));
    downButton->setObjectName(QStringLiteral("downButton"));
    deleteButton = new QPushButton(QStringLiteral("Usuń pole"));
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    order->addWidget(upButton);
    order->addWidget(downButton);
    order->addWidget(deleteButton);
    side->addLayout(order);

    auto *middle = new QHBoxLayout;
    middle->addWidget(scroll, 1);
    auto *sideBox = new QWidget;
    sideBox->setFixedWidth(250);
    sideBox->setLayout(side);
    middle->addWidget(sideBox);

    auto *whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(middle, 1);

    connect(pictureButton, &QPushButton::clicked, this, &OwnTestEditor::choosePicture);
    connect(saveButton, &QPushButton::clicked, this, &OwnTestEditor::save);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(canvas, &EditorCanvas::clicked, this, [this](QPoint at) { selectMarker(addMarkerAt(at)); });
    connect(titleEdit, &QLineEdit::textEdited, this, [this](const QString &t) {
        current.title = t;
        updateCaption();
    });
    connect(nameEdit, &QLineEdit::textEdited, this, [this](const QString &t) { setMarkerName(selected, t); });
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != selected)
            selectMarker(row);
    });
    connect(upButton, &QPushButton::clicked, this, [this] { moveMarkerUp(selected); });
    connect(downButton, &QPushButton::clicked, this, [this] { moveMarkerDown(selected); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { removeMarker(selected); });
    startNew();
}

int OwnTestEditor::nameWidth(const QString &name)
{
    return QFontMetrics(mapFont(11)).horizontalAdvance(name);
}

void OwnTestEditor::updateCaption()
{
    const QString what = current.code.isEmpty() ? QStringLiteral("nowy") : current.code;
    setWindowTitle(QStringLiteral("%1 (%2)").arg(kCaption, what));
}

void OwnTestEditor::startNew()
{
    current = {};
    targetFolder = owntests::folder();
    jpeg.clear();
    pictureIsJpeg = false;
    canvas->setPicture(QImage());
    titleEdit->clear();
    selected = -1;
    rebuild();
    updateCaption();
}

bool OwnTestEditor::openExisting(const QString &folder, const QString &code)
{
    const owntests::ReadBack back = owntests::read(folder, code);
    if (!back.status) {
        showMessage(this, back.status.message, kCaption, Services::Icon::Warning);
        return false;
    }
    const QString path = files::resolve(folder, owntests::pictureFile(code));
    QImage image(path);
    QFile f(path);
    if (image.isNull() || !f.open(QIODevice::ReadOnly)) {
        showMessage(this, QStringLiteral("Nie można odczytać obrazu testu z pliku %1.").arg(path), kCaption,
                    Services::Icon::Warning);
        return false;
    }
    jpeg = f.readAll();
    pictureIsJpeg = true;
    current = back.test;
    targetFolder = folder;
    canvas->setPicture(image);
    titleEdit->setText(current.title);
    selected = -1;
    rebuild();
    updateCaption();
    return true;
}

bool OwnTestEditor::choosePicture()
{
    const QString path = Services::get().openFileName(this, QStringLiteral("Obraz mapy testu"), QDir::homePath(),
                                                      QStringLiteral("Obrazy (*.jpg *.jpeg *.png)"));
    return !path.isEmpty() && loadPicture(path);
}

bool OwnTestEditor::loadPicture(const QString &path)
{
    QImageReader reader(path);
    if (const Status s = owntests::checkPictureSize(reader.size()); !s) {
        showMessage(this, s.message, kCaption, Services::Icon::Warning);
        return false;
    }
    const QByteArray format = reader.format();
    QImage image = reader.read();
    if (image.isNull()) {
        showMessage(this, QStringLiteral("Nie można odczytać obrazu z pliku %1:\r\n%2").arg(path, reader.errorString()),
                    kCaption, Services::Icon::Warning);
        return false;
    }
    if (format == "jpeg" || format == "jpg") {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            jpeg = f.readAll();
        pictureIsJpeg = !jpeg.isEmpty();
    } else {
        // A JPEG has no transparency: what was see-through shows white, as
        // on paper.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = flat;
        jpeg.clear();
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 92);
        pictureIsJpeg = true;
    }
    canvas->setPicture(image);
    return true;
}

QPoint OwnTestEditor::insidePicture(QPoint topLeft) const
{
    const QSize size = pictureSize();
    return QPoint(qBound(0, topLeft.x(), qMax(0, size.width() - kBox.width())),
                  qBound(0, topLeft.y(), qMax(0, size.height() - kBox.height())));
}

int OwnTestEditor::addMarkerAt(QPoint centre)
{
    if (current.markers.size() >= kMaxMarkers || pictureSize().isEmpty())
        return -1;
    current.markers.append({insidePicture(centre - QPoint(kBox.width() / 2, kBox.height() / 2)), QString()});
    rebuild();
    return int(current.markers.size()) - 1;
}

void OwnTestEditor::moveMarker(int index, QPoint topLeft)
{
    if (index < 0 || index >= current.markers.size())
        return;
    current.markers[index].position = insidePicture(topLeft);
    markers[index]->move(current.markers[index].position);
}

void OwnTestEditor::removeMarker(int index)
{
    if (index < 0 || index >= current.markers.size())
        return;
    current.markers.removeAt(index);
    selected = qMin(index, int(current.markers.size()) - 1);
    rebuild();
}

void OwnTestEditor::moveMarkerUp(int index)
{
    if (index < 1 || index >= current.markers.size())
        return;
    current.markers.swapItemsAt(index, index - 1);
    selected = index - 1;
    rebuild();
}

void OwnTestEditor::moveMarkerDown(int index)
{
    if (index < 0 || index + 1 >= current.markers.size())
        return;
    current.markers.swapItemsAt(index, index + 1);
    selected = index + 1;
    rebuild();
}

void OwnTestEditor::setMarkerName(int index, const QString &name)
{
    if (index < 0 || index >= current.markers.size())
        return;
    current.markers[index].name = name;
    if (nameEdit->text() != name && index == selected)
        nameEdit->setText(name);
    showMarker(index);
}

void OwnTestEditor::selectMarker(int index)
{
    selected = (index >= 0 && index < current.markers.size()) ? index : -1;
    for (EditorMarker *m : markers)
        m->setSelected(m->index == selected);
    {
        const QSignalBlocker block(list);
        list->setCurrentRow(selected);
    }
    nameEdit->setEnabled(selected >= 0);
    nameEdit->setText(selected >= 0 ? current.markers[selected].name : QString());
    upButton->setEnabled(selected > 0);
    downButton->setEnabled(selected >= 0 && selected + 1 < current.markers.size());
    deleteButton->setEnabled(selected >= 0);
    if (selected >= 0) {
        scroll->ensureWidgetVisible(markers[selected]);
        nameEdit->setFocus(Qt::OtherFocusReason);
    }
}

void OwnTestEditor::showMarker(int index)
{
    const owntests::Marker &m = current.markers[index];
    markers[index]->setText(m.name);
    markers[index]->move(m.position);
    const QString shown = m.name.isEmpty() ? QStringLiteral("(bez nazwy)") : m.name;
    if (QListWidgetItem *item = list->item(index))
        item->setText(QStringLiteral("%1. %2").arg(index + 1).arg(shown));
}

void OwnTestEditor::rebuild()
{
    qDeleteAll(markers);
    markers.clear();
    {
        const QSignalBlocker block(list);
        list->clear();
        for (int k = 0; k < current.markers.size(); ++k) {
            auto *m = new EditorMarker(k, canvas);
            m->setNumber(k + 1);
            connect(m, &EditorMarker::pressed, this, &OwnTestEditor::selectMarker);
            connect(m, &EditorMarker::dragged, this, &OwnTestEditor::moveMarker);
            markers.append(m);
            list->addItem(QString());
            showMarker(k);
        }
    }
    countLabel->setText(QStringLiteral("Pola: %1 z %2").arg(current.markers.size()).arg(kMaxMarkers));
    selectMarker(selected);
}

bool OwnTestEditor::save()
{
    current.title = titleEdit->text().trimmed();
    for (owntests::Marker &m : current.markers)
        m.name = m.name.trimmed();
    const bool isNew = current.code.isEmpty();
    owntests::OwnTest toSave = current;
    if (isNew)
        toSave.code = owntests::deriveCode(current.title, owntests::codes(targetFolder));
    const Status s = owntests::save(targetFolder, toSave, pictureIsJpeg ? jpeg : QByteArray(), pictureSize(),
                                    &OwnTestEditor::nameWidth);
    if (!s) {
        showMessage(this, QStringLiteral("Nie można zapisać testu:\r\n") + s.message, kCaption,
                    Services::Icon::Warning);
        return false;
    }
    current.code = toSave.code;
    updateCaption();
    rebuild();
    showMessage(this,
                QStringLiteral("Test \"%1\" zapisano w folderze %2 (pliki %3, %4, %5).\r\n"
                               "Jest w menu Testy > Moje testy.")
                    .arg(current.title, QDir::toNativeSeparators(targetFolder), owntests::configurationFile(current.code),
                         owntests::descriptionFile(current.code), owntests::pictureFile(current.code)),
                kCaption, Services::Icon::Information);
    emit saved(current.code);
    return true;
}

void OwnTestEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && selected >= 0 && !nameEdit->hasFocus() && !titleEdit->hasFocus()) {
        removeMarker(selected);
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tv
