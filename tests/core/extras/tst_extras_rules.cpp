#include "Scripted.h"
#include "extras/ComputerInfo.h"
#include "extras/HelpFiles.h"
#include "extras/MailLink.h"
#include "extras/Opening.h"
#include "extras/ScreenTools.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace tv;

class TestExtrasRules : public QObject {
    Q_OBJECT

private slots:
    void mailtoLinkOfThreeLines()
    {
        const QString link = mail::mailtoLink(QStringLiteral("pomoc@terravia.example"), QStringLiteral("Mapa"),
                                              {QStringLiteral("jeden"), QStringLiteral("dwa"), QStringLiteral("trzy")});
        QCOMPARE(link, QStringLiteral("mailto:pomoc@terravia.example?Subject=Mapa"
                                      "&Body=%0D%0Ajeden%0D%0Adwa%0D%0Atrzy"));
    }

    void typedTextArrivesAsTyped_data()
    {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QStringList>("body");
        QTest::newRow("spaces and ampersand") << "Mapy & testy nie działają" << QStringList{"Ala & Ola", "linia 2"};
        QTest::newRow("hash, question, percent, plus")
            << "Test #3? 100% + więcej" << QStringList{"a=b&Body=x", "#koniec?"};
        QTest::newRow("empty lines kept") << "Temat" << QStringList{"", "po pustej", ""};
    }
    void typedTextArrivesAsTyped()
    {
        QFETCH(QString, subject);
        QFETCH(QStringList, body);
        const QString link = mail::mailtoLink(QStringLiteral("pomoc@terravia.example"), subject, body);
        // What a mail program reads out of the link: the address and the two
        // fields, decoded.
        const QUrl url = QUrl::fromEncoded(link.toLatin1(), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.path(), QStringLiteral("pomoc@terravia.example"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded), subject);
        QString expectedBody;
        for (const QString &line : body)
            expectedBody += QStringLiteral("\r\n") + line;
        QCOMPARE(query.queryItemValue(QStringLiteral("Body"), QUrl::FullyDecoded), expectedBody);
        // Blanks are %20, never "+", which mail programs would show as is.
        QVERIFY(!link.contains(QLatin1Char(' ')));
        QVERIFY(!link.contains(QLatin1Char('+')));
    }

    void bodyLinesAndRefusals()
    {
        QCOMPARE(mail::bodyLines(QString()), QStringList());
        QCOMPARE(mail::bodyLines(QStringLiteral("a\nb\n")), (QStringList{"a", "b"}));
        QCOMPARE(mail::bodyLines(QStringLiteral("a\r\n\r\nb")), (QStringList{"a", "", "b"}));
        QCOMPARE(mail::bodyLines(QStringLiteral("\n")), QStringList{QString()});
        QCOMPARE(mail::refusal(QString(), {QStringLiteral("x")}), mail::Refusal::NoSubject);
        QCOMPARE(mail::refusal(QString(), {}), mail::Refusal::NoSubject);
        QCOMPARE(mail::refusal(QStringLiteral("t"), {}), mail::Refusal::NoBody);
        QCOMPARE(mail::refusal(QStringLiteral("t"), {QString()}), mail::Refusal::None);
    }

    void openingEndsAtTheDesignedSize_data()
    {
        QTest::addColumn<QSize>("designed");
        QTest::addColumn<int>("count");
        QTest::newRow("about box, 433 x 337") << QSize(433, 337) << 5;
        QTest::newRow("multiples of 5") << QSize(400, 300) << 5;
        QTest::newRow("smaller than the start") << QSize(100, 20) << 1;
        QTest::newRow("thinner than 5") << QSize(3, 200) << 5;
        QTest::newRow("wide and low") << QSize(1003, 31) << 5;
    }
    void openingEndsAtTheDesignedSize()
    {
        QFETCH(QSize, designed);
        QFETCH(int, count);
        const QList<QSize> steps = openingSteps(designed);
        QCOMPARE(steps.size(), count);
        QCOMPARE(steps.last(), designed);
        QSize previous(112, 27);
        for (const QSize &s : steps) {
            QVERIFY(s.width() <= qMax(designed.width(), previous.width()));
            QVERIFY(s.height() <= qMax(designed.height(), previous.height()));
            previous = s;
        }
    }

    void openingGrowsByAFifth()
    {
        const QList<QSize> steps = openingSteps(QSize(433, 337));
        QCOMPARE(steps.first(), QSize(112 + 86, 27 + 67));
        QCOMPARE(steps.at(3), QSize(433, 27 + 4 * 67));
    }

    void helpDocument()
    {
        test::TempDataDir data;
        QCOMPARE(help::document(data.path(), false), QString());
        QCOMPARE(help::document(data.path(), true), QString());
        data.write(QStringLiteral("Pocz.chm"), "ITSF");
        const QString chm = QDir::toNativeSeparators(data.file(QStringLiteral("Pocz.chm")));
        QCOMPARE(help::document(data.path(), true), chm);
        QCOMPARE(help::document(data.path(), false), chm);
        QDir(data.path()).mkdir(QStringLiteral("pomoc"));
        data.write(QStringLiteral("pomoc/Index.html"), "<html/>");
        const QString index = QDir::toNativeSeparators(data.file(QStringLiteral("pomoc/Index.html")));
        QCOMPARE(test::fileCase(help::document(data.path(), false)), test::fileCase(index));
        QCOMPARE(help::document(data.path(), true), chm);
        QCOMPARE(help::page(data.path(), help::kAuthors), QString());
        QFile::remove(data.file(QStringLiteral("Pocz.chm")));
        QCOMPARE(test::fileCase(help::document(data.path(), true)), test::fileCase(index));
    }

