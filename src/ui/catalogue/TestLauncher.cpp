#include "TestLauncher.h"

#include "LoadingWindow.h"
#include "app/Shell.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileCheck.h"
#include "catalogue/LaunchRequest.h"
#include "catalogue/OwnTests.h"
#include "net/Session.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "quiz/ChainProgress.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace tv {

QString missingFileMessage(int which)
{
    switch (which) {
    case 0:
        return QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku konfiguracyjnego");
    case 1:
        return QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku zdjęcia opisu");
    default:
        return QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku zdjęcia tego testu");
    }
}

TestLauncher::TestLauncher(const TestWindowContext &context, QObject *parent) : QObject(parent), context(context)
{
}

bool TestLauncher::launch(int code)
{
    if (const CatalogueEntry *e = catalogue::findByCode(code)) {
        launchEntry(*e);
        return true;
    }
    if (const ChainEntry *c = catalogue::findChainByCode(code)) {
        launchChain(*c);
        return true;
    }
    return false;
}

TestWindow *TestLauncher::openTestWindow()
{
    auto *window = new TestWindow(context);
    connect(window, &TestWindow::creatorRequested, this, &TestLauncher::creatorRequested);
    connect(window, &TestWindow::helpRequested, this, &TestLauncher::helpRequested);
    connect(window, &TestWindow::filterRequested, this, &TestLauncher::filterRequested);
    QMdiSubWindow *sub = context.shell.addChildWindow(window);
    sub->setAttribute(Qt::WA_OpaquePaintEvent);
    sub->showMaximized();
    return window;
}

TestWindow *TestLauncher::testWindow() const
{
    for (QMdiSubWindow *sub : context.shell.childArea()->subWindowList())
        if (auto *w = qobject_cast<TestWindow *>(sub->widget()))
            return w;
    return nullptr;
}

bool TestLauncher::launchEntry(const CatalogueEntry &entry, const Options &options)
{
    Shell &shell = context.shell;
    Session &session = context.session;
    QWidget *parent = options.messageParent ? options.messageParent : shell.frame();
    setHourglass(true);
    context.chain.active = false;
    context.request = {entry.configurationFile, entry.descriptionFile, entry.pictureFile, QString(), entry.title};
    shell.setTitle(entry.title);
    shell.setStatusText(Shell::TestPanel, options.statusText.isEmpty() ? entry.title : options.statusText);
    shell.lockForTest();
    context.loading.showNow();

    const QString names[3] = {entry.configurationFile, entry.descriptionFile, entry.pictureFile};
    int missing = -1;
    for (int i = 0; i < 3 && missing < 0; ++i)
        if (!files::dataExists(names[i]))
            missing = i;
    if (missing < 0) {
        if (options.beforeOpening)
            options.beforeOpening();
        openTestWindow();
        return true;
    }

    const Mark mark = options.reportsToServer ? entry.mark : Mark::None;
    if (session.active() && (mark == Mark::ReportAnyMissing || (mark == Mark::ReportMissingConfiguration && missing == 0))) {
        // Reported to the teacher; the session lock stays.
        setHourglass(false);
        // The always-on-top loading window would cover the message.
        context.loading.hide();
        if (mark == Mark::ReportMissingConfiguration)
            showMessage(parent, missingFileMessage(missing), kMissingFileCaption, Services::Icon::Information);
        if (session.connectionUp()) {
            if (mark == Mark::ReportAnyMissing)
                session.setDisconnectReason(Session::MissingFile);
            session.sendMissingFileReport(entry.title);
        }
        session.resumePolling();
        return false;
    }
    if (mark == Mark::NoteMissingFile)
        session.setDisconnectReason(Session::MissingFile);
    setHourglass(false);
    context.loading.hide();
    showMessage(parent, missingFileMessage(missing), kMissingFileCaption, Services::Icon::Information);
    shell.unlockAfterTest();
    // During a lesson the pupil must not reach the menus.
    if (session.active())
        shell.lockForSession();
    return false;
}

bool TestLauncher::launchOwnTest(const QString &folder, const QString &code, const QString &title,
                                 const Options &options)
{
    Shell &shell = context.shell;
    QWidget *parent = options.messageParent ? options.messageParent : shell.frame();
    if (context.session.active())
        return false;
    const QString fullTitle = owntests::kTitlePrefix + title;
    setHourglass(true);
    context.chain.active = false;
    context.request = {owntests::configurationFile(code), owntests::descriptionFile(code),
                       owntests::pictureFile(code), folder, fullTitle};
    shell.setTitle(fullTitle);
    shell.setStatusText(Shell::TestPanel, fullTitle);
    shell.lockForTest();
    context.loading.showNow();
    const QString names[3] = {context.request.configurationFile, context.request.descriptionFile,
                              context.request.pictureFile};
    for (int i = 0; i < 3; ++i) {
        if (!files::exists(folder, names[i])) {
            setHourglass(false);
            context.loading.hide();
            showMessage(parent, missingFileMessage(i), kMissingFileCaption, Services::Icon::Information);
            shell.unlockAfterTest();
            return false;
        }
    }
    if (options.beforeOpening)
        options.beforeOpening();
    openTestWindow();
    return true;
}

bool TestLauncher::chainFilesPresent(int chain) const
{
    return filecheck::chainFilesPresent(chain, files::dataDir());
}

bool TestLauncher::launchChain(const ChainEntry &chain, const Options &options)
{
    Shell &shell = context.shell;
    if (!chainFilesPresent(chain.chain)) {
        showMessage(options.messageParent ? options.messageParent : shell.frame(), kChainMissingText,
                    kChainMissingCaption, Services::Icon::Warning);
        return false;
    }
    context.chain = {true, chain.chain, 1, chain.taskTotal};
    setHourglass(true);
    context.request = {chain.configurationFile, chain.descriptionFile, chain.pictureFile, QString(), chain.title};
    shell.setTitle(chain.title);
    shell.setStatusText(Shell::TestPanel, chain.status);
    shell.setCaption(chain.status);
    shell.lockForTest();
    context.loading.showNow();
    if (options.beforeOpening)
        options.beforeOpening();
    openTestWindow();
    return true;
}

} // namespace tv
