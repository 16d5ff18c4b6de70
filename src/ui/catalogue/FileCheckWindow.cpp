#include "FileCheckWindow.h"

#include "catalogue/FileCheck.h"
#include "extras/MailForm.h"
#include "platform/Files.h"
#include "platform/Services.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tv {

namespace {
constexpr int kUpperHeight = 221;
constexpr int kOpenHeight = 386;
} // namespace

FileCheckWindow::FileCheckWindow(MailForm &mailForm, QWidget *parent) : QDialog(parent), mailForm(mailForm)
{
    setObjectName(QStringLiteral("fileCheckWindow"));
    setWindowTitle(QStringLiteral("Sprawdź czy masz wszystkie testy"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(440, kUpperHeight);

    testList = new QListWidget(this);
    testList->setObjectName(QStringLiteral("testList"));
    testList->setGeometry(8, 8, 270, kUpperHeight - 16);
    testList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    testList->setTextElideMode(Qt::ElideRight);
    for (const auto &t : filecheck::checkedTests())
        testList->addItem(t.title);

    checkButton = new QPushButton(QStringLiteral("Sprawdź..."), this);
    checkButton->setObjectName(QStringLiteral("checkButton"));
    checkButton->setToolTip(QStringLiteral("Sprawdź wszystkie testy"));
    checkButton->setGeometry(286, 8, 146, 30);
    reportButton = new QPushButton(QStringLiteral("Napisz o problemie\ndo autora"), this);
    reportButton->setObjectName(QStringLiteral("reportButton"));
    reportButton->setToolTip(QStringLiteral("Napisz do autora o brakujących testach"));
    reportButton->setGeometry(286, 46, 146, 44);
    reportButton->setEnabled(false);
    closeButton = new QPushButton(QStringLiteral("Zamknij"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setToolTip(QStringLiteral("Zamknij okno"));
    closeButton->setGeometry(286, kUpperHeight - 38, 146, 30);

    report = new QPlainTextEdit(this);
    report->setObjectName(QStringLiteral("report"));
    report->setReadOnly(true);
    report->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    report->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont f = report->font();
    f.setPixelSize(13);
    report->setFont(f);
    report->setGeometry(8, kUpperHeight, 424, kOpenHeight - kUpperHeight - 8);

    connect(checkButton, &QPushButton::clicked, this, &FileCheckWindow::check);
    connect(reportButton, &QPushButton::clicked, this, &FileCheckWindow::writeToAuthor);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    setHourglass(false);
}

void FileCheckWindow::check()
{
    report->clear();
    setFixedSize(440, kOpenHeight);
    setHourglass(true);
    const QStringList missing = filecheck::report(files::dataDir());
    QPalette pal = report->palette();
    if (!missing.isEmpty()) {
        pal.setColor(QPalette::Text, QColor(255, 0, 0));
        report->setPlainText(missing.join(QLatin1Char('\n')));
        reportButton->setEnabled(true);
    } else {
        pal.setColor(QPalette::Text, QColor(0, 128, 0));
        report->setPlainText(filecheck::kAllPresent);
    }
    report->setPalette(pal);
    setHourglass(false);
}

QString FileCheckWindow::reportText() const
{
    return report->toPlainText();
}

void FileCheckWindow::writeToAuthor()
{
    mailForm.setProblemReport(reportText());
    Services::get().execModal(mailForm);
}

} // namespace tv
