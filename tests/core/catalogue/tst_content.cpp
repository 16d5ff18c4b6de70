// Checks the content pack in data/: every test of the catalogue must be
// there and load, its picture must fit the test window's map area without
// scrolling, its boxes must fit the picture without covering one another or
// the rivers asked about, and its names must fit a marker in the program's
// own font. Every chain must add up to its task total, and every picture at
// twice the size must be twice its partner.

#include "Scripted.h"
#include "catalogue/Catalogue.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "quiz/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace tv;

namespace {

const QString kContent = QStringLiteral(TERRAVIA_CONTENT_DIR);
const QString kManifests = QStringLiteral(TERRAVIA_CONTENT_MANIFESTS);

// The map area of the test window maximised at 1366 x 768 and at 1280 x 800,
// each with a 40-pixel desktop panel, is 1216 x 574 and 1130 x 606: a
// picture has to fit both.
const QSize kMapArea(1130, 574);
const QSize kBox(129, 25);
// A marker's label, inside the marker's one-pixel frame.
const int kLabelWidth = kBox.width() - 2;

QByteArray bytesOf(const QString &name)
{
    QFile f(files::resolve(kContent, name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Lines end with CR LF, and the text is Windows-1250, not UTF-8.
QString encodingProblem(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("empty file");
    if (!bytes.endsWith("\r\n"))
        return QStringLiteral("the last line has no CR LF");
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes.at(i) == '\n' && (i == 0 || bytes.at(i - 1) != '\r'))
            return QStringLiteral("a line ends with a bare LF");
    bool high = false;
    for (char c : bytes)
        high |= static_cast<unsigned char>(c) >= 0x80;
    if (high) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString asUtf8 = utf8.decode(bytes);
        if (!utf8.hasError())
            return QStringLiteral("the text is UTF-8");
    }
    if (cp1250::encode(cp1250::decode(bytes)) != bytes)
        return QStringLiteral("bytes that Windows-1250 does not define");
    return QString();
}

// The content pack's record of a test: one row per marker, by column name.
QList<QHash<QString, QString>> manifestOf(const QString &configurationFile)
{
    QFile f(kManifests + QLatin1Char('/') + configurationFile.chopped(4) + QStringLiteral(".tsv"));
    QList<QHash<QString, QString>> rows;
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList head = lines.value(0).split(QLatin1Char('\t'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList cells = lines.at(i).split(QLatin1Char('\t'));
        QHash<QString, QString> row;
        for (qsizetype c = 0; c < head.size() && c < cells.size(); ++c)
            row.insert(head.at(c), cells.at(c));
        rows << row;
    }
    return rows;
}

// Pixels of the river blue (#2f74c0, a little blurred by the JPEG) within 14
// pixels of a river's mark that no box hides; the light blue of the sea and
// the greyer blue of the coasts do not count.
int riverPixels(const QImage &picture, const QPoint &mark, const QList<QRect> &boxes)
{
    const int r = 14;
    int n = 0;
    for (int y = mark.y() - r; y <= mark.y() + r; ++y)
        for (int x = mark.x() - r; x <= mark.x() + r; ++x) {
            if (!picture.rect().contains(x, y) || std::hypot(x - mark.x(), y - mark.y()) > r)
                continue;
            bool hidden = false;
            for (const QRect &b : boxes)
                hidden |= b.contains(x, y);
            const QColor c = picture.pixelColor(x, y);
            if (!hidden && c.blue() >= 150 && c.blue() - c.red() >= 100 && c.blue() - c.green() >= 50)
                ++n;
        }
    return n;
}

} // namespace

class TestContent : public QObject {
    Q_OBJECT

    int present = 0;
    QFont markerFont;

private slots:
    void initTestCase()
    {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(TERRAVIA_MARKER_FONT));
        QVERIFY2(id >= 0, TERRAVIA_MARKER_FONT);
        markerFont = QFont(QFontDatabase::applicationFontFamilies(id).value(0));
        markerFont.setPixelSize(11);
        markerFont.setBold(true);
    }

    void everyTestOfTheCatalogueIsShipped()
    {
        QCOMPARE(catalogue::singleTests().size(), size_t(49));
        for (const CatalogueEntry &e : catalogue::singleTests())
            for (const QString &name : {e.configurationFile, e.descriptionFile, e.pictureFile})
                QVERIFY2(files::exists(kContent, name), qPrintable(e.title + QStringLiteral(": ") + name));
        for (const ChainEntry &c : catalogue::chainEntries())
            for (const ChainStep &s : catalogue::chainSteps(c.chain))
                for (const QString &name : {s.configurationFile, s.descriptionFile, s.pictureFile})
                    QVERIFY2(files::exists(kContent, name), qPrintable(name));
    }

    void everyPresentTest_data()
    {
        QTest::addColumn<int>("code");
        for (const CatalogueEntry &e : catalogue::singleTests()) {
            const bool conf = files::exists(kContent, e.configurationFile);
            const bool desc = files::exists(kContent, e.descriptionFile);
            const bool pic = files::exists(kContent, e.pictureFile);
            // A test is shipped whole or not at all.
            QVERIFY2(conf == desc && desc == pic, qPrintable(e.title + QStringLiteral(": files missing in part")));
            if (conf)
                QTest::newRow(qPrintable(e.configurationFile)) << e.code;
        }
    }
    void everyPresentTest()
    {
        QFETCH(int, code);
        const CatalogueEntry *e = catalogue::findByCode(code);
        ++present;
        const QByteArray confBytes = bytesOf(e->configurationFile);
        const QByteArray descBytes = bytesOf(e->descriptionFile);
        QCOMPARE(encodingProblem(confBytes), QString());
        QCOMPARE(encodingProblem(descBytes), QString());

        const ConfigurationRead conf = parseConfiguration(lines::split(confBytes), e->configurationFile);
        QVERIFY2(conf.status.ok, qPrintable(conf.status.message));
        const int n = conf.config.count;
        QVERIFY(markerCountValid(n));
        QCOMPARE(conf.config.pairs, n);
        QCOMPARE(conf.config.pictureLine, e->pictureFile);

        const QStringList desc = lines::split(descBytes);
        QCOMPARE(desc.size(), n);
        QSet<int> numbers;
        QSet<QString> names;
        const QFontMetrics metrics(markerFont);
        for (const QString &line : desc) {
            const auto number = answerNumber(line);
            QVERIFY2(number && *number >= 11 && *number <= 10 + n, qPrintable(line));
            numbers.insert(*number);
            const QString name = answerName(line);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(line));
            QCOMPARE(name, name.trimmed());
            QVERIFY2(metrics.horizontalAdvance(name) <= kLabelWidth, qPrintable(name + QStringLiteral(": too wide for a marker")));
            names.insert(name);
        }
        QCOMPARE(numbers.size(), n);
        QCOMPARE(names.size(), n);

        QImageReader picture(files::resolve(kContent, e->pictureFile));
        QCOMPARE(picture.format(), QByteArray("jpeg"));
        const QSize size = picture.size();
        QVERIFY2(size.width() <= kMapArea.width() && size.height() <= kMapArea.height(),
                 qPrintable(QStringLiteral("%1 x %2 does not fit the map area without scrolling")
                                .arg(size.width())
                                .arg(size.height())));
        const QRect area(QPoint(0, 0), size);
        QList<QRect> boxes;
        for (int k = 0; k < n; ++k) {
            const QRect box(conf.config.positions[k], kBox);
            QVERIFY2(area.contains(box), qPrintable(QStringLiteral("box %1 outside the picture").arg(k + 1)));
            for (const QRect &other : boxes)
                QVERIFY2(!box.intersects(other), qPrintable(QStringLiteral("box %1 overlaps another").arg(k + 1)));
            boxes << box;
        }

        // Every river asked shows its blue beside its mark.
        const QImage image = picture.read();
        QVERIFY(!image.isNull());
        for (const auto &row : manifestOf(e->configurationFile)) {
            if (row.value(QStringLiteral("rodzaj")) != QLatin1String("river"))
                continue;
            const QPoint mark(row.value(QStringLiteral("symbol_x")).toInt(), row.value(QStringLiteral("symbol_y")).toInt());
            QVERIFY2(riverPixels(image, mark, boxes) >= 10,
                     qPrintable(row.value(QStringLiteral("nazwa")) + QStringLiteral(": the river is not visible")));
        }
    }

