#include "OwnTestsCommands.h"

#include "OwnTestEditor.h"
#include "catalogue/OwnTests.h"
#include "platform/Files.h"
#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>

namespace tv {

namespace {

const QString kCaption = QStringLiteral("Terravia: własny test");
const QString kFilter = QStringLiteral("Testy (*.dat)");

// The code of a test from its configuration file's name; empty for any
// other file (a description file among them).
QString codeOf(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (!name.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive))
        return {};
    const QString code = name.left(name.size() - 4);
    return code.endsWith(QStringLiteral("_o"), Qt::CaseInsensitive) ? QString() : code;
}

} // namespace

OwnTestsCommands::OwnTestsCommands(QWidget *frame, QObject *parent) : QObject(parent), frame(frame)
{
}

OwnTestsCommands::~OwnTestsCommands()
{
    delete window;
}

OwnTestEditor &OwnTestsCommands::editor()
{
    if (!window)
        window = new OwnTestEditor(frame);
    return *window;
}

void OwnTestsCommands::newTest()
{
    OwnTestEditor &e = editor();
    e.startNew();
    // Room for a whole wall map where the screen has it.
    e.showMaximized();
    e.raise();
    e.activateWindow();
}

QString OwnTestsCommands::chooseOwnTest(const QString &caption)
{
    const QString folder = owntests::folder();
    if (owntests::codes(folder).isEmpty()) {
        showMessage(frame, QStringLiteral("W folderze %1 nie ma jeszcze własnych testów.").arg(QDir::toNativeSeparators(folder)),
                    kCaption, Services::Icon::Information);
        return {};
    }
    const QString path = Services::get().openFileName(frame, caption, folder, kFilter);
    if (path.isEmpty())
        return {};
    const QString code = codeOf(path);
    if (code.isEmpty() || QFileInfo(path).absolutePath() != QFileInfo(folder).absoluteFilePath()) {
        showMessage(frame, QStringLiteral("Wybierz plik XX.dat testu z folderu %1.").arg(QDir::toNativeSeparators(folder)),
                    kCaption, Services::Icon::Information);
        return {};
    }
    return code;
}

void OwnTestsCommands::editTest()
{
    const QString code = chooseOwnTest(QStringLiteral("Edytuj własny test"));
    if (code.isEmpty())
        return;
    OwnTestEditor &e = editor();
    if (!e.openExisting(owntests::folder(), code))
        return;
    e.showMaximized();
    e.raise();
    e.activateWindow();
}

void OwnTestsCommands::importTest()
{
    const QString path = Services::get().openFileName(frame, QStringLiteral("Importuj test"), QString(), kFilter);
    if (path.isEmpty())
        return;
    const owntests::Imported in = owntests::importTest(path, owntests::folder(), [this](const QString &code, const QString &title) {
        const QString text = QStringLiteral("Wśród Twoich testów jest już test o kodzie %1%2.\r\nZastąpić go importowanym?")
                                 .arg(code, title.isEmpty() ? QString() : QStringLiteral(" (\"%1\")").arg(title));
        return showMessage(frame, text, kCaption, Services::Icon::Question, QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::No) == QMessageBox::Yes;
    });
    if (in.cancelled)
        return;
    if (!in.status) {
        showMessage(frame, QStringLiteral("Nie można zaimportować tego testu:\r\n") + in.status.message, kCaption,
                    Services::Icon::Warning);
        return;
    }
    showMessage(frame, QStringLiteral("Test %1 jest w menu Testy > Moje testy.").arg(in.code), kCaption,
                Services::Icon::Information);
}

void OwnTestsCommands::exportTest()
{
    const QString code = chooseOwnTest(QStringLiteral("Eksportuj test"));
    if (code.isEmpty())
        return;
    // The chooser of a file to write names the folder: the test's
    // configuration file is proposed, its two companions go beside it.
    const QString target = Services::get().saveFileName(frame, QStringLiteral("Eksportuj test do folderu"),
                                                        owntests::configurationFile(code), kFilter);
    if (target.isEmpty())
        return;
    const QString destination = QFileInfo(target).absolutePath();
    const Status s = owntests::exportTest(owntests::folder(), code, destination);
    if (!s) {
        showMessage(frame, s.message, kCaption, Services::Icon::Warning);
        return;
    }
    showMessage(frame,
                QStringLiteral("Pliki %1, %2 i %3 skopiowano do folderu %4.")
                    .arg(owntests::configurationFile(code), owntests::descriptionFile(code),
                         owntests::pictureFile(code), QDir::toNativeSeparators(destination)),
                kCaption, Services::Icon::Information);
}

} // namespace tv
