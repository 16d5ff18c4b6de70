#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tv {

// The prompt of a test the teacher assigns: it names the pupil and the test
// and counts down 60 seconds; "OK", or the end of the count, starts the test.
// Borderless and on top; created once and shown by each assignment.
class AssignmentPrompt : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSeconds = 60;

    explicit AssignmentPrompt(QWidget *parent = nullptr);

    // Shows the prompt for the catalogue entry with this server code. A
    // prompt already on screen takes the new lines and counts on.
    void assign(int code, const QString &userName, const QString &promptName);
    // Each time the prompt appears: the count starts again.
    void onActivated();
    // One second of the count; after 60 the test starts.
    void tick();
    // "OK": the prompt closes and the test with its code is launched.
    void start();

    int secondsLeft() const { return counter; }
    QTimer &countdownTimer() { return timer; }

signals:
    void launchRequested(int code);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QTimer timer;
    int counter = kSeconds;

    QLabel *userLine = nullptr;
    QLabel *testLine = nullptr;
    QLabel *countdownLine = nullptr;
    QLineEdit *codeField = nullptr; // hidden
    QPushButton *okButton = nullptr;
};

} // namespace tv
