#include "Services.h"
#include "StandardDialogs.h"

#include "platform/Files.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QProcess>
#ifdef TERRAVIA_SYSTEM_SOUND
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <mmsystem.h>
#else
#include <QSoundEffect>
#endif
#include <QTimer>

namespace tv {
namespace {

Services *&installed()
{
    static Services *s = nullptr;
    return s;
}

bool &terminating()
{
    static bool t = false;
    return t;
}

QMessageBox::Icon toQt(Services::Icon icon)
{
    switch (icon) {
    case Services::Icon::Information:
        return QMessageBox::Information;
    case Services::Icon::Warning:
        return QMessageBox::Warning;
    case Services::Icon::Error:
        return QMessageBox::Critical;
    case Services::Icon::Question:
        return QMessageBox::Question;
    case Services::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Services &Services::get()
{
    static DesktopServices real;
    Services *s = installed();
    return s ? *s : real;
}

void Services::install(Services *services)
{
    installed() = services;
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const QString &text, const QString &caption,
                                            Services::Icon icon, QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(toQt(icon), caption, QString(), buttons, parent);
    // The program's messages use CR LF inside; a bare CR would show as a glyph.
    box->setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    // A window's own look (the creator's white texts) stops at its messages.
    box->setStyleSheet(QStringLiteral("QLabel { color: palette(window-text); background: transparent; }"));
    box->setPalette(QApplication::palette(box.get()));
    return box;
}

std::unique_ptr<QInputDialog> makeInputDialog(QWidget *parent, const QString &caption, const QString &prompt,
                                              const QString &initial)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(caption);
    dialog->setLabelText(prompt);
    dialog->setTextValue(initial);
    dialog->setInputMode(QInputDialog::TextInput);
    // Room for the caption in a title bar (drawn bold by most window
    // managers) beside its icon and buttons.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int wanted = QFontMetrics(titleFont).horizontalAdvance(caption) + 160;
    dialog->setMinimumWidth(qMax(dialog->minimumSizeHint().width(), wanted));
    return dialog;
}

QMessageBox::StandardButton DesktopServices::message(QWidget *parent, const QString &text, const QString &caption,
                                                     Icon icon, QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton)
{
    const auto box = makeMessageBox(parent, text, caption, icon, buttons);
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

std::optional<QString> DesktopServices::input(QWidget *parent, const QString &caption, const QString &prompt,
                                              const QString &initial)
{
    const auto dialog = makeInputDialog(parent, caption, prompt, initial);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}

QString DesktopServices::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                      const QString &filter)
{
    return QDir::toNativeSeparators(QFileDialog::getOpenFileName(parent, caption, dir, filter));
}

QString DesktopServices::saveFileName(QWidget *parent, const QString &caption, const QString &path,
                                      const QString &filter)
{
    return QDir::toNativeSeparators(QFileDialog::getSaveFileName(parent, caption, path, filter));
}

bool DesktopServices::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dlg(&printer, parent);
    return dlg.exec() == QDialog::Accepted;
}

int DesktopServices::execModal(QDialog &dialog)
{
    return dialog.exec();
}

bool DesktopServices::openWithDesktop(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

bool DesktopServices::startProgram(const QString &path, const QStringList &arguments)
{
    return QProcess::startDetached(path, arguments, QFileInfo(path).absolutePath());
}

void DesktopServices::playSound(const QString &path)
{
    if (path.isEmpty() || !files::pathExists(path))
        return;
#ifdef TERRAVIA_SYSTEM_SOUND
    // The system plays the file by name and returns at once; a new sound
    // replaces the one still playing, as the program's sounds always did.
    const std::wstring file = QDir::toNativeSeparators(files::resolvePath(path)).toStdWString();
    PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    return;
#else
    // One effect per file, kept for the life of the program, so that a sound
    // played again starts at once and overlapping plays do not cut each other.
    static QHash<QString, QSoundEffect *> effects;
    const QString resolved = files::resolvePath(path);
    QSoundEffect *&effect = effects[resolved];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(resolved));
    }
    effect->play();
#endif
}

void DesktopServices::terminateApplication()
{
    terminating() = true;
    // Queued, so it also works before the message loop has started; exit()
    // rather than quit(), because quit() would ask every window again.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

bool DesktopServices::terminationRequested()
{
    return terminating();
}

void setHourglass(bool on)
{
    if (on) {
        if (!QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

bool hourglassShown()
{
    return QApplication::overrideCursor() != nullptr;
}

QUrl fileUrl(const QString &path)
{
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(path));
}

} // namespace tv
