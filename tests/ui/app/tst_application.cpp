// What start-up does with the data directory before any window reads it.

#include "UiTest.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace tv;

class TestApplication : public test::UiTest {
    Q_OBJECT

private slots:
    void init() { begin(); }
    void cleanup() { end(); }

    // A crash or a power cut in the middle of a write leaves the temporary
    // file of the results or the settings behind; the next start removes it.
    void leftoversOfInterruptedWritesGo()
    {
        const QStringList kept{"Wyniki.tvw", "konf.dat", "Wyniki.tvw.bak", "tmp.tvw", "ES.dat"};
        for (const QString &name : kept + QStringList{"Wyniki.tvw.QxYzAb", "konf.dat.mNoPqR"}) {
            data->write(name, name == "konf.dat" ? "1\r\n0\r\n\r\n\r\n1\r\n" : "x");
            QFile f(data->file(name)); // left by the last run, a while ago
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-60), QFileDevice::FileModificationTime));
        }
        createApp();
        QStringList left = QDir(data->path()).entryList(QDir::Files);
        QStringList expected = kept;
        left.sort();
        expected.sort();
        QCOMPARE(left, expected);
        QVERIFY(services->messages.isEmpty());
    }
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
