#include "TTest_kontynety.h"

#include "Markers.h"
#include "app/Forms.h"
#include "app/TForm1.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Tladuj.h"
#include "extras/TLegenda.h"
#include "platform/Files.h"
#include "platform/LineFile.h"
#include "platform/Services.h"
#include "platform/System.h"
#include "quiz/Grades.h"
#include "quiz/Shuffle.h"
#include "results/Twynik_test.h"
#include "wizards/TKreator.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tv {

namespace {

quint64 &fixedSeed()
{
    static quint64 seed = 0;
    return seed;
}

const QString kNotAvailable = QStringLiteral("Operacja: Cofnij zaznaczenie, obecnie nie jest dostępna");
const QString kNoHint = QStringLiteral("Wybrano:?");
constexpr int kRightColumn = 150;

TForm1 *mainWindow()
{
    return forms().Form1;
}

Twynik_test *resultDialog()
{
    return forms().wynik_test;
}

} // namespace

void TTest_kontynety::setShuffleSeed(quint64 seed)
{
    fixedSeed() = seed;
}

TTest_kontynety::TTest_kontynety(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Test_kontynety"));
    setWindowTitle(QStringLiteral("Test geograficzny"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/terravia.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    buildMenus();
    bindKeys();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TTest_kontynety::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TTest_kontynety::Timer2Timer);

    if (QMdiArea *mdi = mainWindow()->mdiArea())
        connect(mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *w) {
            if (w && w->widget() == this)
                FormActivate();
        });
}

TTest_kontynety::~TTest_kontynety() = default;

// ---------------------------------------------------------------------------
// Building the window

void TTest_kontynety::buildLayout()
{
    auto white = [](QWidget *w) {
        w->setAutoFillBackground(true);
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, Qt::white);
        w->setPalette(pal);
    };

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    white(Panel1);
    ToolBar1 = new QToolBar(Panel1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(22, 22));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto tool = [this](const char *name, const char *icon, const QString &hint, void (TTest_kontynety::*slot)()) {
        auto *a = new QAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))), hint, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(hint);
        ToolBar1->addAction(a);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    tool("wynik_button", "wynik_testu", QStringLiteral("Wynik testu"), &TTest_kontynety::SpeedButton1Click);
    ToolBar1->addSeparator();
    tool("inny_T_button", "inny_test", QStringLiteral("Załaduj inny test"), &TTest_kontynety::inny_testClick);
    tool("ten_sam_test_button", "ten_sam_test", QStringLiteral("Załaduj ten sam test"),
         &TTest_kontynety::ten_sam_testClick);
    ToolBar1->addSeparator();
    tool("ToolButton6", "cofnij", QStringLiteral("Cofnij ostatnie posunięcie"), &TTest_kontynety::cofnijClick)
        ->setEnabled(false);
    ToolBar1->addSeparator();
    tool("Zamknij_button", "przerwij", QStringLiteral("Przerwij test"), &TTest_kontynety::przerwijClick);

    box = new QScrollArea(Panel1);
    box->setObjectName(QStringLiteral("box"));
    box->setWidgetResizable(false);
    box->setFrameShape(QFrame::NoFrame);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    canvas = new QWidget;
    canvas->setObjectName(QStringLiteral("canvas"));
    Image1 = new QLabel(canvas);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(0, 0);
    canvas->installEventFilter(this);
    Image1->installEventFilter(this);
    for (int k = 1; k <= kMaxMarkers; ++k) {
        auto *m = new TMarker(k, canvas);
        markers[k - 1] = m;
        connect(m, &TMarker::dropped, this, [this](TMarker *target, int source) { dropName(target->Tag - 10, source); });
        connect(m, &TMarker::doubleClicked, this, [this](TMarker *target) { askMarker(target->Tag - 10); });
    }
    box->setWidget(canvas);

    auto *left = new QVBoxLayout(Panel1);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    left->addWidget(ToolBar1);
    left->addWidget(box, 1);

    podpowiedz = new THintPanel(Panel1);
    podpowiedz->raise();

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedWidth(kRightColumn);
    white(Panel2);
    Label1 = new QLabel(QStringLiteral("Dostępne nazwy"), Panel2);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setGeometry(4, 0, 136, 16);
    for (int k = 1; k <= kMaxMarkers; ++k) {
        auto *e = new TNameField(k, Panel2);
        e->move(4, 16 + 24 * (k - 1));
        fields[k - 1] = e;
        connect(e, &TNameField::chosen, this,
                [this](TNameField *f) { setHint(QStringLiteral("Wybrano: ") + f->text()); });
    }
    SpeedButton1 = new QPushButton(QIcon(QStringLiteral(":/icons/wynik_testu.svg")), QStringLiteral("Wynik testu"),
                                   Panel2);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("Wynik testu"));
    SpeedButton1->setGeometry(4, 16 + 24 * kMaxMarkers + 8, 136, 32);
    connect(SpeedButton1, &QPushButton::clicked, this, &TTest_kontynety::SpeedButton1Click);

    n_test = new QToolButton(Panel2);
    n_test->setObjectName(QStringLiteral("n_test"));
    n_test->setText(QStringLiteral("Zładuj test"));
    n_test->setToolTip(QStringLiteral("Ładuj test..."));
    n_test->hide();
    connect(n_test, &QToolButton::clicked, this, &TTest_kontynety::n_testClick);

    auto *root = new QHBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(Panel1, 1);
    root->addWidget(Panel2);
    Panel1->installEventFilter(this);
}

