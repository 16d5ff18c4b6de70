#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tv {

class MailForm;

// The check window: looks for the files of all 49 map tests and lists the
// missing ones. A new window per opening, modal.
class FileCheckWindow : public QDialog {
    Q_OBJECT

public:
    explicit FileCheckWindow(MailForm &mailForm, QWidget *parent = nullptr);

    // "Sprawdź...": lists every missing file.
    void check();
    // "Napisz o problemie do autora": the write-to-author form with the report.
    void writeToAuthor();

    QString reportText() const;

private:
    MailForm &mailForm;

    QListWidget *testList = nullptr;
    QPushButton *checkButton = nullptr;
    QPushButton *reportButton = nullptr;
    QPushButton *closeButton = nullptr;
    QPlainTextEdit *report = nullptr;
};

} // namespace tv
