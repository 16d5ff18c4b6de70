#include "Worksheet.h"

#include "Markers.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "platform/Pictures.h"
#include "platform/ScaledPicture.h"
#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <cmath>

namespace tv::worksheet {

namespace {

const QString kCaption = QStringLiteral("Terravia: Karta pracy");

QPageLayout pageFor(const Sheet &sheet)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       learning::landscapeFor(sheet.natural) ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

// One page: the title, the name and date line (worksheet only), the map
// with its boxes, and the list of names under it.
void paintPage(QPainter &p, const QRect &page, int resolution, const Sheet &sheet,
               const QList<learning::SheetName> &names, bool key)
{
    const auto mm = [resolution](double v) { return int(std::lround(v * resolution / 25.4)); };
    int y = page.top();
    QFont titleFont(QStringLiteral("Liberation Sans"));
    titleFont.setPointSizeF(15);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(Qt::black);
    const QString title = key ? sheet.title + QStringLiteral(" \u2013 ") + learning::kKeyHeading : sheet.title;
    const int titleHeight = p.fontMetrics().height();
    p.drawText(QRect(page.left(), y, page.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    y += titleHeight + mm(2);
    QFont text(QStringLiteral("Liberation Sans"));
    text.setPointSizeF(10.5);
    p.setFont(text);
    const int line = p.fontMetrics().height();
    if (!key) {
        p.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                   learning::kNameAndDate);
    }
    y += line + mm(3);

    // The list takes as many rows of three columns as it needs.
    const int columns = 3;
    const int rows = (int(names.size()) + columns - 1) / columns;
    const int listHeight = line + mm(1) + rows * (line + mm(1.5));
    const QRect mapArea(page.left(), y, page.width(), page.bottom() - y - listHeight - mm(4));
    QSize fitted = sheet.natural.scaled(mapArea.size(), Qt::KeepAspectRatio);
    const QRect mapRect(QPoint(mapArea.left() + (mapArea.width() - fitted.width()) / 2, mapArea.top()), fitted);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(mapRect, sheet.picture);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(mapRect);

    // The boxes where the markers are, at the map's scale.
    const double s = double(mapRect.width()) / sheet.natural.width();
    QFont boxFont = mapFont(qMax(6, int(std::lround(11 * s))));
    for (int k = 1; k <= sheet.configuration.count && k <= kMaxMarkers; ++k) {
        const QPoint at = sheet.configuration.positions[k - 1];
        const QRect box(mapRect.left() + int(std::lround(at.x() * s)), mapRect.top() + int(std::lround(at.y() * s)),
                        int(std::lround(markers::kSize.width() * s)), int(std::lround(markers::kSize.height() * s)));
        p.fillRect(box, Qt::white);
        p.setPen(QPen(Qt::black, qMax(1.0, s * 1.2)));
        p.drawRect(box);
        const QString number = QString::number(k);
        p.setFont(boxFont);
        const int badge = p.fontMetrics().horizontalAdvance(number) + int(std::lround(6 * s));
        const QRect badgeRect(box.left(), box.top(), badge, box.height());
        p.fillRect(badgeRect, Qt::black);
        p.setPen(Qt::white);
        p.drawText(badgeRect, Qt::AlignCenter, number);
        if (key) {
            p.setPen(QColor(0, 0, 128));
            p.drawText(box.adjusted(badge + 2, 0, -2, 0), Qt::AlignCenter, rightName(sheet.description, sheet.configuration.count, k));
        }
    }

    // The names: to write in on the worksheet, with their numbers in the key.
    p.setFont(text);
    p.setPen(Qt::black);
    int ly = page.bottom() - listHeight;
    QFont heading = text;
    heading.setBold(true);
    p.setFont(heading);
    p.drawText(QRect(page.left(), ly, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
               key ? learning::kKeyListHeading : learning::kListHeading);
    ly += line + mm(1);
    p.setFont(text);
    const int columnWidth = page.width() / columns;
    // Row by row, as a page is read.
    for (int i = 0; i < names.size(); ++i) {
        const int row = i / columns;
        const int column = i % columns;
        const QRect cell(page.left() + column * columnWidth, ly + row * (line + mm(1.5)), columnWidth - mm(2), line);
        p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, learning::sheetLine(names.at(i), key));
    }
}

} // namespace

Sheet read(const Source &source, QString *error)
{
    Sheet sheet;
    sheet.title = source.title;
    const auto description = lines::readFile(files::dataPath(source.descriptionFile));
    if (!description.status) {
        *error = description.status.message;
        return sheet;
    }
    sheet.description = parseDescription(description.lines);
    const auto configuration = lines::readFile(files::dataPath(source.configurationFile));
    if (!configuration.status) {
        *error = configuration.status.message;
        return sheet;
    }
    const ConfigurationRead conf = parseConfiguration(configuration.lines, source.configurationFile);
    if (!conf.status) {
        *error = conf.status.message;
        return sheet;
    }
    if (!markerCountValid(conf.config.count)) {
        *error = markerCountMessage(source.configurationFile, conf.config.count);
        return sheet;
    }
    sheet.configuration = conf.config;
    const QString path = files::dataPath(source.pictureFile);
    const Picture picture = readPicture(path);
    if (picture.image.isNull()) {
        *error = QStringLiteral("Nie można odczytać mapy testu z pliku %1:\r\n%2")
                     .arg(QDir::toNativeSeparators(path), picture.reason);
        return sheet;
    }
    sheet.natural = picture.image.size();
    // Paper has the pixels a screen lacks: the companion at twice the size
    // wherever the pack has one.
    const QImage sharper = readSharper(path, sheet.natural);
    sheet.picture = sharper.isNull() ? picture.image : sharper;
    error->clear();
    return sheet;
}

bool paint(QPagedPaintDevice &device, int resolution, const QList<Sheet> &sheets, learning::Order order,
           quint64 seed)
{
    if (sheets.isEmpty())
        return false;
    QList<QList<learning::SheetName>> lists;
    for (const Sheet &sheet : sheets)
        lists.append(learning::sheetNames(sheet.description, sheet.configuration.count, order, seed + lists.size()));
    device.setPageLayout(pageFor(sheets.first()));
    QPainter p;
    if (!p.begin(&device))
        return false;
    bool first = true;
    for (bool key : {false, true})
        for (int i = 0; i < sheets.size(); ++i) {
            if (!first) {
                device.setPageLayout(pageFor(sheets.at(i)));
                device.newPage();
            }
            first = false;
            const QRect page = device.pageLayout().paintRectPixels(resolution).translated(
                -device.pageLayout().paintRectPixels(resolution).topLeft());
            paintPage(p, page, resolution, sheets.at(i), lists.at(i), key);
        }
    return p.end();
}

bool writePdf(const QString &path, const QList<Sheet> &sheets, learning::Order order, quint64 seed)
{
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Terravia"));
    writer.setTitle(sheets.isEmpty() ? QString() : sheets.first().title);
    return paint(writer, writer.resolution(), sheets, order, seed);
}

WorksheetDialog::WorksheetDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("worksheetDialog"));
    setWindowTitle(kCaption);
    auto *root = new QVBoxLayout(this);
    root->addWidget(new QLabel(
        QStringLiteral("Karta pracy: mapa z ponumerowanymi pustymi polami i lista nazw do wpisania,\n"
                       "a na osobnej stronie klucz odpowiedzi."),
        this));
    auto *group = new QGroupBox(QStringLiteral("Kolejność nazw na liście"), this);
    auto *g = new QVBoxLayout(group);
    shuffled = new QRadioButton(QStringLiteral("W losowej kolejności"), group);
    shuffled->setObjectName(QStringLiteral("shuffled"));
    shuffled->setObjectName(QStringLiteral("shuffledOrder"));
    alphabetical = new QRadioButton(QStringLiteral("Alfabetycznie"), group);
    alphabetical->setObjectName(QStringLiteral("alphabetical"));
    alphabetical->setObjectName(QStringLiteral("alphabeticalOrder"));
    shuffled->setChecked(true);
    g->addWidget(shuffled);
    g->addWidget(alphabetical);
    root->addWidget(group);
    auto *buttons = new QHBoxLayout;
    auto *print = new QPushButton(QStringLiteral("Drukuj..."), this);
    print->setObjectName(QStringLiteral("printButton"));
    print->setDefault(true);
    auto *pdf = new QPushButton(QStringLiteral("Zapisz jako PDF..."), this);
    pdf->setObjectName(QStringLiteral("pdfButton"));
    auto *cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch();
    buttons->addWidget(cancel);
    root->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] { done(Print); });
    connect(pdf, &QPushButton::clicked, this, [this] { done(Pdf); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

learning::Order WorksheetDialog::order() const
{
    return alphabetical->isChecked() ? learning::Order::Alphabetical : learning::Order::Shuffled;
}

void WorksheetDialog::setOrder(learning::Order order)
{
    (order == learning::Order::Alphabetical ? alphabetical : shuffled)->setChecked(true);
}

void run(QWidget *parent, const QList<Source> &sources)
{
    QList<Sheet> sheets;
    for (const Source &source : sources) {
        QString error;
        sheets.append(read(source, &error));
        if (!error.isEmpty()) {
            showMessage(parent, error, kCaption, Services::Icon::Error);
            return;
        }
    }
    if (sheets.isEmpty())
        return;
    WorksheetDialog dialog(parent);
    const int choice = Services::get().execModal(dialog);
    const quint64 seed = QRandomGenerator::global()->generate64();
    if (choice == WorksheetDialog::Print) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(sheets.first().title);
        printer.setPageLayout(pageFor(sheets.first()));
        if (!Services::get().printDialog(parent, printer))
            return;
        if (!paint(printer, printer.resolution(), sheets, dialog.order(), seed))
            showMessage(parent, QStringLiteral("Nie udało się wydrukować karty pracy."), kCaption,
                        Services::Icon::Error);
        return;
    }
    if (choice != WorksheetDialog::Pdf)
        return;
    QString name = sheets.first().title;
    name.remove(QStringLiteral("Test: "));
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\[\\]]")), QStringLiteral(" "));
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                  .filePath(QStringLiteral("Karta pracy - %1.pdf").arg(name.simplified()));
    const QString path = Services::get().saveFileName(parent, QStringLiteral("Zapisz kartę pracy jako PDF"), suggested,
                                                      QStringLiteral("Dokumenty PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!writePdf(path, sheets, dialog.order(), seed) || QFileInfo(path).size() == 0)
        showMessage(parent, QStringLiteral("Nie udało się zapisać karty pracy w pliku %1.")
                                .arg(QDir::toNativeSeparators(path)),
                    kCaption, Services::Icon::Error);
}

} // namespace tv::worksheet
