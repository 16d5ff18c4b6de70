#include "ScreenAdviceWindow.h"

#include "extras/ScreenTools.h"
#include "platform/Look.h"
#include "platform/Services.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QToolTip>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace tv {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

bool installed(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool isWindows()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

// Asks the display for the new size only; the colour depth stays.
void requestDisplaySize(int width, int height)
{
#ifdef Q_OS_WIN
    DEVMODEW mode;
    ZeroMemory(&mode, sizeof mode);
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode))
        return;
    mode.dmPelsWidth = DWORD(width);
    mode.dmPelsHeight = DWORD(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    ChangeDisplaySettingsW(&mode, 0);
#else
    // X11 through xrandr; under Wayland the compositor alone decides, and the
    // request changes nothing.
    const screen::Command c = screen::resizeCommand(width, height);
    const QString program = QStandardPaths::findExecutable(c.program);
    if (!program.isEmpty())
        Services::get().startProgram(program, c.arguments);
#endif
}

QPushButton *adviceButton(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    b->setMinimumHeight(30);
    return b;
}

} // namespace

void openDisplaySettings(QWidget *parent)
{
    const QString desktop = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_CURRENT_DESKTOP"));
    const screen::Command c = screen::displaySettingsTool(isWindows(), desktop, installed);
    if (!c.valid()) {
        showMessage(parent, QStringLiteral("BŁĄD: Nie mogę odszukać narzędzia systemowego Ekran na Twoim dysku"),
                    QStringLiteral("Terravia"), Services::Icon::None);
        return;
    }
    const QString found = QStandardPaths::findExecutable(c.program);
    Services::get().startProgram(found.isEmpty() ? c.program : found, c.arguments);
}

ScreenAdviceWindow::ScreenAdviceWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("screenAdviceWindow"));
    setWindowTitle(QStringLiteral("Terravia: Ekran"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    hintPalette = QToolTip::palette();
    QPalette yellow = hintPalette;
    yellow.setColor(QPalette::ToolTipBase, QColor(255, 255, 0));
    yellow.setColor(QPalette::ToolTipText, QColor(0, 0, 0));
    QToolTip::setPalette(yellow);

    auto *notice = new QLabel(QStringLiteral("UWAGA: ZALECANA ROZDZIELCZOŚĆ EKRANU!"), this);
    notice->setObjectName(QStringLiteral("notice"));
    notice->setAlignment(Qt::AlignCenter);
    QFont bold = notice->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    notice->setFont(bold);
    setTextColour(notice, QColor(192, 0, 0));

    QString now;
    if (QScreen *s = QGuiApplication::primaryScreen())
        now = QStringLiteral("<br>Twój ekran ma teraz %1 na %2 punktów.")
                  .arg(s->geometry().width())
                  .arg(s->geometry().height());
    auto *explanation = new QLabel(
        QStringLiteral("Terravia najlepiej wygląda, gdy ekran ma <b>800</b> punktów szerokości "
                       "i <b>600</b> punktów wysokości (800 x 600). Przy innej rozdzielczości "
                       "mapy testów mogą być za małe albo nie zmieścić się na ekranie.")
            + now,
        this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);
    auto *question = new QLabel(QStringLiteral("Co chcesz zrobić?"), this);
    question->setObjectName(QStringLiteral("question"));
    QFont q = question->font();
    q.setBold(true);
    question->setFont(q);

    changeButton = adviceButton(this, "changeButton", QStringLiteral("Spróbuj zmienić rozdzielczość ekranu na 800X600"),
                                QStringLiteral("Terravia poprosi system o ekran 800 x 600"));
    settingsButton = adviceButton(this, "settingsButton", QStringLiteral("Pokaż narzędzie systemowe Ekran - sam to zrobię"),
                                  QStringLiteral("Otwórz ustawienia ekranu systemu"));
    helpButton = adviceButton(this, "helpButton", QStringLiteral("Pokaż, jak wygląda zmiana rozdzielczości ekranu - Pomoc "),
                              QStringLiteral("Obrazek z ustawieniami ekranu"));
    closeButton = adviceButton(this, "closeButton", QStringLiteral("Nie, nie chcę zmieniać. Zamknij okno"),
                               QStringLiteral("Zamknij okno"));

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 14, 16, 14);
    root->addWidget(notice);
    root->addSpacing(6);
    root->addWidget(explanation);
    root->addSpacing(6);
    root->addWidget(question);
    for (QPushButton *b : {changeButton, settingsButton, helpButton, closeButton})
        root->addWidget(b);
    explanation->setFixedWidth(400);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(changeButton, &QPushButton::clicked, this, &ScreenAdviceWindow::changeResolution);
    connect(settingsButton, &QPushButton::clicked, this, &ScreenAdviceWindow::showDisplaySettings);
    connect(helpButton, &QPushButton::clicked, this, &ScreenAdviceWindow::showHelp);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

ScreenAdviceWindow::~ScreenAdviceWindow()
{
    QToolTip::setPalette(hintPalette);
}

void ScreenAdviceWindow::changeResolution()
{
    requestDisplaySize(kWidth, kHeight);
    showMessage(this, QStringLiteral("Rozdzielczość ekranu została zmieniona"), QStringLiteral("Terravia"),
                Services::Icon::Information);
}

void ScreenAdviceWindow::showDisplaySettings()
{
    openDisplaySettings(this);
}

void ScreenAdviceWindow::showHelp()
{
    ScreenHelpWindow help(this);
    Services::get().execModal(help);
}

ScreenHelpWindow::ScreenHelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("screenHelpWindow"));
    setWindowTitle(QStringLiteral("Terravia: Ekran - Pomoc"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // The picture carries arrows that end at its right edge, level with the
    // three labels beside it.
    const QPixmap picture(QStringLiteral(":/pictures/ekran_ustawienia.png"));
    auto *shot = new QLabel(this);
    shot->setObjectName(QStringLiteral("picture"));
    shot->setPixmap(picture);
    shot->setGeometry(12, 12, picture.width(), picture.height());

    const struct {
        const char *name;
        const char *text;
        int y; // the arrow's height in the picture
    } labels[] = {
        {"tabLabel", "Zakładka Ustawienia", 50},
        {"resolutionLabel", "Rozdzielczość ekranu", 262},
        {"correctLabel", "Poprawnie ustawiona", 303},
    };
    const int x = 12 + picture.width() + 6;
    for (const auto &l : labels) {
        auto *label = new QLabel(QString::fromUtf8(l.text), this);
        label->setObjectName(QString::fromLatin1(l.name));
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        setTextColour(label, QColor(192, 0, 0));
        label->setGeometry(x, 12 + l.y - 10, 170, 20);
    }

    closeButton = new QPushButton(QStringLiteral("ZAMKNIJ"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    settingsButton = new QPushButton(QStringLiteral("Pokaż narzędzie Ekran"), this);
    settingsButton->setObjectName(QStringLiteral("settingsButton"));
    const int width = x + 170 + 12;
    const int height = 12 + picture.height() + 12 + 30 + 12;
    closeButton->setGeometry(width - 12 - 110, height - 12 - 30, 110, 30);
    settingsButton->setGeometry(width - 12 - 110 - 8 - 170, height - 12 - 30, 170, 30);
    closeButton->setDefault(true);
    setFixedSize(width, height);

    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(settingsButton, &QPushButton::clicked, this, [this] { openDisplaySettings(this); });
}

} // namespace tv
