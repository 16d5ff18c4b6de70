#pragma once

#include "quiz/MapTest.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolBar;
class QToolButton;

namespace tv {

class TMarker;
class TNameField;
class THintPanel;

// The map test window: the map with its markers on the left, the names on
// the right. A maximised child of the main window, one per launched test.
class TTest_kontynety : public QWidget {
    Q_OBJECT

public:
    explicit TTest_kontynety(QWidget *parent = nullptr);
    ~TTest_kontynety() override;

    // --- loading -------------------------------------------------------------
    void Timer1Timer();      // the one-second start timer: loads the test
    bool Ten_test();         // loads the test of the launch request
    bool teksty_Edity(const QString &descriptionFile);
    bool wszystkie_testy(const QString &configurationFile);
    bool Panele();           // picture, markers and names
    void Zaladuj_zmienione();
    void czysc_panele();
    void czysc_edity();
    // Loads a picture into the map and sizes the scroll box to it.
    bool loadPicture(const QString &path);

    // --- answering -------------------------------------------------------------
    void dropName(int marker, int field);
    void cofnijClick();
    void askMarker(int marker);
    void SpeedButton1Click(); // the result command
    QString Ile_min() const;
    void Timer2Timer();       // the clock
    void inny_testClick();
    void ten_sam_testClick();
    void przerwijClick();
    void LegendaClick();
    void n_testClick();

    // Runs when the window becomes the active child window.
    void FormActivate();
    // The chain step, after a test of a chain has been judged.
    void Dalsze_testy(int chain, int step);

    // --- state, for the result dialog and for tests -----------------------------
    MapTest test;
    QStringList ListBox1; // names in description order
    QStringList ListBox2; // the same names in shuffled order
    QString picturePath;
    QString hint() const;
    void setHint(const QString &text);
    TMarker *marker(int k) const { return markers.at(k - 1); }
    TNameField *nameField(int k) const { return fields.at(k - 1); }
    QTimer *startTimer() const { return Timer1; }
    QTimer *clockTimer() const { return Timer2; }
    QWidget *mapCanvas() const { return canvas; }
    QAction *action(const QString &objectName) const;
    QSize pictureSize() const;
    // A fixed seed for the order of names (tests); 0 seeds from the clock.
    static void setShuffleSeed(quint64 seed);

signals:
    // Loading ended; true when the test is ready to answer.
    void loaded(bool ok);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    void bindKeys();
    void failLoading(const QString &message, const QString &caption);
    void applyMarker(int k);
    void sizeToPicture();
    void setUndoEnabled(bool on);
    void setResultEnabled(bool on);
    bool sessionActive() const;

    QWidget *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QScrollArea *box = nullptr;
    QWidget *canvas = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QToolButton *n_test = nullptr;
    THintPanel *podpowiedz = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *Menu_testy = nullptr;
    std::array<TMarker *, kMaxMarkers> markers{};
    std::array<TNameField *, kMaxMarkers> fields{};
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    bool shownOnce = false;
    QStringList pendingDescription; // description lines read, used by the layout
    Configuration configuration;    // marker count and positions read
    QString shownPicture;           // the picture now in Image1
};

} // namespace tv
