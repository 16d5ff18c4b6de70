#include "Startup.h"

#include "Application.h"
#include "MainWindow.h"
#include "SplashScreen.h"
#include "wizards/CreatorWizard.h"
#include "platform/Services.h"
#include "platform/System.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

namespace tv {

void installPolishTranslation(QApplication &app)
{
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
}

int runProgram(QApplication &app)
{
    installPolishTranslation(app);

    auto *splash = new SplashScreen;
    splash->show();
    splash->repaint();
    letPendingEventsRun();
    sleepMs(1000);

    QApplication::setApplicationName(QStringLiteral("Terravia"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/terravia.svg")));
    // Closing the creator or another top-level window must not end the
    // program; only the main window's rules do.
    QApplication::setQuitOnLastWindowClosed(false);

    Application program;
    delete splash;

    program.showStartWindows();
    int code = 0;
    if (!DesktopServices::terminationRequested()) {
        program.mainWindow().showAsConfigured();
        // The creator, when it opened, is where the pupil starts.
        CreatorWizard *creator = &program.creator();
        if (creator->isVisible())
            QTimer::singleShot(0, creator, [creator] { creator->activateWindow(); });
        code = QApplication::exec();
    }
    return code;
}

} // namespace tv
