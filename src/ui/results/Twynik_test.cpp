#include "Twynik_test.h"

#include "app/Forms.h"
#include "app/TForm1.h"
#include "app/Locking.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "profile/TUzytkownicy_programu.h"
#include "quiz/Grades.h"
#include "results/ResultRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace tv {

namespace {

QLabel *valueLabel(QWidget *parent, const char *name, const QColor &colour)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

} // namespace

Twynik_test::Twynik_test(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("wynik_test"));
    setWindowTitle(QStringLiteral("Wynik testu"));
    // Left only through its buttons: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAutoFillBackground(true);
    QPalette bg = palette();
    bg.setColor(QPalette::Window, QColor(255, 255, 225));
    setPalette(bg);

    auto *userLabel = new QLabel(QStringLiteral("Użytkownik"), this);
    imie = new QLineEdit(this);
    imie->setObjectName(QStringLiteral("imie"));
    cmb_imie = new QComboBox(this);
    cmb_imie->setObjectName(QStringLiteral("cmb_imie"));
    cmb_imie->setMaxVisibleItems(15);
    cmb_imie->setEditable(false);
    Button1 = new QPushButton(QStringLiteral("Nowy..."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Nowy użytkownik"));
    Button1->setAutoDefault(false);

    Test = valueLabel(this, "Test", QColor(0, 0, 128));
    lbl_czas = valueLabel(this, "lbl_czas", QColor(0, 0, 0));
    zadan = valueLabel(this, "zadan", QColor(0, 0, 0));
    lbl_dobre = valueLabel(this, "lbl_dobre", QColor(0, 128, 0));
    lbl_zle = valueLabel(this, "lbl_zle", QColor(255, 0, 0));
    ocena = valueLabel(this, "ocena", QColor(0, 0, 255));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(48, 48);
    Image1->setAlignment(Qt::AlignCenter);
    Label7 = new QLabel(QStringLiteral("Zamknięcie okna za: 30 sekund"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Check = new QCheckBox(QStringLiteral("Automatycznie zamknij ten test"), this);
    Check->setObjectName(QStringLiteral("Check"));
    Check->setChecked(true);
    Zapisz = new QPushButton(QStringLiteral("Zapisz test"), this);
    Zapisz->setObjectName(QStringLiteral("Zapisz"));
    Zapisz->setToolTip(QStringLiteral("Zapisz ten test"));
    Zapisz->setDefault(true);
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    Anuluj->setObjectName(QStringLiteral("Anuluj"));
    Anuluj->setToolTip(QStringLiteral("Wyjście bez zapisu"));
    Anuluj->setAutoDefault(false);
    Ok_KS = new QPushButton(QStringLiteral("OK"), this);
    Ok_KS->setObjectName(QStringLiteral("Ok_KS"));
    Ok_KS->setMinimumHeight(40);
    Ok_KS->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);

    // Layout: the name on top, the figures in a grid, the buttons below.
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(imie, 1);
    nameRow->addWidget(cmb_imie, 1);
    nameRow->addWidget(Button1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    const QString captions[] = {QStringLiteral("Czas testu:"), QStringLiteral("Zadań do wykonania:"),
                                QStringLiteral("Dobrych odpowiedzi:"), QStringLiteral("Błędnych odpowiedzi:"),
                                QStringLiteral("Ocena:")};
    QLabel *values[] = {lbl_czas, zadan, lbl_dobre, lbl_zle, ocena};
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(new QLabel(captions[i], this), i, 0, Qt::AlignRight);
        grid->addWidget(values[i], i, 1);
    }
    grid->addWidget(Image1, 0, 2, 5, 1, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Check);
    buttons->addStretch(1);
    buttons->addWidget(Zapisz);
    buttons->addWidget(Anuluj);

    auto *root = new QVBoxLayout(this);
    root->addWidget(userLabel);
    root->addLayout(nameRow);
    root->addSpacing(6);
    root->addWidget(Test);
    root->addSpacing(4);
    root->addLayout(grid);
    root->addSpacing(6);
    root->addWidget(Label7);
    root->addLayout(buttons);
    root->addWidget(Ok_KS);
    root->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(420);

    connect(Timer1, &QTimer::timeout, this, &Twynik_test::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &Twynik_test::Timer2Timer);
    connect(Zapisz, &QPushButton::clicked, this, &Twynik_test::ZapiszClick);
    connect(Anuluj, &QPushButton::clicked, this, &Twynik_test::AnulujClick);
    connect(Button1, &QPushButton::clicked, this, &Twynik_test::Button1Click);
    connect(Ok_KS, &QPushButton::clicked, this, &Twynik_test::Ok_KSClick);
}

bool Twynik_test::sessionMode() const
{
    return forms().Form1->session.flag == 1;
}

void Twynik_test::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

void Twynik_test::FormActivate()
{
    TForm1 *main = forms().Form1;
    countdown = 30;
    closeState = 2;
    testFinished = true;
    cmb_imie->clear();
    Test->setText(main->titleStrip());
    QCoreApplication::processEvents();

    if (sessionMode()) {
        Label7->show();
        Timer2->start();
        Ok_KS->show();
        Zapisz->hide();
        Anuluj->hide();
        cmb_imie->hide();
        Check->hide();
        imie->show();
        imie->setReadOnly(true);
        imie->setText(main->session.userName);
        Ok_KS->setFocus();
        return;
    }
    Label7->hide();
    Ok_KS->hide();
    Zapisz->show();
    Anuluj->show();
    Check->show();
    imie->setReadOnly(false);
    if (main->settings.users.isEmpty()) {
        imie->show();
        cmb_imie->hide();
    } else {
        imie->hide();
        cmb_imie->show();
        cmb_imie->addItems(main->settings.users);
        cmb_imie->setCurrentIndex(-1);
    }
    Zapisz->setFocus();
    Timer1->start();
}

void Twynik_test::Timer1Timer()
{
    const QString &sound = forms().Form1->settings.topGradeSound;
    if (ocena->text() == grades::kCelujacy && files::pathExists(sound))
        Services::get().playSound(sound);
    Timer1->stop();
    setHourglass(false);
}

void Twynik_test::ZapiszClick()
{
    if (sessionMode())
        return;
    if (imie->isVisibleTo(this) && imie->text().isEmpty()) {
        showMessage(this, QStringLiteral("Aby zapisać wynik testu musisz wpisać (w polu na górze) swoje imię i nazwisko"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        imie->setFocus();
        return;
    }
    if (cmb_imie->isVisibleTo(this) && cmb_imie->currentIndex() < 0) {
        showMessage(this, QStringLiteral("Aby zapisać wynik testu musisz wybrać (lista na górze) swoje imię i nazwisko"),
                    QStringLiteral("Terravia: Zapis..."), Services::Icon::Information);
        cmb_imie->setFocus();
        if (isVisible())
            cmb_imie->showPopup();
        return;
    }
    const ResultRecord record{imie->isVisibleTo(this) ? imie->text() : cmb_imie->currentText(),
                              Test->text(),
                              lbl_czas->text(),
                              zadan->text(),
                              lbl_dobre->text(),
                              lbl_zle->text(),
                              ocena->text()};
    const Status saved = appendResult(files::dataDir(), record);
    setHourglass(false);
    if (!saved) {
        // Nothing is lost: the dialog stays open and the pupil may try again.
        showMessage(this, saved.message, QStringLiteral("Terravia"), Services::Icon::Error);
        return;
    }
    closeState = 0;
    Timer1->stop();
    if (Check->isChecked())
        forms().Form1->Zamknij_MDIClick();
    closingFromButton = true;
    accept();
}

void Twynik_test::AnulujClick()
{
    setHourglass(false);
    closeState = 0;
    Timer1->stop();
    if (Check->isChecked())
        forms().Form1->Zamknij_MDIClick();
    closingFromButton = true;
    reject();
}

void Twynik_test::Button1Click()
{
    TUzytkownicy_programu users(this);
    Services::get().execModal(users);
    FormActivate();
}

void Twynik_test::Ok_KSClick()
{
    Timer2->stop();
    closeState = 1;
    TForm1 *main = forms().Form1;
    const ResultRecord record{main->session.userName, main->titleStrip(), lbl_czas->text(), zadan->text(),
                              lbl_dobre->text(), lbl_zle->text(), ocena->text()};
    main->sendResultReport(record.lines());
    QCoreApplication::processEvents();
    closingFromButton = true;
    accept();
    // The session lock refuses the close of the test window; lower the flag
    // for the one call that closes it.
    main->session.flag = 0;
    main->Zamknij_MDIClick();
    main->session.flag = 1;
    main->setBackgroundPanelVisible(true);
}

void Twynik_test::Timer2Timer()
{
    if (!sessionMode())
        return;
    if (countdown > 0) {
        Label7->setText(QStringLiteral("Zamknięcie okna za: %1 sekund").arg(countdown));
        Label7->repaint();
        --countdown;
        return;
    }
    Timer2->stop();
    Ok_KSClick();
}

void Twynik_test::setGradeIcon(const QString &iconFile)
{
    Image1->clear();
    if (iconFile.isEmpty() || !files::dataExists(iconFile))
        return;
    const QIcon icon(files::dataPath(iconFile));
    Image1->setPixmap(icon.pixmap(48, 48));
}

bool Twynik_test::hasGradeIcon() const
{
    return !Image1->pixmap().isNull();
}

void Twynik_test::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Save) || (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_S)) {
        ZapiszClick();
        return;
    }
    // The dialog is left only through its buttons: Esc does nothing.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void Twynik_test::done(int result)
{
    if (!closingFromButton)
        return; // no other way out
    closingFromButton = false;
    Timer1->stop();
    QDialog::done(result);
    TForm1 *main = forms().Form1;
    if (main->statusText(2) == texts::kClientMode)
        main->Menu_KS();
}

} // namespace tv