    // A picture at twice the size is the program's only when it is exactly
    // twice its partner's; one the least bit off is silently left unused.
    void everySharperPicture_data()
    {
        QTest::addColumn<QString>("sharper");
        const QStringList names = QDir(kContent).entryList({QStringLiteral("*@2x.jpg")}, QDir::Files, QDir::Name);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everySharperPicture()
    {
        QFETCH(QString, sharper);
        const QString natural = QString(sharper).replace(QStringLiteral("@2x."), QStringLiteral("."));
        QVERIFY2(files::exists(kContent, natural), qPrintable(natural + QStringLiteral(": missing")));
        const QSize size = QImageReader(files::resolve(kContent, natural)).size();
        QVERIFY(!size.isEmpty());
        QCOMPARE(QImageReader(files::resolve(kContent, sharper)).size(), size * 2);
    }

    void chainsAddUpToTheirTaskTotals()
    {
        const QList<int> totals = {97, 92, 73, 77, 40, 64, 120};
        QCOMPARE(int(catalogue::chainEntries().size()), int(totals.size()));
        for (const ChainEntry &c : catalogue::chainEntries()) {
            int sum = 0;
            for (const ChainStep &s : catalogue::chainSteps(c.chain)) {
                const auto read = lines::readFile(files::resolve(kContent, s.configurationFile));
                const ConfigurationRead conf = parseConfiguration(read.lines, s.configurationFile);
                QVERIFY2(conf.status.ok, qPrintable(s.configurationFile));
                sum += conf.config.count;
            }
            QCOMPARE(c.taskTotal, totals.at(c.chain - 1));
            QCOMPARE(sum, c.taskTotal);
        }
    }

    void thePackHoldsTheSharedAssets()
    {
        for (const char *name : {"Ups.wav", "Cel.wav", "celujacy.ico", "bdb.ico", "dst.ico", "ndst.ico",
                                 "CZYTAJTO.txt"})
            QVERIFY2(files::exists(kContent, QString::fromLatin1(name)), name);
        // Sounds that Qt can play: 16-bit PCM.
        for (const char *name : {"Ups.wav", "Cel.wav"}) {
            const QByteArray wav = bytesOf(QString::fromLatin1(name));
            QVERIFY(wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE");
            QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), quint16(1));  // PCM
            QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 34), quint16(16)); // bits per sample
        }
        QCOMPARE(encodingProblem(bytesOf(QStringLiteral("CZYTAJTO.txt"))), QString());
    }

    void cleanupTestCase()
    {
        QVERIFY2(present == 49, qPrintable(QStringLiteral("%1 tests checked").arg(present)));
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TestContent t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_content.moc"
