#pragma once

#include "platform/Services.h"
#include "platform/System.h"

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace tv::test {

// Stands in for the desktop: records every message, prompt, chooser, modal
// window, opening and sound, and answers from scripted queues.
class ScriptedServices : public Services {
public:
    struct Message {
        QString text;
        QString caption;
        Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
    };
    struct Prompt {
        QString caption;
        QString prompt;
        QString initial;
    };

    ScriptedServices() { Services::install(this); }
    ~ScriptedServices() override { Services::install(nullptr); }

    QList<Message> messages;
    // Answers for the message boxes in turn; when empty, the first of
    // Ok, Yes in the offered buttons.
    QList<QMessageBox::StandardButton> answers;
    // Runs while a message is up, to look at the windows around it.
    std::function<void()> onMessage;

    QList<Prompt> prompts;
    QList<std::optional<QString>> inputAnswers; // when empty: cancelled

    QStringList fileChooserFilters;
    QStringList fileAnswers; // when empty: cancelled

    int printDialogs = 0;
    bool printAnswer = true;

    // Modal windows shown, by object name; onModal may work the window and
    // returns its result (default: rejected without showing anything).
    QStringList modals;
    std::function<int(QDialog &)> onModal;

    QList<QUrl> opened;
    bool openResult = true;
    QStringList started;
    QStringList sounds;
    int terminations = 0;

    QMessageBox::StandardButton message(QWidget *, const QString &text, const QString &caption, Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> input(QWidget *, const QString &caption, const QString &prompt,
                                 const QString &initial) override;
    QString openFileName(QWidget *, const QString &caption, const QString &dir, const QString &filter) override;
    // Answers from fileAnswers, as the open chooser does.
    QString saveFileName(QWidget *, const QString &caption, const QString &path, const QString &filter) override;
    bool printDialog(QWidget *, QPrinter &printer) override;
    int execModal(QDialog &dialog) override;
    bool openWithDesktop(const QUrl &url) override;
    bool startProgram(const QString &path, const QStringList &arguments) override;
    void playSound(const QString &path) override;
    void terminateApplication() override { ++terminations; }

    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
};

// A clock moved by hand.
class ManualClock : public Clock {
public:
    ManualClock() { Clock::install(this); }
    ~ManualClock() override { Clock::install(nullptr); }
    QDateTime now() const override { return current; }
    qint64 tickMs() const override { return tick; }
    void advance(qint64 ms)
    {
        tick += ms;
        current = current.addMSecs(ms);
    }

    QDateTime current = QDateTime(QDate(2026, 9, 1), QTime(8, 0));
    qint64 tick = 0;
};

// Records the waits and sleeps instead of waiting.
class WaitRecorder {
public:
    WaitRecorder()
    {
        setWaitHook([this](int ms, bool events) { (events ? waits : sleeps).append(ms); });
    }
    ~WaitRecorder() { setWaitHook({}); }
    QList<int> waits;
    QList<int> sleeps;
};

// A fresh data directory (and system directory) for one test.
class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();
    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    void writeLines(const QString &name, const QStringList &lines) const; // Windows-1250, CR LF
    QByteArray read(const QString &name) const;
    bool has(const QString &name) const;

private:
    QTemporaryDir dir;
    QTemporaryDir systemDir;
};

// Limits the size of files this process may write, to simulate a disk that
// fills up in the middle of a write. Restored when it goes out of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();

private:
    unsigned long long oldSoft = 0;
    unsigned long long oldHard = 0;
};

QString fixture(const QString &relative);

// A path as the file system tells paths apart: Windows ignores letter case,
// and the spelling a lookup was asked for opens the file spelled otherwise.
inline QString fileCase(const QString &path)
{
#ifdef Q_OS_WIN
    return path.toLower();
#else
    return path;
#endif
}

// Whether the program runs under Wine rather than on Windows itself.
bool underWine();

// A window's part by its object name, as the user finds it by its caption:
// tests reach a window's insides only through this.
template <class T = QObject>
T *named(const QObject *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

} // namespace tv::test
