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

class Shell;
struct CatalogueEntry;
struct ChainEntry;

// The test creator: a small wizard that leads a pupil to a test by region
// and topic, to a composite test or to a random draw. Created once at
// start-up; opening and closing only shows and hides it, so every choice in
// it stays until it is changed.
class CreatorWizard : public QDialog {
    Q_OBJECT

public:
    explicit CreatorWizard(Shell &shell, QWidget *parent = nullptr);

    // The "Kreator testów" command: grows in from a small window.
    void openAnimated();
    // Shown without animation (start-up, "Załaduj inny test").
    void showPlain();

    void onActivated();
    void applyShape(); // the rounded window shape
    void growTitle(); // the growing title of the random page
    void enableNext();
    void goNext();
    void goBack();
    void closeCreator();
    void loadTopic();    // "ZAŁADUJ TEST" on a topic page
    void loadChain();    // "ZAŁADUJ TEST" on the composite page
    void chooseCategory(draw::Category category);
    void draw();
    void loadRandom();   // "ZAŁADUJ TEST" on the random page
    // The last entry of the start list leads to the teacher's own tests,
    // listed afresh each time the page is shown.
    void fillOwnPage();
    void loadOwn();      // "ZAŁADUJ TEST" on the page of own tests

    QString currentPage() const;
    void showPage(const QString &name);
    // The button that Enter presses on the page shown.
    QPushButton *defaultButton() const;
    // The radio button of an option on a page (topic pages and the
    // composite page), by its caption.
    QRadioButton *option(const QString &page, const QString &caption) const;

    draw::Board board;

signals:
    // "ZAŁADUJ TEST" on a topic page: the test and the text of status panel 1.
    void testChosen(const CatalogueEntry &entry, const QString &statusText);
    // "ZAŁADUJ TEST" on the composite page, with the creator's own texts.
    void chainChosen(const ChainEntry &chain);
    // "ZAŁADUJ TEST" on the random page: the drawn entry's server code.
    void drawnTestChosen(int code);
    // "ZAŁADUJ TEST" on the page of own tests.
    void ownTestChosen(const QString &folder, const QString &code, const QString &title);
    // "SPRAWDŹ CO TO ZA MIEJSCE NA ZIEMI" was chosen.
    void placeGameRequested();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buildStartPage();
    QWidget *optionPage(const QString &name, const QString &title, const QStringList &captions,
                        void (CreatorWizard::*load)());
    QWidget *buildTopicPage(int startIndex);
    QWidget *buildChainPage();
    QWidget *buildRandomPage();
    QWidget *buildOwnPage();
    QWidget *pageFrame(const QString &name, const QString &heading);
    QPushButton *backButton(QWidget *page);
    QPushButton *loadButton(QWidget *page);
    void centre();
    void resetTitle();

    Shell &shell;
    QPixmap background;
    QHash<QString, QList<QRadioButton *>> options;

    QStackedWidget *pages = nullptr;
    QListWidget *startList = nullptr;
    QPushButton *nextButton = nullptr;
    QPushButton *closeButton = nullptr;
    QList<QRadioButton *> categories;
    QListWidget *drawList = nullptr;
    QListWidget *ownList = nullptr;
    QLabel *drawnTitle = nullptr;
    QTimer *shapeDelay = nullptr;
    QTimer *titleGrowth = nullptr;
};

} // namespace tv
