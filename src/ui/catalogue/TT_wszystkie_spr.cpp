#include "TT_wszystkie_spr.h"

#include "app/Forms.h"
#include "catalogue/FileCheck.h"
#include "extras/Te_mail.h"
#include "platform/Files.h"
#include "platform/Services.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tv {

int TT_wszystkie_spr::problemReport = 0;
TT_wszystkie_spr *TT_wszystkie_spr::open = nullptr;

namespace {
constexpr int kUpperHeight = 221;
constexpr int kOpenHeight = 386;
} // namespace

TT_wszystkie_spr::TT_wszystkie_spr(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("T_wszystkie_spr"));
    setWindowTitle(QStringLiteral("Sprawdź czy masz wszystkie testy"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(440, kUpperHeight);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 8, 270, kUpperHeight - 16);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setTextElideMode(Qt::ElideRight);
    for (const auto &t : filecheck::checkedTests())
        ListBox1->addItem(t.title);

    Sprawdz2 = new QPushButton(QStringLiteral("Sprawdź..."), this);
    Sprawdz2->setObjectName(QStringLiteral("Sprawdz2"));
    Sprawdz2->setToolTip(QStringLiteral("Sprawdź wszystkie testy"));
    Sprawdz2->setGeometry(286, 8, 146, 30);
    Napisz = new QPushButton(QStringLiteral("Napisz o problemie\ndo autora"), this);
    Napisz->setObjectName(QStringLiteral("Napisz"));
    Napisz->setToolTip(QStringLiteral("Napisz do autora o brakujących testach"));
    Napisz->setGeometry(286, 46, 146, 44);
    Napisz->setEnabled(false);
    Zamknij = new QPushButton(QStringLiteral("Zamknij"), this);
    Zamknij->setObjectName(QStringLiteral("Zamknij"));
    Zamknij->setToolTip(QStringLiteral("Zamknij okno"));
    Zamknij->setGeometry(286, kUpperHeight - 38, 146, 30);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont f = Memo1->font();
    f.setPixelSize(13);
    Memo1->setFont(f);
    Memo1->setGeometry(8, kUpperHeight, 424, kOpenHeight - kUpperHeight - 8);

    connect(Sprawdz2, &QPushButton::clicked, this, &TT_wszystkie_spr::Sprawdz2Click);
    connect(Napisz, &QPushButton::clicked, this, &TT_wszystkie_spr::NapiszClick);
    connect(Zamknij, &QPushButton::clicked, this, &QDialog::reject);
    open = this;
    setHourglass(false);
}

TT_wszystkie_spr::~TT_wszystkie_spr()
{
    if (open == this)
        open = nullptr;
}

void TT_wszystkie_spr::Sprawdz2Click()
{
    Memo1->clear();
    setFixedSize(440, kOpenHeight);
    setHourglass(true);
    const QStringList missing = filecheck::report(files::dataDir());
    QPalette pal = Memo1->palette();
    if (!missing.isEmpty()) {
        pal.setColor(QPalette::Text, QColor(255, 0, 0));
        Memo1->setPlainText(missing.join(QLatin1Char('\n')));
        Napisz->setEnabled(true);
    } else {
        pal.setColor(QPalette::Text, QColor(0, 128, 0));
        Memo1->setPlainText(filecheck::kAllPresent);
    }
    Memo1->setPalette(pal);
    setHourglass(false);
}

QString TT_wszystkie_spr::reportText() const
{
    return Memo1->toPlainText();
}

void TT_wszystkie_spr::NapiszClick()
{
    problemReport = 1;
    Services::get().execModal(*forms().e_mail);
}

} // namespace tv
