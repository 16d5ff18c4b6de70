// The teacher's program: the classroom server that the pupils' Terravia
// programs find, log in to, take their tests from and send their results to.

#include "ClassWindow.h"
#include "platform/Services.h"
#include "teacher/ClassroomServer.h"
#include "teacher/Gradebook.h"
#include "teacher/TeacherSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace tv;
using namespace tv::teacher;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("terravia-nauczyciel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Terravia – nauczyciel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/teacher/nauczyciel.svg")));
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Serwer klasy dla programów Terravia uczniów."));
    options.addHelpOption();
    const QCommandLineOption bindOption(QStringLiteral("adres"),
                                        QStringLiteral("Słuchaj tylko pod tym adresem tego komputera."),
                                        QStringLiteral("adres"));
    const QCommandLineOption dirOption(QStringLiteral("folder"),
                                       QStringLiteral("Folder ustawień i wyników nauczyciela."),
                                       QStringLiteral("folder"));
    options.addOption(bindOption);
    options.addOption(dirOption);
    options.process(app);

    const QString dir = options.isSet(dirOption) ? options.value(dirOption) : defaultTeacherDir();
    const QString caption = QStringLiteral("Terravia – nauczyciel");
    SettingsLoad load = loadOrCreate(dir);
    if (!load.status)
        showMessage(nullptr, load.status.message, caption, Services::Icon::Error);

    ServerEndpoints where;
    if (options.isSet(bindOption)) {
        const QHostAddress bind(options.value(bindOption));
        if (bind.isNull()) {
            showMessage(nullptr, QStringLiteral("Niepoprawny adres: %1").arg(options.value(bindOption)), caption,
                        Services::Icon::Error);
            return 2;
        }
        where.bindAddress = bind;
    }

    // The lesson never depends on the gradebook: without it, Wyniki.tvw alone.
    Gradebook gradebook;
    const Status bookOpened = gradebook.open(gradebookPlace(dir));

    Classroom room(dir);
    room.setAdmitLateComers(load.settings.admitLateComers);
    ClassroomServer server(room, where);
    server.setPassword(load.settings.password);
    ClassWindow window(room, server, load.settings, dir);
    window.setGradebook(&gradebook);
    window.show();
    if (!bookOpened)
        showMessage(&window, bookOpened.message, caption, Services::Icon::Warning);
    const Status started = server.start();
    window.updateSummary();
    if (!started)
        showMessage(&window, started.message, caption, Services::Icon::Error);
    window.askClass();
    return app.exec();
}