void TTest_kontynety::buildMenus()
{
    auto item = [this](QMenu *menu, const char *name, const QString &caption, void (TTest_kontynety::*slot)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    item(PopupMenu1, "Wyniktestu1", QStringLiteral("Wynik testu  [F4]"), &TTest_kontynety::SpeedButton1Click);
    PopupMenu1->addSeparator();
    item(PopupMenu1, "zaladuj_inny2", QStringLiteral("Załaduj inny test  [F3]"), &TTest_kontynety::inny_testClick);
    item(PopupMenu1, "nowy", QStringLiteral("Zładuj ponownie ten test"), &TTest_kontynety::ten_sam_testClick);
    PopupMenu1->addSeparator();
    item(PopupMenu1, "cofnij", QStringLiteral("Cofnij wybór"), &TTest_kontynety::cofnijClick)->setEnabled(false);
    PopupMenu1->addSeparator();
    item(PopupMenu1, "Legenda1", QStringLiteral("Legenda  [F2]"), &TTest_kontynety::LegendaClick);
    PopupMenu1->addSeparator();
    item(PopupMenu1, "Przerwijtest1", QStringLiteral("Przerwij test  [F5]"), &TTest_kontynety::przerwijClick);

    Menu_testy = new QMenu(this);
    Menu_testy->setObjectName(QStringLiteral("Menu_testy"));
    item(Menu_testy, "Zaladujtensamtest1", QStringLiteral("Załaduj ten sam test"), &TTest_kontynety::ten_sam_testClick);
    item(Menu_testy, "Zaladujinnytest1", QStringLiteral("Załaduj inny test"), &TTest_kontynety::inny_testClick);
    Menu_testy->addSeparator();
    item(Menu_testy, "Przerwijtesty1", QStringLiteral("Przerwij testy"), &TTest_kontynety::przerwijClick);
}

void TTest_kontynety::bindKeys()
{
    // The window sees these keys before its controls and consumes them. In a
    // session a key works only while its command's button is usable.
    auto key = [this](Qt::Key k, std::function<void()> run) {
        auto *sc = new QShortcut(QKeySequence(k), this);
        sc->setContext(Qt::WindowShortcut);
        connect(sc, &QShortcut::activated, this, std::move(run));
    };
    auto usable = [this](const char *name) {
        QAction *a = action(QString::fromLatin1(name));
        return a && a->isEnabled();
    };
    key(Qt::Key_F1, [] {
        if (QAction *help = mainWindow()->menuItem(QStringLiteral("PomocF11")))
            help->trigger();
    });
    key(Qt::Key_F2, [this] { LegendaClick(); });
    key(Qt::Key_F3, [this, usable] {
        if (!sessionActive() || usable("inny_T_button"))
            inny_testClick();
    });
    key(Qt::Key_F4, [this, usable] {
        if (!sessionActive() || usable("wynik_button"))
            SpeedButton1Click();
    });
    key(Qt::Key_F6, [] {
        if (QAction *filter = mainWindow()->menuItem(QStringLiteral("Filtrujwynikitestw1")))
            filter->trigger();
    });
    for (Qt::Key k : {Qt::Key_F5, Qt::Key_Escape})
        key(k, [this, usable] {
            if (!sessionActive() || usable("Zamknij_button"))
                przerwijClick();
        });
}

QAction *TTest_kontynety::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

bool TTest_kontynety::sessionActive() const
{
    return mainWindow()->session.flag == 1;
}

bool TTest_kontynety::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == canvas || watched == Image1) && event->type() == QEvent::ContextMenu) {
        PopupMenu1->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString TTest_kontynety::hint() const
{
    return podpowiedz->text();
}

void TTest_kontynety::setHint(const QString &text)
{
    podpowiedz->setText(text);
    const int wanted = qMax(200, podpowiedz->fontMetrics().horizontalAdvance(text) + 24);
    if (wanted != podpowiedz->width()) {
        const int right = podpowiedz->x() + podpowiedz->width();
        podpowiedz->setFixedWidth(wanted);
        podpowiedz->move(qMax(0, right - wanted), podpowiedz->y());
    }
    podpowiedz->repaint();
}

QSize TTest_kontynety::pictureSize() const
{
    return Image1->pixmap().size();
}

// ---------------------------------------------------------------------------
// Showing, activation and closing

void TTest_kontynety::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shownOnce)
        return;
    shownOnce = true;
    test.chainGood = 0;
    sizeToPicture();
    Timer1->start();
}

