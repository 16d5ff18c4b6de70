// Opens the program's own windows on the real display for screenshots of
// the scaled map: a test of the content pack, judged after a few drops, or
// the place game with some covers open. Run from the build folder's
// program directory under Xvfb:
//   show_map <content-dir> test <code> [judge | corrections | retest]
//   show_map <content-dir> worksheet <code> <file.pdf>
//   show_map <content-dir> game
// "corrections" shows the right answers of the judged test, "retest" takes
// its missed markers again and answers half of them; "worksheet" writes the
// test's worksheet and key (names in alphabetical order) and ends.
// The program then waits until it is closed.

#include "QuizFixture.h"
#include "Scripted.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TestLauncher.h"
#include "game/PlaceGameWindow.h"
#include "platform/Files.h"
#include "quiz/Markers.h"
#include "quiz/TestWindow.h"
#include "quiz/Worksheet.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace tv;

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    const QStringList args = qapp.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "show_map <content-dir> test <code> [judge] | game\n");
        return 2;
    }
    QTemporaryDir config;
    files::setDataDir(args.at(1));
    files::setSystemDirOverride(config.path());
    // No modal result dialog over the judged map.
    test::ScriptedServices services;
    services.answers = {QMessageBox::No};
    Application app;
    app.mainWindow().showMaximized();
    TestWindow::setShuffleSeed(11);

    if (args.at(2) == QLatin1String("game")) {
        QTimer::singleShot(500, [&] {
            app.mainWindow().commandAction(Command::ButtonPlaceGame)->trigger();
            if (PlaceGameWindow *w = PlaceGameWindow::find(app.mainWindow()))
                for (int i : {0, 7, 14, 15, 21, 28, 35})
                    w->openCover(i);
        });
    } else {
        const int code = args.value(3).toInt();
        const QString after = args.value(4);
        const bool sheet = args.at(2) == QLatin1String("worksheet");
        const bool judge = !after.isEmpty() && !sheet;
        if (sheet) {
            services.fileAnswers = {after};
            services.onModal = [](QDialog &dlg) {
                auto *d = qobject_cast<worksheet::WorksheetDialog *>(&dlg);
                if (!d)
                    return int(QDialog::Rejected);
                d->setOrder(learning::Order::Alphabetical);
                return int(worksheet::WorksheetDialog::Pdf);
            };
        }
        QTimer::singleShot(500, [&, code, judge, sheet, after] {
            app.launcher().launch(code);
            TestWindow *w = app.launcher().testWindow();
            if (!w)
                return;
            w->onStartDelay();
            if (sheet) {
                w->printWorksheet();
                QCoreApplication::exit(0); // not quit(): the main window refuses while a test is open
                return;
            }
            if (!judge)
                return;
            // Half the names where they belong, two swapped, the rest blank.
            const int n = w->mapTest().count();
            auto fieldOf = [w](const QString &name) {
                for (int k = 1; k <= 17; ++k)
                    if (test::nameFieldOf(w, k)->text() == name)
                        return k;
                return 0;
            };
            for (int k = 1; k <= n / 2; ++k)
                test::dropOnMarker(w, fieldOf(w->mapTest().names().at(k - 1)), k);
            if (n >= 4) {
                test::dropOnMarker(w, fieldOf(w->mapTest().names().at(n - 1)), n - 2);
                test::dropOnMarker(w, fieldOf(w->mapTest().names().at(n - 2)), n - 1);
            }
            w->showResult();
            if (after == QLatin1String("corrections")) {
                w->showCorrections();
            } else if (after == QLatin1String("retest")) {
                const QList<int> missed = w->mapTest().missed();
                w->retestMissed();
                for (int i = 0; i < missed.size() / 2; ++i)
                    test::dropOnMarker(w, fieldOf(w->mapTest().rightName(missed.at(i))), missed.at(i));
            }
        });
    }
    return qapp.exec();
}
