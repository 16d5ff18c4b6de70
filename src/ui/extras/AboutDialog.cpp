#include "AboutDialog.h"

#include "extras/Contacts.h"
#include "extras/HelpFiles.h"
#include "extras/Opening.h"
#include "platform/Files.h"
#include "platform/Look.h"
#include "platform/Services.h"
#include "platform/System.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace tv {

namespace {

const QColor kLinkBlue(0, 0, 255);
const QColor kLinkRed(255, 0, 0);

QLabel *textLine(QWidget *parent, const QString &text, int x, int y, int w, int h = 16)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(x, y, w, h);
    return l;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("O programie"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setMouseTracking(true);
    setFixedSize(kWidth, kHeight);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(QIcon(QStringLiteral(":/icons/terravia.svg")).pixmap(64, 64));
    logo->setGeometry(16, 14, 64, 64);

    auto *product = textLine(this, QStringLiteral("Terravia"), 96, 14, 320, 30);
    product->setObjectName(QStringLiteral("productName"));
    QFont big = product->font();
    big.setBold(true);
    big.setPixelSize(24);
    product->setFont(big);
    setTextColour(product, QColor(0, 0, 128));
    textLine(this, QStringLiteral("Wersja: 2.4.547"), 96, 46, 320)->setObjectName(QStringLiteral("version"));

    const char *description[] = {
        "Program sprawdzający wiedzę dzieci z zakresu geografii.",
        "Przeznaczony dla Szkół Podstawowych, Gimnazjum i LO",
        "Łatwy i przyjazny interfejs użytkownika.",
        "System oceniania wyników. ",
        "Posiada 640 zadań w 57 różnych testach geograficznych.",
        "W architekturze Klient-Server pracuje jako aplikacja KLIENTA",
    };
    int y = 90;
    int i = 0;
    for (const char *line : description) {
        textLine(this, QString::fromUtf8(line), 16, y, kWidth - 32)
            ->setObjectName(QStringLiteral("description%1").arg(i++));
        y += 18;
    }

    addresses = new QGroupBox(QStringLiteral(" Adresy "), this);
    addresses->setObjectName(QStringLiteral("addresses"));
    addresses->setGeometry(16, 204, kWidth - 32, 84);
    addresses->setMouseTracking(true);
    addresses->installEventFilter(this);
    const QString linkTexts[3] = {contacts::kSupportAddress, contacts::kSchoolsAddress,
                                  QStringLiteral("Strona WWW")};
    const QString hints[3] = {QStringLiteral("Pomoc techniczna (adres tymczasowy)"),
                              QStringLiteral("Dla szkół i nauczycieli (adres tymczasowy)"),
                              contacts::kWebPage + QStringLiteral(" (adres tymczasowy)")};
    for (int k = 0; k < 3; ++k) {
        auto *l = new QLabel(linkTexts[k], addresses);
        l->setObjectName(QStringLiteral("link%1").arg(k));
        l->setGeometry(14, 20 + 20 * k, 220, 18);
        l->setCursor(Qt::PointingHandCursor);
        l->setToolTip(hints[k]);
        l->setMouseTracking(true);
        QFont f = l->font();
        f.setUnderline(true);
        l->setFont(f);
        l->installEventFilter(this);
        links[k] = l;
    }
    paintLinks(-1);
    // The project has no addresses of its own yet; say so where they show.
    auto *note = new QLabel(QStringLiteral("adresy tymczasowe"), addresses);
    note->setObjectName(QStringLiteral("placeholderNote"));
    note->setGeometry(addresses->width() - 14 - 140, 60, 140, 18);
    note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColour(note, QColor(128, 128, 128));
    QFont small = note->font();
    small.setItalic(true);
    note->setFont(small);

    author = textLine(this, QStringLiteral("Autorzy: zespół programu Terravia"), 16, 300, 260, 20);
    author->setObjectName(QStringLiteral("author"));
    author->setCursor(Qt::PointingHandCursor);
    author->setToolTip(QStringLiteral("O autorach programu"));
    author->setMouseTracking(true);
    author->installEventFilter(this);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(kWidth - 16 - 90, kHeight - 12 - 28, 90, 28);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::centre()
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }
}

void AboutDialog::openAnimated()
{
    setFixedSize(112, 27);
    centre();
    letPendingEventsRun();
    show();
    raise();
    // Fixed at every step, so that no window manager offers to resize it.
    for (const QSize &step : openingSteps(QSize(kWidth, kHeight))) {
        setFixedSize(step);
        centre();
        letPendingEventsRun();
        waitMs(30);
    }
    setFixedSize(kWidth, kHeight);
    activateWindow();
}

void AboutDialog::paintLinks(int red)
{
    for (int k = 0; k < 3; ++k)
        setTextColour(links[k], k == red ? kLinkRed : kLinkBlue);
}

void AboutDialog::hoverLink(int index)
{
    paintLinks(index);
}

void AboutDialog::hoverGroup()
{
    paintLinks(-1);
}

void AboutDialog::hoverAuthor()
{
    QFont f = author->font();
    f.setBold(true);
    author->setFont(f);
}

void AboutDialog::hoverBackground()
{
    QFont f = author->font();
    f.setBold(false);
    author->setFont(f);
}

void AboutDialog::openLink(int index)
{
    if (index == 2)
        Services::get().openWithDesktop(QUrl(contacts::kWebPage));
    else
        Services::get().openWithDesktop(QUrl(QStringLiteral("mailto:") + links[index]->text()));
}

void AboutDialog::openAuthors()
{
    const QString page = help::page(files::dataDir(), help::kAuthors);
    if (page.isEmpty()) {
        showMessage(this, QStringLiteral("BŁĄD: Nie mogę odszukać programu O autorze na Twoin dysku"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        return;
    }
    Services::get().openWithDesktop(fileUrl(page));
    accept();
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    // A move the part has handled goes no further: the parent would take it
    // for a move over itself.
    if (event->type() == QEvent::MouseMove) {
        for (int k = 0; k < 3; ++k)
            if (watched == links[k]) {
                hoverLink(k);
                return true;
            }
        if (watched == addresses) {
            hoverGroup();
            return true;
        }
        if (watched == author) {
            hoverAuthor();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (int k = 0; k < 3; ++k)
            if (watched == links[k]) {
                openLink(k);
                return true;
            }
        if (watched == author) {
            openAuthors();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::mouseMoveEvent(QMouseEvent *event)
{
    hoverBackground();
    QDialog::mouseMoveEvent(event);
}

} // namespace tv
