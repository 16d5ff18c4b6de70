#include "ComputerInfoWindow.h"

#include "extras/ComputerInfo.h"
#include "platform/Files.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tv {

QString screenText()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *s = QGuiApplication::primaryScreen();
    if (!s)
        return QStringLiteral("nieznany");
    const QSize size = s->size() * s->devicePixelRatio();
    QString text = QStringLiteral("%1 x %2, %3 bity kolorów, %4 dpi")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(s->depth())
                       .arg(qRound(s->logicalDotsPerInch()));
    if (screens.size() > 1)
        text += QStringLiteral(" (ekranów: %1)").arg(screens.size());
    return text;
}

ComputerInfoWindow::ComputerInfoWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("computerInfoWindow"));
    setWindowTitle(QStringLiteral("Terravia: Informacje o Twoim komputerze"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    sysinfo::Facts f = sysinfo::collect(files::dataDir());
    f.screen = screenText();

    auto *intro = new QLabel(
        QStringLiteral("Gdy piszesz o problemie z programem, dołącz te informacje:"), this);
    facts = new QPlainTextEdit(this);
    facts->setObjectName(QStringLiteral("facts"));
    facts->setReadOnly(true);
    facts->setLineWrapMode(QPlainTextEdit::NoWrap);
    facts->setPlainText(sysinfo::reportLines(f).join(QLatin1Char('\n')));
    facts->setMinimumSize(560, 170);

    copyButton = new QPushButton(QStringLiteral("Kopiuj"), this);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    copyButton->setToolTip(QStringLiteral("Skopiuj informacje do schowka"));
    copyButton->setAutoDefault(false);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copyButton);
    buttons->addWidget(okButton);
    auto *root = new QVBoxLayout(this);
    root->addWidget(intro);
    root->addWidget(facts, 1);
    root->addLayout(buttons);

    connect(copyButton, &QPushButton::clicked, this, &ComputerInfoWindow::copy);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QString ComputerInfoWindow::text() const
{
    return facts->toPlainText();
}

void ComputerInfoWindow::copy()
{
    if (QClipboard *c = QGuiApplication::clipboard())
        c->setText(text());
}

} // namespace tv
