#pragma once

#include "wizards/RandomDraw.h"

#include <QDialog>
#include <QHash>
#include <QPixmap>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;

namespace tv {

// The test creator: a small wizard that leads a pupil to a test by region
// and topic, to a composite test or to a random draw. Created once at
// start-up; opening and closing only shows and hides it, so every choice in
// it stays until it is changed.
class TKreator : public QDialog {
    Q_OBJECT

public:
    explicit TKreator(QWidget *parent = nullptr);

    // The "Kreator testów" command: grows in from a small window.
    void openAnimated();
    // Shown without animation (start-up, "Załaduj inny test").
    void showPlain();

    void FormActivate();
    void Timer1Timer(); // the rounded window shape
    void Timer2Timer(); // the growing title of the random page
    void cmb_lista2Click();
    void DalejClick();
    void CofnijClick();
    void ZamknijClick();
    void loadTopic();    // "ZAŁADUJ TEST" on a topic page
    void loadChain();    // "ZAŁADUJ TEST" on the composite page
    void chooseCategory(draw::Category category);
    void losujClick();
    void loadRandom();   // "ZAŁADUJ TEST" on the random page

    QString currentPage() const;
    void showPage(const QString &name);
    // The radio button of an option on a page (topic pages and the
    // composite page), by its caption.
    QRadioButton *option(const QString &page, const QString &caption) const;

    QStackedWidget *PageControl1 = nullptr;
    QListWidget *cmb_lista2 = nullptr;
    QPushButton *Dalej = nullptr;
    QPushButton *Zamknij = nullptr;
    draw::Board board;
    QList<QRadioButton *> categories;
    QListWidget *ListBox1 = nullptr;
    QLabel *l_test = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buildStartPage();
    QWidget *optionPage(const QString &name, const QString &title, const QStringList &captions,
                        void (TKreator::*load)());
    QWidget *buildTopicPage(int startIndex);
    QWidget *buildChainPage();
    QWidget *buildRandomPage();
    QWidget *pageFrame(const QString &name, const QString &heading);
    QPushButton *backButton(QWidget *page);
    QPushButton *loadButton(QWidget *page);
    void centre();
    void resetTitle();

    QPixmap background;
    QHash<QString, QList<QRadioButton *>> options;
};

} // namespace tv
