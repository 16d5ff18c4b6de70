// Loading a map test after the start timer fires (both files read, the
// picture decoded, 17 markers and names laid out) against decoding the same
// 1200 x 900 JPEG alone. Target: under 50 ms and at most twice the decoding.

#include "QuizFixture.h"
#include "Scripted.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "quiz/TestWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QMdiArea>
#include <QMdiSubWindow>

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

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    test::TempDataDir data;
    test::ScriptedServices services;
    test::WaitRecorder waits;

    std::vector<QPoint> positions;
    QStringList description;
    for (int k = 1; k <= 17; ++k) {
        positions.push_back(QPoint(40 + (k % 6) * 180, 30 + (k / 6) * 260));
        description << QStringLiteral("Miejscowość numer %1%2").arg(k).arg(10 + k);
    }
    test::writeMapTest(data, "ES.dat", "ES_o.dat", "Europa_stolice.jpg", positions, description, QSize(1200, 900));
    // A real map compresses less than a flat test picture: use a noisy one.
    {
        QImage image(1200, 900, QImage::Format_RGB32);
        quint32 x = 12345;
        for (int y = 0; y < 900; ++y)
            for (int i = 0; i < 1200; ++i) {
                x = x * 1664525u + 1013904223u;
                image.setPixel(i, y, qRgb(200 + (x >> 28), 180 + ((x >> 20) & 31), 140 + ((x >> 12) & 63)));
            }
        image.save(data.file("Europa_stolice.jpg"), "JPG", 88);
    }
    test::writeSettings(data, 0, 1);
    const QString picture = data.file("Europa_stolice.jpg");

    const int rounds = qEnvironmentVariableIntValue("ROUNDS") ? qEnvironmentVariableIntValue("ROUNDS") : 30;
    std::vector<double> decode, load, painted;
    auto *program = new Application;
    program->mainWindow().show();
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        QImageReader reader(picture);
        const QImage image = reader.read();
        decode.push_back(t.nsecsElapsed() / 1e6);
        if (image.isNull())
            return 1;

        program->launcher().launchEntry(*catalogue::findByCode(18));
        TestWindow *w = program->launcher().testWindow();
        // The window has been on screen for a second when its start timer
        // fires: everything it had to do before is done.
        for (int settle = 0; settle < 5; ++settle)
            QCoreApplication::processEvents();
        t.restart();
        w->onStartDelay();
        load.push_back(t.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents(); // the first paint of the loaded map
        painted.push_back(t.nsecsElapsed() / 1e6);
        program->mainWindow().childArea()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    delete program;

    const double d = median(decode), l = median(load), p = median(painted);
    std::printf("load_test: 1200x900 JPEG, 17 markers, %d rounds (medians)\n", rounds);
    std::printf("  decode JPEG alone : %7.2f ms\n", d);
    std::printf("  load the test     : %7.2f ms   (target < 50 ms)\n", l);
    std::printf("  ratio load/decode : %7.2f      (target <= 2.0)\n", l / d);
    std::printf("  load + first paint: %7.2f ms   (for information)\n", p);
    return 0;
}