void TTest_kontynety::sizeToPicture()
{
    const QSize size = pictureSize();
    canvas->resize(size.isEmpty() ? QSize(1, 1) : size);
    Image1->resize(size);
    // The hint panel floats at the right edge of the map, over its top.
    const int viewWidth = box->viewport()->width();
    const int mapRight = qMin(size.width() > 0 ? size.width() : viewWidth, viewWidth);
    podpowiedz->move(qMax(0, mapRight - podpowiedz->width() - 10), ToolBar1->sizeHint().height() + 4);
    podpowiedz->raise();
}

void TTest_kontynety::FormActivate()
{
    TForm1 *main = mainWindow();
    Twynik_test *result = resultDialog();
    test.resetUndo();
    setUndoEnabled(false);
    result->closeState = sessionActive() ? 2 : 0;
    result->testFinished = false;
    sizeToPicture();
    if (sessionActive()) {
        for (const char *name : {"Wyniktestu1", "zaladuj_inny2", "nowy", "Przerwijtest1", "Zamknij_button",
                                 "ten_sam_test_button", "inny_T_button", "wynik_button"})
            if (QAction *a = action(QString::fromLatin1(name)))
                a->setEnabled(false);
        SpeedButton1->setEnabled(false);
        n_test->setEnabled(false);
        main->commandAction(Command::ButtonZamknijOkno)->setEnabled(false);
    }
}

void TTest_kontynety::closeEvent(QCloseEvent *event)
{
    TForm1 *main = mainWindow();
    Twynik_test *result = resultDialog();
    const bool session = sessionActive();
    if (session)
        main->Menu_KS();
    if (session || result->closeState != 0) {
        if (result->closeState != 1) {
            event->ignore(); // a result is pending: the window stays
            return;
        }
        Timer1->stop();
        Timer2->stop();
        main->Menu_KS();
        main->setBackgroundPanelVisible(true);
        setHourglass(false);
        main->setTitleStrip(QString());
        event->accept();
        return;
    }
    Timer1->stop();
    Timer2->stop();
    if (Settings::on(main->settings.startCreator))
        main->KreatorClick();
    QCoreApplication::processEvents();
    action(QStringLiteral("Zaladujtensamtest1"))->setEnabled(true);
    action(QStringLiteral("nowy"))->setEnabled(true);
    event->accept();
    main->Menu_test_koniec();
}

// ---------------------------------------------------------------------------
// Loading

void TTest_kontynety::Timer1Timer()
{
    Timer1->stop();
    Ten_test();
}

void TTest_kontynety::failLoading(const QString &message, const QString &caption)
{
    setUpdatesEnabled(true);
    Timer2->stop();
    setHourglass(false);
    showMessage(this, message, caption, Services::Icon::Information);
    forms().laduj->hide();
    emit loaded(false);
    // Nothing half-built stays behind: the window goes as a whole.
    if (QWidget *frame = parentWidget())
        frame->close();
    else
        close();
}