    // The help that ships: every page, picture and style sheet a page names
    // is there, and the compiled help's project lists only pages that exist.
    void shippedHelpLinksResolve()
    {
        const QDir help(QStringLiteral(TERRAVIA_CONTENT_DIR "/Pomoc"));
        const QStringList pages = help.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.contains(help::kIndex));
        QVERIFY(pages.contains(help::kAuthors));
        static const QRegularExpression ref(QStringLiteral("(?:href|src)=\"([^\"#:]+)(?:#[^\"]*)?\""));
        for (const QString &page : pages) {
            QFile f(help.filePath(page));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(f.readAll());
            QVERIFY2(html.contains(QLatin1String("charset=utf-8")), qPrintable(page));
            for (auto it = ref.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(help.exists(target), qPrintable(page + QStringLiteral(": ") + target));
            }
        }
        QFile project(QStringLiteral(TERRAVIA_CONTENT_DIR "/../tools/help/Pocz.hhp"));
        QVERIFY(project.open(QIODevice::ReadOnly));
        int listed = 0;
        for (const QByteArray &line : project.readAll().split('\n'))
            if (line.trimmed().startsWith("Pomoc/")) {
                QVERIFY2(help.exists(QString::fromLatin1(line.trimmed().mid(6))), line.constData());
                ++listed;
            }
        QCOMPARE(listed, pages.size());
    }

    void displaySettingsTool()
    {
        QStringList present;
        auto installed = [&present](const QString &p) { return present.contains(p); };
        QCOMPARE(screen::displaySettingsTool(true, QString(), installed).program, QStringLiteral("control"));
        QCOMPARE(screen::displaySettingsTool(true, QString(), installed).arguments, QStringList{"desktop"});
        QVERIFY(!screen::displaySettingsTool(false, QStringLiteral("GNOME"), installed).valid());
        present = {QStringLiteral("arandr"), QStringLiteral("xfce4-display-settings"),
                   QStringLiteral("gnome-control-center")};
        // The running desktop's own tool first, then any in a fixed order.
        QCOMPARE(screen::displaySettingsTool(false, QStringLiteral("ubuntu:GNOME"), installed).program,
                 QStringLiteral("gnome-control-center"));
        QCOMPARE(screen::displaySettingsTool(false, QStringLiteral("ubuntu:GNOME"), installed).arguments,
                 QStringList{"display"});
        QCOMPARE(screen::displaySettingsTool(false, QStringLiteral("xfce"), installed).program,
                 QStringLiteral("xfce4-display-settings"));
        QCOMPARE(screen::displaySettingsTool(false, QStringLiteral("KDE"), installed).program,
                 QStringLiteral("gnome-control-center"));
        const screen::Command resize = screen::resizeCommand(800, 600);
        QCOMPARE(resize.program, QStringLiteral("xrandr"));
        QCOMPARE(resize.arguments, (QStringList{"-s", "800x600"}));
    }

    void computerFacts()
    {
        QCOMPARE(sysinfo::processorName("processor\t: 0\nvendor_id\t: GenuineIntel\n"
                                        "model name\t: Intel(R)  Core(TM) i5-8250U CPU @ 1.60GHz\nflags : x\n"),
                 QStringLiteral("Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"));
        QCOMPARE(sysinfo::processorName("processor : 0\nBogoMIPS : 108\nModel : Raspberry Pi 4 Model B\n"),
                 QStringLiteral("Raspberry Pi 4 Model B"));
        QCOMPARE(sysinfo::processorName(""), QString());
        QCOMPARE(sysinfo::totalMemoryKb("MemTotal:        8049616 kB\nMemFree: 1 kB\n"), 8049616);
        QCOMPARE(sysinfo::memoryText(8049616), QStringLiteral("7,7 GB"));
        QCOMPARE(sysinfo::memoryText(524288), QStringLiteral("512 MB"));
        QCOMPARE(sysinfo::memoryText(1024000), QStringLiteral("1000 MB"));
        QCOMPARE(sysinfo::memoryText(0), QStringLiteral("nieznana"));
        QCOMPARE(sysinfo::coresText(1), QStringLiteral("1 rdzeń"));
        QCOMPARE(sysinfo::coresText(4), QStringLiteral("4 rdzenie"));
        QCOMPARE(sysinfo::coresText(8), QStringLiteral("8 rdzeni"));
        QCOMPARE(sysinfo::coresText(12), QStringLiteral("12 rdzeni"));
        QCOMPARE(sysinfo::coresText(22), QStringLiteral("22 rdzenie"));
        sysinfo::Facts f;
        f.system = QStringLiteral("Debian GNU/Linux 12");
        f.processor = QStringLiteral("Intel");
        f.cores = 2;
        f.architecture = QStringLiteral("x86_64");
        f.dataDir = QStringLiteral("/opt/terravia");
        const QStringList lines = sysinfo::reportLines(f);
        QVERIFY(lines.contains(QStringLiteral("System: Debian GNU/Linux 12")));
        QVERIFY(lines.contains(QStringLiteral("Procesor: Intel (2 rdzenie, x86_64)")));
        QVERIFY(lines.contains(QStringLiteral("Folder programu i danych: /opt/terravia")));
    }
};

QTEST_GUILESS_MAIN(TestExtrasRules)
#include "tst_extras_rules.moc"
