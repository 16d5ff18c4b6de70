#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tv {

// The write-to-author form: a subject and a body sent through the desktop's
// mail program. The test-file check hands it its report of missing files
// just before it opens the form; opened from the main window it starts empty.
class MailForm : public QDialog {
    Q_OBJECT

public:
    explicit MailForm(QWidget *parent = nullptr);

    // Set just before the form opens from the check window; "Anuluj" and
    // every other way of closing the form clear it.
    void setProblemReport(const QString &report);
    bool problemReport() const { return problemReportFlag; }
    const QString &problemReportText() const { return problemText; }

    // Once per opening: the check window's report as subject and body.
    void onOpened();
    // "Wyślij": refuses without a subject or a body, else hands the mailto
    // link to the desktop and closes.
    void send();
    // "Anuluj"
    void cancel();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool problemReportFlag = false;
    QString problemText;

    QLineEdit *subject = nullptr;
    QPlainTextEdit *body = nullptr;
    QPushButton *sendButton = nullptr;
    QPushButton *cancelButton = nullptr;
};

} // namespace tv