bool TTest_kontynety::Ten_test()
{
    const LaunchRequest &req = mainWindow()->request;
    // The half-built map is not painted: the window shows again, whole, when
    // the layout is done. Pending events still run while it loads.
    setUpdatesEnabled(false);
    box->horizontalScrollBar()->setValue(0);
    box->verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    if (!files::dataExists(req.configurationFile)) {
        failLoading(QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku "
                                   "konfiguracyjnego: ED.dat"),
                    QStringLiteral("Terravia: Brak pliku"));
        return false;
    }
    if (!files::dataExists(req.descriptionFile)) {
        failLoading(QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku "
                                   "konfiguracyjnego: ED_o.dat"),
                    QStringLiteral("Terravia: Brak pliku"));
        return false;
    }
    Timer2->stop();
    test.testClock = 0;
    setResultEnabled(true);
    setHourglass(true);
    Tladuj *laduj = forms().laduj;
    laduj->showNow();
    laduj->setAction(QStringLiteral("Akcja: Odczyt danych..."));
    laduj->setAction(QStringLiteral("Akcja: Ładowanie tekstów"));
    if (!teksty_Edity(req.descriptionFile))
        return false;
    picturePath = files::dataPath(req.pictureFile);
    return wszystkie_testy(req.configurationFile);
}

bool TTest_kontynety::teksty_Edity(const QString &descriptionFile)
{
    if (!files::dataExists(descriptionFile)) {
        failLoading(QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku "
                                   "konfiguracyjnego: ED_o.dat"),
                    QStringLiteral("Terravia: Brak pliku"));
        return false;
    }
    const auto read = lines::readFile(files::dataPath(descriptionFile));
    if (!read.status) {
        failLoading(read.status.message, QStringLiteral("Terravia"));
        return false;
    }
    pendingDescription = parseDescription(read.lines);
    return true;
}

bool TTest_kontynety::wszystkie_testy(const QString &configurationFile)
{
    box->horizontalScrollBar()->setValue(0);
    box->verticalScrollBar()->setValue(0);
    if (!files::dataExists(configurationFile)) {
        failLoading(QStringLiteral("Nie można załadować tego testu ponieważ, na Twoim dysku brak pliku "
                                   "konfiguracyjnego: ED.dat"),
                    QStringLiteral("Terravia: Brak pliku"));
        return false;
    }
    Timer2->stop();
    test.testClock = 0;
    setResultEnabled(true);
    setHourglass(true);
    setUpdatesEnabled(false);
    Tladuj *laduj = forms().laduj;
    laduj->showNow();
    const auto read = lines::readFile(files::dataPath(configurationFile));
    if (!read.status) {
        failLoading(read.status.message, QStringLiteral("Terravia"));
        return false;
    }
    const ConfigurationRead conf = parseConfiguration(read.lines, configurationFile);
    QCoreApplication::processEvents();
    if (!conf.status) {
        failLoading(conf.status.message, QStringLiteral("Terravia"));
        return false;
    }
    if (!markerCountValid(conf.config.count)) {
        failLoading(markerCountMessage(configurationFile, conf.config.count), QStringLiteral("Terravia"));
        return false;
    }
    configuration = conf.config;
    laduj->setAction(QStringLiteral("Akcja: Ustawianie okien"));
    if (!Panele())
        return false;
    setHourglass(false);
    laduj->hide();
    QCoreApplication::processEvents();
    // The finished map is painted as soon as control returns to the loop.
    setUpdatesEnabled(true);
    Timer2->start();
    emit loaded(true);
    return true;
}

bool TTest_kontynety::loadPicture(const QString &path)
{
    if (path == shownPicture && !Image1->pixmap().isNull())
        return true;
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QImage image = reader.read();
    if (image.isNull()) {
        failLoading(QStringLiteral("Nie można odczytać mapy testu z pliku %1:\r\n%2")
                        .arg(QDir::toNativeSeparators(path), reader.errorString()),
                    QStringLiteral("Terravia"));
        return false;
    }
    Image1->setPixmap(QPixmap::fromImage(image));
    shownPicture = path;
    sizeToPicture();
    return true;
}

