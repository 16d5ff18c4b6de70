#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace tv {

// Everything the program asks of the desktop that a test must not really do:
// modal message boxes, the input prompt, the file chooser, the print dialog,
// modal windows of our own, opening with the desktop, starting programs,
// sounds and ending the program. The real service wraps the Qt dialogs; tests
// install a scripted one that records what was shown and answers.
class Services {
public:
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~Services() = default;

    // defaultButton is the one Enter presses; a question that destroys data
    // makes it No. NoButton leaves the platform's choice.
    virtual QMessageBox::StandardButton message(QWidget *parent, const QString &text, const QString &caption,
                                                Icon icon,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    // The one-line input box; nothing when cancelled.
    virtual std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                         const QString &initial) = 0;
    // The file chooser; empty when cancelled. filter is e.g. "Dźwięki (*.wav)".
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) = 0;
    // The chooser of a file to write; empty when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &path,
                                 const QString &filter) = 0;
    // The print dialog for the given printer; true when the user chose to print.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    // Shows one of the program's own windows modally; returns its result code.
    virtual int execModal(QDialog &dialog) = 0;
    // Opens a file or a link with the desktop's default handler.
    virtual bool openWithDesktop(const QUrl &url) = 0;
    virtual bool startProgram(const QString &path, const QStringList &arguments = {}) = 0;
    // Plays a WAV file without waiting; a missing file is silent.
    virtual void playSound(const QString &path) = 0;
    // Ends the program: leaves the message loop (or never enters it).
    virtual void terminateApplication() = 0;

    static Services &get();
    // Installs a service (tests); nullptr restores the real one.
    static void install(Services *services);
};

// The real service.
class DesktopServices : public Services {
public:
    QMessageBox::StandardButton message(QWidget *parent, const QString &text, const QString &caption, Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                 const QString &initial) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &path, const QString &filter) override;
    bool printDialog(QWidget *parent, QPrinter &printer) override;
    int execModal(QDialog &dialog) override;
    bool openWithDesktop(const QUrl &url) override;
    bool startProgram(const QString &path, const QStringList &arguments) override;
    void playSound(const QString &path) override;
    void terminateApplication() override;

    // Set once terminateApplication was called, so start-up can skip the rest.
    static bool terminationRequested();
};

// Shorthands used throughout the windows.
inline QMessageBox::StandardButton showMessage(QWidget *parent, const QString &text, const QString &caption,
                                               Services::Icon icon,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    return Services::get().message(parent, text, caption, icon, buttons, defaultButton);
}

// The hourglass cursor. Setting it twice does not stack; clearing it always
// leaves the normal cursor, however it was set.
void setHourglass(bool on);
bool hourglassShown();

// A file path as a URL for the desktop.
QUrl fileUrl(const QString &path);

} // namespace tv
