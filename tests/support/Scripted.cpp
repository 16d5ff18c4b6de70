#include "Scripted.h"

#include "platform/Files.h"
#include "platform/LineFile.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace tv::test {

QMessageBox::StandardButton ScriptedServices::message(QWidget *, const QString &text, const QString &caption,
                                                      Icon icon, QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton)
{
    messages.append({text, caption, icon, buttons, defaultButton});
    if (onMessage)
        onMessage();
    if (!answers.isEmpty())
        return answers.takeFirst();
    if (buttons & QMessageBox::Ok)
        return QMessageBox::Ok;
    if (buttons & QMessageBox::Yes)
        return QMessageBox::Yes;
    return QMessageBox::NoButton;
}

std::optional<QString> ScriptedServices::input(QWidget *, const QString &caption, const QString &prompt,
                                               const QString &initial)
{
    prompts.append({caption, prompt, initial});
    if (inputAnswers.isEmpty())
        return std::nullopt;
    return inputAnswers.takeFirst();
}

QString ScriptedServices::openFileName(QWidget *, const QString &, const QString &, const QString &filter)
{
    fileChooserFilters.append(filter);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedServices::saveFileName(QWidget *, const QString &, const QString &, const QString &filter)
{
    fileChooserFilters.append(filter);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

bool ScriptedServices::printDialog(QWidget *, QPrinter &)
{
    ++printDialogs;
    return printAnswer;
}

int ScriptedServices::execModal(QDialog &dialog)
{
    modals.append(dialog.objectName());
    if (onModal)
        return onModal(dialog);
    return QDialog::Rejected;
}

bool ScriptedServices::openWithDesktop(const QUrl &url)
{
    opened.append(url);
    return openResult;
}

bool ScriptedServices::startProgram(const QString &path, const QStringList &)
{
    started.append(path);
    return true;
}

void ScriptedServices::playSound(const QString &path)
{
    sounds.append(path);
}

TempDataDir::TempDataDir()
{
    files::setDataDir(dir.path());
    files::setSystemDirOverride(systemDir.path());
}

TempDataDir::~TempDataDir()
{
    files::setDataDir(QString());
    files::setSystemDirOverride(QString());
}

void TempDataDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(name));
}

void TempDataDir::writeLines(const QString &name, const QStringList &lines) const
{
    write(name, lines::join(lines));
}

QByteArray TempDataDir::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool TempDataDir::has(const QString &name) const
{
    return QFile::exists(file(name));
}

#ifdef Q_OS_UNIX
FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    ignoreFileSizeSignal(); // as the program does at start-up
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    oldSoft = old.rlim_cur;
    oldHard = old.rlim_max;
    rlimit lim{static_cast<rlim_t>(bytes), old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lim);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit lim{static_cast<rlim_t>(oldSoft), static_cast<rlim_t>(oldHard)};
    setrlimit(RLIMIT_FSIZE, &lim);
}
#else
// Windows has no per-process file-size limit: the writes are not cut short
// there, and the checks that need a full disk fail rather than pass unseen.
FileSizeLimit::FileSizeLimit(qint64) {}
FileSizeLimit::~FileSizeLimit() = default;
#endif

QString fixture(const QString &relative)
{
    return QStringLiteral(TERRAVIA_FIXTURES "/") + relative;
}

bool underWine()
{
#ifdef Q_OS_WIN
    // Wine's own ntdll exports its version; Windows' has no such function.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

} // namespace tv::test
