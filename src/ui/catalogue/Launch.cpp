// The one launch routine of the catalogue: menu items, the creator, the
// random draw and the teacher's assignments all start tests through here.

#include "Launch.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FileCheck.h"
#include "catalogue/Tladuj.h"
#include "net/Protocol.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "quiz/TTest_kontynety.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

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

void TForm1::buildTestsMenu(QMenu *testy)
{
    for (const QString &group : catalogue::menuGroups()) {
        QMenu *sub = testy->addMenu(group);
        for (const CatalogueEntry &e : catalogue::singleTests()) {
            if (e.menu != group)
                continue;
            QAction *a = sub->addAction(e.item);
            a->setObjectName(QStringLiteral("test%1").arg(e.code));
            const int code = e.code;
            connect(a, &QAction::triggered, this, [this, code] { launchEntry(*catalogue::findByCode(code)); });
        }
    }
    testy->addSeparator();
    QMenu *chains = testy->addMenu(catalogue::kChainMenu);
    for (const ChainEntry &c : catalogue::chainEntries()) {
        QAction *a = chains->addAction(c.item);
        a->setObjectName(QStringLiteral("test%1").arg(c.code));
        const int chain = c.chain;
        connect(a, &QAction::triggered, this, [this, chain] { launchChain(*catalogue::findChain(chain)); });
    }
}

bool TForm1::launchCode(int code)
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

TTest_kontynety *TForm1::openTestWindow()
{
    auto *window = new TTest_kontynety;
    QMdiSubWindow *sub = addChildWindow(window);
    sub->setAttribute(Qt::WA_OpaquePaintEvent);
    sub->showMaximized();
    return window;
}

TTest_kontynety *TForm1::testWindow() const
{
    for (QMdiSubWindow *sub : mdiArea()->subWindowList())
        if (auto *w = qobject_cast<TTest_kontynety *>(sub->widget()))
            return w;
    return nullptr;
}

bool TForm1::launchEntry(const CatalogueEntry &entry)
{
    setHourglass(true);
    composite.flag = 0;
    setTitleStrip(entry.title);
    setStatusText(1, entry.title);
    Menu_test_start();
    forms().laduj->showNow();
    request = {entry.configurationFile, entry.descriptionFile, entry.pictureFile};

    const QString names[3] = {entry.configurationFile, entry.descriptionFile, entry.pictureFile};
    int missing = -1;
    for (int i = 0; i < 3 && missing < 0; ++i)
        if (!files::dataExists(names[i]))
            missing = i;
    if (missing < 0) {
        openTestWindow();
        return true;
    }

    const bool inSession = session.flag == 1;
    if (entry.mark == Mark::ReportR && inSession) {
        setHourglass(false);
        if (connectionUp()) {
            session.disconnectReason = 8;
            sendLine(protocol::missingFileReport(session.userName, titleStrip()));
        }
        forms().laduj->hide();
        pollingTimer()->start();
        return false;
    }
    if (entry.mark == Mark::ReportS && inSession && missing == 0) {
        setHourglass(false);
        showMessage(this, missingFileMessage(missing), kMissingFileCaption, Services::Icon::Information);
        if (connectionUp())
            sendLine(protocol::missingFileReport(session.userName, titleStrip()));
        forms().laduj->hide();
        pollingTimer()->start();
        return false;
    }
    if (entry.mark == Mark::Eight)
        session.disconnectReason = 8;
    setHourglass(false);
    showMessage(this, missingFileMessage(missing), kMissingFileCaption, Services::Icon::Information);
    forms().laduj->hide();
    Menu_test_koniec();
    return false;
}

bool TForm1::Sprawdzenie(int chain) const
{
    return filecheck::Sprawdzenie(chain, files::dataDir());
}

bool TForm1::launchChain(const ChainEntry &chain)
{
    if (!Sprawdzenie(chain.chain)) {
        showMessage(this, kChainMissingText, kChainMissingCaption, Services::Icon::Warning);
        return false;
    }
    composite = {1, chain.chain, 1, chain.taskTotal};
    setHourglass(true);
    setTitleStrip(chain.title);
    setStatusText(1, chain.status);
    setWindowTitle(chain.status);
    Menu_test_start();
    forms().laduj->showNow();
    request = {chain.configurationFile, chain.descriptionFile, chain.pictureFile};
    openTestWindow();
    return true;
}

} // namespace tv
