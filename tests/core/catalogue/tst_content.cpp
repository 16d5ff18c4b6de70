// Checks the content pack in data/: every test whose files are there must
// load, and its boxes must fit the picture without covering one another.

#include "Scripted.h"
#include "catalogue/Catalogue.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "quiz/TestFiles.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QRect>
#include <QSet>
#include <QStringDecoder>
#include <QTest>
#include <QtEndian>

using namespace tv;

namespace {

const QString kContent = QStringLiteral(TERRAVIA_CONTENT_DIR);

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

} // namespace

class TestContent : public QObject {
    Q_OBJECT

    int present = 0;

private slots:
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
        for (const QString &line : desc) {
            const auto number = answerNumber(line);
            QVERIFY2(number && *number >= 11 && *number <= 10 + n, qPrintable(line));
            numbers.insert(*number);
            const QString name = answerName(line);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(line));
            QCOMPARE(name, name.trimmed());
            names.insert(name);
        }
        QCOMPARE(numbers.size(), n);
        QCOMPARE(names.size(), n);

        QImageReader picture(files::resolve(kContent, e->pictureFile));
        QCOMPARE(picture.format(), QByteArray("jpeg"));
        const QSize size = picture.size();
        QVERIFY(size.width() >= 900 && size.width() <= 1200);
        QVERIFY(size.height() >= 500 && size.height() <= 820);
        const QRect area(QPoint(0, 0), size);
        QList<QRect> boxes;
        for (int k = 0; k < n; ++k) {
            const QRect box(conf.config.positions[k], QSize(129, 25));
            QVERIFY2(area.contains(box), qPrintable(QStringLiteral("box %1 outside the picture").arg(k + 1)));
            for (const QRect &other : boxes)
                QVERIFY2(!box.intersects(other), qPrintable(QStringLiteral("box %1 overlaps another").arg(k + 1)));
            boxes << box;
        }
    }

    void chainsAddUpToTheirTaskTotals()
    {
        for (const ChainEntry &c : catalogue::chainEntries()) {
            int sum = 0;
            bool complete = true;
            for (const ChainStep &s : catalogue::chainSteps(c.chain)) {
                if (!files::exists(kContent, s.configurationFile)) {
                    complete = false;
                    break;
                }
                const auto read = lines::readFile(files::resolve(kContent, s.configurationFile));
                sum += parseConfiguration(read.lines, s.configurationFile).config.count;
            }
            if (complete)
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
        // The pack grows region by region; it never shrinks below what ships.
        QVERIFY2(present >= 15, qPrintable(QStringLiteral("%1 tests present").arg(present)));
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TestContent t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_content.moc"
