#include "LegendWindow.h"

#include "extras/Help.h"
#include "platform/Look.h"
#include "quiz/Markers.h"
#include "platform/KeptSpellings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

LegendWindow::LegendWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("legendWindow"));
    setWindowTitle(QStringLiteral("Legenda"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *colours = new QGridLayout;
    // The samples wear the colours of the test window's own markers.
    const struct {
        MarkerState state;
        QString text;
    } samples[] = {
        {MarkerState::Blank, QStringLiteral("<- Okno puste - użytkownik nic nie wybrał (standardowo na początku testu)")},
        {MarkerState::Good, QStringLiteral("<- Zaznaczona na mapie poprawna wartość (po zakończeniu testu)")},
        {MarkerState::Placed, QStringLiteral("<- Wybrane na mapie pole i miejsce przez użytkownika")},
        {MarkerState::Bad, kept::kLegendBad},
    };
    int row = 0;
    for (const auto &s : samples) {
        auto *swatch = new QLabel(this);
        swatch->setObjectName(QStringLiteral("sample%1").arg(row));
        swatch->setFixedSize(64, 20);
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        fillBackground(swatch, markerColour(s.state));
        colours->addWidget(swatch, row, 0);
        colours->addWidget(new QLabel(s.text, this), row, 1);
        ++row;
    }

    auto *heading = new QLabel(QStringLiteral("Skróty"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    const char *abbreviations[] = {
        "Jez.    - Jezioro", "G.       - Pasmo górskie (góry)", "Szcz.  - Szczyt górski", "Płw.    - Półwysep",
        "W.       - Wyspa",  "Lod.    - Lodowiec",             "P.        - Pustynia",    "Rz.      - Rzeka",
        "Zat.     -Zatoka",  "M.       - Morze",               "Niz.     - Nizina",       "Wyż.    - Wyżyna",
        "Poj.     - Pojezierze", "Pob.    - Pobrzeże",
    };
    auto *list = new QGridLayout;
    int i = 0;
    for (const char *a : abbreviations) {
        auto *l = new QLabel(QString::fromUtf8(a), this);
        l->setObjectName(QStringLiteral("abbreviation%1").arg(i));
        list->addWidget(l, i % 7, i / 7);
        ++i;
    }

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto *help = new QPushButton(QStringLiteral("Pomoc"), this);
    help->setObjectName(QStringLiteral("helpButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(help);

    auto *root = new QVBoxLayout(this);
    root->addLayout(colours);
    root->addSpacing(8);
    root->addWidget(heading);
    root->addLayout(list);
    root->addSpacing(8);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, &LegendWindow::openHelp);
}

void LegendWindow::openHelp()
{
    tv::openHelp(this, kNoHelpLegend);
    accept();
}

} // namespace tv