bool TTest_kontynety::Panele()
{
    if (!loadPicture(picturePath))
        return false;
    QCoreApplication::processEvents();
    const int n = configuration.count;
    test.start(n, pendingDescription);
    for (int k = 1; k <= n; ++k) {
        TMarker *m = markers[k - 1];
        m->move(configuration.positions[k - 1]);
        m->show();
        m->Tag = 10 + k;
        applyMarker(k);
    }
    ListBox1.clear();
    for (int k = 1; k <= n; ++k) {
        fields[k - 1]->show();
        ListBox1.append(answerName(pendingDescription.value(k - 1)));
    }
    QCoreApplication::processEvents();
    const quint64 seed = fixedSeed() ? fixedSeed() : QRandomGenerator::global()->generate64();
    ListBox2.clear();
    for (int i : shuffledOrder(ListBox1.size(), seed))
        ListBox2.append(ListBox1.at(i));
    QCoreApplication::processEvents();
    Zaladuj_zmienione();
    return true;
}

void TTest_kontynety::Zaladuj_zmienione()
{
    for (int k = 1; k <= ListBox2.size() && k <= kMaxMarkers; ++k)
        fields[k - 1]->setText(ListBox2.at(k - 1));
}

void TTest_kontynety::czysc_panele()
{
    test.clearMarkers();
    for (TMarker *m : markers) {
        m->clear();
        m->setState(MarkerState::Blank);
        m->hide();
    }
}

void TTest_kontynety::czysc_edity()
{
    for (TNameField *e : fields) {
        e->clear();
        e->hide();
    }
}

// ---------------------------------------------------------------------------
// Answering

void TTest_kontynety::applyMarker(int k)
{
    const MarkerInfo &info = test.marker(k);
    TMarker *m = markers[k - 1];
    m->setText(info.caption);
    m->setState(info.state);
}

void TTest_kontynety::setUndoEnabled(bool on)
{
    action(QStringLiteral("cofnij"))->setEnabled(on);
    action(QStringLiteral("ToolButton6"))->setEnabled(on);
}

void TTest_kontynety::setResultEnabled(bool on)
{
    SpeedButton1->setEnabled(on);
    action(QStringLiteral("Wyniktestu1"))->setEnabled(on);
    // A test is judged once: a second judging would count its answers twice.
    action(QStringLiteral("wynik_button"))->setEnabled(on && !sessionActive());
}

void TTest_kontynety::dropName(int marker, int field)
{
    setHint(kNoHint);
    if (resultDialog()->testFinished) {
        setHint(QStringLiteral("TEST ZAKOŃCZONY"));
        return;
    }
    if (marker < 1 || marker > kMaxMarkers || field < 1 || field > kMaxMarkers)
        return;
    TForm1 *main = mainWindow();
    TNameField *source = fields[field - 1];
    const auto r = test.drop(marker, field, source->text(), Settings::on(main->settings.removePlacedNames),
                             sessionActive(), false);
    applyMarker(marker);
    setUndoEnabled(true);
    if (r.clearField)
        source->clear();
    QCoreApplication::processEvents();
    if (files::pathExists(main->settings.dropSound))
        Services::get().playSound(main->settings.dropSound);
    if (r.runResult)
        SpeedButton1Click();
}

void TTest_kontynety::cofnijClick()
{
    const auto r = test.undo();
    if (!r.available) {
        showMessage(this, kNotAvailable, QStringLiteral("Terravia"), Services::Icon::Information);
        return;
    }
    if (r.marker)
        applyMarker(r.marker);
    if (r.field >= 1 && r.field <= kMaxMarkers)
        fields[r.field - 1]->setText(r.fieldText);
    setUndoEnabled(false);
    setHint(kNoHint);
}

void TTest_kontynety::askMarker(int k)
{
    const QString caption = markers[k - 1]->text();
    const QString value = caption.isEmpty() ? QStringLiteral("Nie zaznaczono jeszcze wartości") : caption;
    showMessage(this, mainWindow()->titleStrip() + QStringLiteral("\r\nWartość pola: ") + upperAsciiOnly(value),
                QStringLiteral("Terravia"), Services::Icon::Information);
}

QString TTest_kontynety::Ile_min() const
{
    return timeText(mainWindow()->composite.flag == 1 ? test.chainClock : test.testClock);
}

void TTest_kontynety::Timer2Timer()
{
    test.tick();
}

