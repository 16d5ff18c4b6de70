#include "Scripted.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/LineFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tv;

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void lookupIgnoresLetterCase()
    {
        test::TempDataDir data;
        data.write(QStringLiteral("Pk.dat"), "1\r\n");
        QVERIFY(files::dataExists(QStringLiteral("Pk.dat")));
        QVERIFY(files::dataExists(QStringLiteral("PK.dat")));
        QVERIFY(files::dataExists(QStringLiteral("pk.DAT")));
        QVERIFY(!files::dataExists(QStringLiteral("Pk_o.dat")));
        QVERIFY(!files::dataExists(QString()));
        // Opening goes to the file that exists, spelled as it is spelled.
        QCOMPARE(test::fileCase(files::dataPath(QStringLiteral("PK.dat"))),
                 test::fileCase(QDir::toNativeSeparators(data.path() + QStringLiteral("/Pk.dat"))));
        QFile f(files::dataPath(QStringLiteral("PK.DAT")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("1\r\n"));
    }

    void newFileKeepsTheAskedSpellingUnlessOneDiffersOnlyInCase()
    {
        test::TempDataDir data;
        QCOMPARE(files::dataPath(QStringLiteral("Wyniki.tvw")),
                 QDir::toNativeSeparators(data.path() + QStringLiteral("/Wyniki.tvw")));
        data.write(QStringLiteral("WYNIKI.TVW"), "x");
        QVERIFY(lines::appendFile(files::dataPath(QStringLiteral("Wyniki.tvw")), {QStringLiteral("y")}));
        QCOMPARE(data.read(QStringLiteral("WYNIKI.TVW")), QByteArray("x\r\ny\r\n"));
        QCOMPARE(QDir(data.path()).entryList(QDir::Files), QStringList{QStringLiteral("WYNIKI.TVW")});
    }

    void exactSpellingWinsOverOtherCases()
    {
        test::TempDataDir data;
        data.write(QStringLiteral("a.dat"), "lower");
        data.write(QStringLiteral("A.dat"), "upper");
        QCOMPARE(files::dataPath(QStringLiteral("A.dat")), QDir::toNativeSeparators(data.file(QStringLiteral("A.dat"))));
        QCOMPARE(files::dataPath(QStringLiteral("a.dat")), QDir::toNativeSeparators(data.file(QStringLiteral("a.dat"))));
    }

    void fullPathsAreLookedUpToo()
    {
        test::TempDataDir data;
        data.write(QStringLiteral("Ups.wav"), "RIFF");
        QVERIFY(files::pathExists(data.path() + QStringLiteral("/UPS.WAV")));
        QVERIFY(!files::pathExists(data.path() + QStringLiteral("/Cel.wav")));
        QVERIFY(!files::pathExists(QString()));
        QVERIFY(!files::pathExists(QStringLiteral("C:\\Program Files\\Terravia\\Ups.wav")));
    }

    // A NUL in a stored sound path: the folder's listing stops at it and
    // finds the file, which nothing can then open; the path counts as
    // missing and the bundled sound of that name plays.
    void soundWithANulFallsBackToTheBundledOne_data()
    {
        QTest::addColumn<QString>("after"); // what follows the data directory
        QTest::newRow("NUL before the name") << QStringLiteral("%1/Ups.wav").arg(QChar(0));
        QTest::newRow("and the name in other letters") << QStringLiteral("%1/UPS.WAV").arg(QChar(0));
    }
    void soundWithANulFallsBackToTheBundledOne()
    {
        QFETCH(QString, after);
        test::TempDataDir data;
        data.write(QStringLiteral("Ups.wav"), "RIFF");
        QVERIFY(!files::pathExists(data.path() + after));
        QCOMPARE(test::fileCase(files::soundPath(data.path() + after)),
                 test::fileCase(files::dataPath(QStringLiteral("Ups.wav"))));
    }

    // A konf.dat from Windows names the sound with backslashes, which
    // elsewhere belong to a file name; the bundled sound of the name after
    // the last separator stands in for it.
    void windowsSoundPathFallsBackToTheBundledOne_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("backslashes") << "C:\\Ups.wav";
        QTest::newRow("both separators") << "C:\\Terravia/dzwieki\\Ups.wav";
    }
    void windowsSoundPathFallsBackToTheBundledOne()
    {
        QFETCH(QString, stored);
        test::TempDataDir data;
        data.write(QStringLiteral("Ups.wav"), "RIFF");
        QCOMPARE(files::soundPath(stored), files::dataPath(QStringLiteral("Ups.wav")));
    }

    void programsAreFoundWithOrWithoutExe_data()
    {
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("found");
        QTest::newRow("exact") << "Terravia.exe" << "Terravia.exe" << true;
        QTest::newRow("other case") << "TERRAVIA.EXE" << "Terravia.exe" << true;
#ifndef Q_OS_WIN
        QTest::newRow("without exe") << "terravia" << "Terravia.exe" << true;
        QTest::newRow("Sys_Info") << "sys_info" << "Sys_Info.exe" << true;
#endif
        QTest::newRow("missing") << "other" << "Terravia.exe" << false;
    }
    void programsAreFoundWithOrWithoutExe()
    {
        QFETCH(QString, present);
        QFETCH(QString, asked);
        QFETCH(bool, found);
        test::TempDataDir data;
        data.write(present, "#!");
        const QString path = files::findProgram(data.path(), asked);
        QCOMPARE(!path.isEmpty(), found);
        if (found)
            QCOMPARE(test::fileCase(QFileInfo(path).fileName()), test::fileCase(present));
    }

    // Names from outside (the teacher's server, a file) must not leave the
    // data directory.
    void onlyPlainNamesAreJoined_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("a data file") << "Wyniki.tvw" << true;
        QTest::newRow("dots inside") << "a..b.dat" << true;
        QTest::newRow("hidden") << ".konf" << true;
        QTest::newRow("Polish letters") << "Łódź.dat" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("three dots") << "..." << false;
        QTest::newRow("up and over") << "../konf.dat" << false;
        QTest::newRow("up, Windows") << "..\\konf.dat" << false;
        QTest::newRow("into a folder") << "sub/x.dat" << false;
        QTest::newRow("root") << "/etc/passwd" << false;
        QTest::newRow("Windows root") << "\\Windows\\win.ini" << false;
        QTest::newRow("network share") << "\\\\serwer\\udzial\\x" << false;
        QTest::newRow("drive") << "C:\\konf.dat" << false;
        QTest::newRow("drive, relative") << "C:konf.dat" << false;
        QTest::newRow("NUL inside") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << false;
    }
    void onlyPlainNamesAreJoined()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        test::TempDataDir data;
        // Something to find where a refused name would lead.
        QVERIFY(QDir(data.path()).mkdir("sub"));
        data.write("sub/x.dat", "x");
        QCOMPARE(files::isPlainName(name), plain);
        QCOMPARE(files::dataPath(name).isEmpty(), !plain);
        QCOMPARE(files::resolve(data.path(), name).isEmpty(), !plain);
        if (!plain) {
            QVERIFY(!files::dataExists(name));
            QVERIFY(!files::exists(data.path(), name));
        }
        QVERIFY(!files::dataExists("sub/x.dat"));
    }

    void badLinesAreQuotedShort_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        const QString sixty = QString(59, QLatin1Char('1')) + QLatin1Char('x');
        QTest::newRow("short") << "12x" << "12x";
        QTest::newRow("sixty") << sixty << sixty;
        QTest::newRow("sixty-one") << sixty + QLatin1Char('y') << sixty + QChar(0x2026);
        QTest::newRow("a million") << QString(1000000, QLatin1Char('7')) << QString(60, QLatin1Char('7')) + QChar(0x2026);
        // A surrogate pair is never cut in half.
        QTest::newRow("pair at the cut") << QString(59, QLatin1Char('a')) + QStringLiteral("\U0001F600zz")
                                         << QString(59, QLatin1Char('a')) + QChar(0x2026);
    }
    void badLinesAreQuotedShort()
    {
        QFETCH(QString, line);
        QFETCH(QString, shown);
        QCOMPARE(lines::excerpt(line), shown);
    }

    void systemDirectoriesFollowTheOverride()
    {
        test::TempDataDir data; // points the system directories at a temporary folder
        QVERIFY(!files::windowsDir().isEmpty());
        QCOMPARE(files::windowsDir(), files::winntDir());
        const QString nested = files::windowsDir() + QStringLiteral("/sub");
        QVERIFY(files::ensureDir(nested));
        QVERIFY(QDir(nested).exists());
    }

    // Where the content pack and the program's own files are found, for a
    // build folder, a read-only installation and a shared results folder.
    void placesOfTheFiles_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("sharedResults"); // "env", "conf" or none
        QTest::addColumn<bool>("uninstaller");
        QTest::newRow("build folder") << false << false << "" << false;
        QTest::newRow("installed") << true << true << "" << false;
        QTest::newRow("installed, results shared by environment") << true << true << "env" << false;
        QTest::newRow("installed, results shared by /etc/terravia.conf") << true << true << "conf" << false;
        // Installed on Windows: the pack beside the programs, in a folder a
        // pupil may be able to write to (an administrator, Wine), still shared.
        QTest::newRow("installed beside the programs") << false << false << "" << true;
    }
    void placesOfTheFiles()
    {
        QFETCH(bool, installed);
        QFETCH(bool, readOnly);
        QFETCH(QString, sharedResults);
        QFETCH(bool, uninstaller);
        QTemporaryDir root;
        const QString exe = root.filePath(QStringLiteral("prefix/bin"));
        const QString content = installed ? root.filePath(QStringLiteral("prefix/share/terravia")) : exe;
        const QString user = root.filePath(QStringLiteral("home/.local/share/Terravia"));
        const QString shared = root.filePath(QStringLiteral("klasa"));
        QDir().mkpath(exe);
        QDir().mkpath(content);
        QFile(content + QStringLiteral("/CZYTAJTO.txt")).open(QIODevice::WriteOnly);
        QFile(content + QStringLiteral("/Ups.wav")).open(QIODevice::WriteOnly);
        if (uninstaller)
            QFile(exe + QStringLiteral("/Odinstaluj.exe")).open(QIODevice::WriteOnly);
        files::setExecutableDir(exe);
        files::setUserDataDir(user);
        files::setSystemConfigFile(root.filePath(QStringLiteral("terravia.conf")));
        if (sharedResults == QLatin1String("env"))
            qputenv("TERRAVIA_RESULTS_DIR", shared.toUtf8());
        if (sharedResults == QLatin1String("conf")) {
            QFile conf(root.filePath(QStringLiteral("terravia.conf")));
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write("# the class's results\nresults = " + shared.toUtf8() + "\n");
        }
        if (readOnly)
            QFile::setPermissions(content, QFile::ReadOwner | QFile::ExeOwner);

        const QString writes = readOnly || uninstaller ? user : content;
        QCOMPARE(files::dataDir(), QDir::toNativeSeparators(content));
        QCOMPARE(QFileInfo(files::dataPath(QStringLiteral("PM.dat"))).absolutePath(), content);
        for (const char *name : {"konf.dat", "tmp.tvw", "Skins.dat", "Net_konf.dat"})
            QCOMPARE(QFileInfo(files::dataPath(QString::fromLatin1(name))).absolutePath(), writes);
        QCOMPARE(QFileInfo(files::dataPath(QStringLiteral("Wyniki.tvw"))).absolutePath(),
                 sharedResults.isEmpty() ? writes : shared);
        // The user folder appears with the first write, not before.
        QCOMPARE(QDir(user).exists(), false);
        {
            // Writers lock first: the lock, too, must find the folder there.
            const files::WriteLock lock(files::dataPath(QStringLiteral("konf.dat")));
            QVERIFY(lock.status());
            QVERIFY(lines::appendFile(files::dataPath(QStringLiteral("konf.dat")), {"1"}));
        }
        QVERIFY(files::dataExists(QStringLiteral("konf.dat")));
        QVERIFY(QFile::exists(writes + QStringLiteral("/konf.dat")));
        // A stored sound whose folder has gone: the bundled one of that name.
        QCOMPARE(files::soundPath(QStringLiteral("/stary/katalog/Ups.wav")),
                 QDir::toNativeSeparators(content + QStringLiteral("/Ups.wav")));
        QCOMPARE(files::soundPath(QStringLiteral("/stary/katalog/Brak.wav")), QString());

        QFile::setPermissions(content, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qunsetenv("TERRAVIA_RESULTS_DIR");
        files::setExecutableDir(QString());
        files::setUserDataDir(QString());
        files::setSystemConfigFile(QString());
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
