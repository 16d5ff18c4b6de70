// The scaled map on a 3840 x 2160 screen: loading "Afryka - Państwa" from
// the content pack and painting it the first time, then the repaint after
// each of 50 resizes (the page is scaled anew every time), each against
// decoding the map picture alone. Target: both under 100 ms here.

#include "QuizFixture.h"
#include "Scripted.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/TestLauncher.h"
#include "platform/Files.h"
#include "quiz/MapView.h"
#include "quiz/TestWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tv;

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication qapp(argc, argv);
    QTemporaryDir config;
    files::setDataDir(QStringLiteral(TERRAVIA_CONTENT_DIR));
    files::setSystemDirOverride(config.path());
    test::ScriptedServices services;
    test::WaitRecorder waits;
    const int code = 37; // Afryka - Państwa
    const QString picture = files::dataPath(QStringLiteral("Afryka_panstwa.jpg"));

    std::vector<double> decode;
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        QImageReader reader(picture);
        const QImage image = reader.read();
        decode.push_back(ms(t));
        if (image.isNull())
            return 1;
    }
    const double decodeMs = median(decode);

    Application app;
    MainWindow &main = app.mainWindow();
    main.resize(3840, 2160);
    main.show();
    QCoreApplication::processEvents();

    QElapsedTimer t;
    t.start();
    app.launcher().launch(code);
    TestWindow *w = app.launcher().testWindow();
    if (!w)
        return 1;
    w->onStartDelay();
    QCoreApplication::processEvents();
    main.repaint();
    const double loadMs = ms(t);
    const double scale = test::mapViewOf(w)->scale();

    std::vector<double> resize;
    for (int i = 0; i < 50; ++i) {
        const QSize size = i % 2 ? QSize(3840, 2160) : QSize(3840 - 40 - i * 8, 2160 - 30 - i * 6);
        QElapsedTimer r;
        r.start();
        main.resize(size);
        QCoreApplication::processEvents();
        main.repaint();
        resize.push_back(ms(r));
    }
    const double worst = *std::max_element(resize.begin(), resize.end());
    const double med = median(resize);

    std::printf("map picture 740 x 574, shown at scale %.2f on 3840 x 2160\n", scale);
    std::printf("decoding the picture:         %7.2f ms (median of 15)\n", decodeMs);
    std::printf("load + first paint:           %7.2f ms  = %5.2f x decoding\n", loadMs, loadMs / decodeMs);
    std::printf("repaint after resize, median: %7.2f ms  = %5.2f x decoding\n", med, med / decodeMs);
    std::printf("repaint after resize, worst:  %7.2f ms  = %5.2f x decoding (50 resizes)\n", worst, worst / decodeMs);
    return 0;
}