void TTest_kontynety::SpeedButton1Click()
{
    if (!SpeedButton1->isEnabled() && !action(QStringLiteral("Wyniktestu1"))->isEnabled())
        return; // judged already
    TForm1 *main = mainWindow();
    const bool chain = main->composite.flag == 1;
    setResultEnabled(false);
    if (!chain)
        Timer2->stop();
    setHourglass(true);
    const MapTest::Judgement j = test.judge();
    for (int k = 1; k <= test.count(); ++k)
        applyMarker(k);
    if (!j.ok) {
        setHourglass(false);
        showMessage(this,
                    QStringLiteral("Błąd w pliku opisu testu: wiersz \"%1\" nie kończy się numerem pola (dwie cyfry).")
                        .arg(j.badLine),
                    QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    if (chain) {
        ListBox1.clear();
        ListBox2.clear();
        action(QStringLiteral("Zaladujtensamtest1"))->setEnabled(false);
        action(QStringLiteral("nowy"))->setEnabled(false);
        setHourglass(false);
        Dalsze_testy(main->composite.chain, main->composite.step);
        return;
    }
    Twynik_test *result = resultDialog();
    result->lbl_czas->setText(Ile_min());
    result->lbl_dobre->setText(QString::number(j.good));
    result->lbl_zle->setText(QString::number(j.bad));
    result->zadan->setText(QString::number(test.count()));
    const Grade grade = singleTestGrade(test.count(), j.good);
    result->ocena->setText(grade.label);
    result->setGradeIcon(grade.icon);
    // The pupil types a name next: no hourglass over the dialog.
    setHourglass(false);
    Services::get().execModal(*result);
}

void TTest_kontynety::Dalsze_testy(int chain, int step)
{
    TForm1 *main = mainWindow();
    main->composite.step += 1;
    if (main->showScoreOn())
        showMessage(this,
                    main->titleStrip() + QStringLiteral("\r\nDobrych odpowiedzi: ") + QString::number(test.goodAnswers)
                        + QStringLiteral("\r\nBłędnych odpowiedzi: ") + QString::number(test.badAnswers)
                        + QStringLiteral("\r\nCzas testu: ") + timeText(test.chainClock),
                    QStringLiteral("Terravia"), Services::Icon::Information);
    else
        waitMs(1500);
    QCoreApplication::processEvents();

    if (const ChainStep *next = catalogue::chainStep(chain, step + 1)) {
        setHourglass(true);
        main->setTitleStrip(next->title);
        main->setStatusText(1, next->status);
        main->setWindowTitle(next->windowCaption());
        forms().laduj->showNow();
        czysc_panele();
        QCoreApplication::processEvents();
        czysc_edity();
        if (!teksty_Edity(next->descriptionFile))
            return;
        if (!wszystkie_testy(next->configurationFile))
            return;
        picturePath = files::dataPath(next->pictureFile);
        if (!loadPicture(picturePath))
            return;
        QCoreApplication::processEvents();
        return;
    }

    main->setTitleStrip(catalogue::chainEndTitle(chain));
    Twynik_test *result = resultDialog();
    result->lbl_czas->setText(timeText(test.chainClock));
    result->lbl_dobre->setText(QString::number(test.chainGood));
    result->lbl_zle->setText(QString::number(test.chainBad));
    result->zadan->setText(QString::number(main->composite.taskTotal));
    result->ocena->setText(chainGrade(chain, test.chainGood));
    result->setGradeIcon(QString());
    Services::get().execModal(*result);
}

void TTest_kontynety::inny_testClick()
{
    QWidget *frame = parentWidget() ? parentWidget() : this;
    QPointer<TTest_kontynety> self(this);
    if (!frame->close())
        return;
    forms().Kreator->showPlain();
}

void TTest_kontynety::ten_sam_testClick()
{
    resultDialog()->testFinished = false;
    ListBox1.clear();
    ListBox2.clear();
    Ten_test();
}

void TTest_kontynety::przerwijClick()
{
    if (QWidget *frame = parentWidget())
        frame->close();
    else
        close();
}

void TTest_kontynety::LegendaClick()
{
    TLegenda legend(this);
    Services::get().execModal(legend);
}

void TTest_kontynety::n_testClick()
{
    Menu_testy->popup(QPoint(600, mainWindow()->height() - 70));
}

} // namespace tv
