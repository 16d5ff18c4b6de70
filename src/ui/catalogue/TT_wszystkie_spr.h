#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tv {

// The check window: looks for the files of all 49 map tests and lists the
// missing ones. A new window per opening, modal.
class TT_wszystkie_spr : public QDialog {
    Q_OBJECT

public:
    explicit TT_wszystkie_spr(QWidget *parent = nullptr);
    ~TT_wszystkie_spr() override;

    void Sprawdz2Click();
    void NapiszClick();

    // Set by "Napisz o problemie do autora" just before the write-to-author
    // form opens; the form reads it and clears it on cancel.
    static int problemReport;
    // The open check window, if any (the form takes its report from it).
    static TT_wszystkie_spr *open;
    QString reportText() const;

    QListWidget *ListBox1 = nullptr;
    QPushButton *Sprawdz2 = nullptr;
    QPushButton *Napisz = nullptr;
    QPushButton *Zamknij = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
};

} // namespace tv
