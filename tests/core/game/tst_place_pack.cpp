// The place game's share of the content pack in data/: a picture for every
// place, and the names file the game fills its list of answers from.

#include "game/PlaceGame.h"
#include "platform/Cp1250.h"
#include "platform/Files.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTest>

using namespace tv;

namespace {

const QString kContent = QStringLiteral(TERRAVIA_CONTENT_DIR);

// The game's answers; picture mN.jpg shows place N.
const QStringList &kPlaces = game::places();

} // namespace

class TestPlacePack : public QObject {
    Q_OBJECT

private slots:
    // The covers span the top left 600 x 600 pixels, so every picture must
    // fill exactly that, and decode whole.
    void everyPlaceHasA600By600Jpeg()
    {
        for (int n = 0; n < kPlaces.size(); ++n) {
            const QString name = QStringLiteral("m%1.jpg").arg(n);
            QVERIFY2(files::exists(kContent, name), qPrintable(name + QStringLiteral(" missing")));
            QImageReader reader(files::resolve(kContent, name));
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            const QImage picture = reader.read();
            QVERIFY2(!picture.isNull(), qPrintable(name + QStringLiteral(": ") + reader.errorString()));
            QCOMPARE(picture.size(), QSize(600, 600));
        }
    }

    void theNamesFileHoldsEveryAnswerInWindows1250()
    {
        QFile f(files::resolve(kContent, QStringLiteral("Miasta.dat")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        // A bare LF or UTF-8 bytes would leave a name that matches no answer.
        QStringList names = cp1250::decode(bytes.chopped(2)).split(QStringLiteral("\r\n"));
        QStringList expected = kPlaces;
        names.sort();
        expected.sort();
        QCOMPARE(names, expected);
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TestPlacePack t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_place_pack.moc"
