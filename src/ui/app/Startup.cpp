#include "Startup.h"

#include "Forms.h"
#include "TForm1.h"
#include "TLogo.h"
#include "wizards/TKreator.h"
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

    auto *splash = new TLogo;
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();
    sleepMs(1000);

    QApplication::setApplicationName(QStringLiteral("Terravia"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/terravia.svg")));
    // Closing the creator or another top-level window must not end the
    // program; only the main window's rules do.
    QApplication::setQuitOnLastWindowClosed(false);

    createForms();
    delete splash;

    TForm1 *main = forms().Form1;
    main->FormShow();
    int code = 0;
    if (!DesktopServices::terminationRequested()) {
        main->showAsConfigured();
        // The creator, when it opened, is where the pupil starts.
        if (forms().Kreator->isVisible())
            QTimer::singleShot(0, forms().Kreator, [] { forms().Kreator->activateWindow(); });
        code = QApplication::exec();
    }
    destroyForms();
    return code;
}

} // namespace tv
