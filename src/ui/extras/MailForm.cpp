#include "MailForm.h"

#include "extras/Contacts.h"
#include "extras/MailLink.h"
#include "platform/Services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>

namespace tv {

MailForm::MailForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("mailForm"));
    setWindowTitle(QStringLiteral("Napisz do autora"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *to = new QLabel(QStringLiteral("Do: ") + contacts::kSupportAddress, this);
    to->setObjectName(QStringLiteral("addressLabel"));
    auto *subjectLabel = new QLabel(QStringLiteral("Temat listu"), this);
    subject = new QLineEdit(this);
    subject->setObjectName(QStringLiteral("subject"));
    subjectLabel->setBuddy(subject);
    auto *bodyLabel = new QLabel(QStringLiteral("Treść listu"), this);
    body = new QPlainTextEdit(this);
    body->setObjectName(QStringLiteral("body"));
    body->setTabChangesFocus(true);
    bodyLabel->setBuddy(body);

    sendButton = new QPushButton(QStringLiteral("Wyślij"), this);
    sendButton->setObjectName(QStringLiteral("sendButton"));
    sendButton->setDefault(false);
    sendButton->setAutoDefault(false);
    cancelButton = new QPushButton(QStringLiteral("Anuluj"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(sendButton);
    buttons->addWidget(cancelButton);
    auto *root = new QVBoxLayout(this);
    root->addWidget(to);
    root->addSpacing(4);
    root->addWidget(subjectLabel);
    root->addWidget(subject);
    root->addWidget(bodyLabel);
    root->addWidget(body, 1);
    root->addLayout(buttons);
    resize(480, 360);

    connect(sendButton, &QPushButton::clicked, this, &MailForm::send);
    connect(cancelButton, &QPushButton::clicked, this, &MailForm::cancel);
}

void MailForm::setProblemReport(const QString &report)
{
    problemReportFlag = true;
    problemText = report;
}

void MailForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        onOpened();
}

void MailForm::onOpened()
{
    // Filled when the form appears, not on every activation: coming back
    // from a refusal must not add the report a second time.
    if (problemReportFlag) {
        subject->setText(mail::kProblemSubject);
        body->appendPlainText(problemText);
    }
    subject->setFocus();
}

void MailForm::send()
{
    const QStringList lines = mail::bodyLines(body->toPlainText());
    switch (mail::refusal(subject->text(), lines)) {
    case mail::Refusal::NoSubject:
        showMessage(this, mail::kNoSubject, QStringLiteral("Terravia"), Services::Icon::Warning);
        subject->setFocus();
        return;
    case mail::Refusal::NoBody:
        showMessage(this, mail::kNoBody, QStringLiteral("Terravia"), Services::Icon::Warning);
        body->setFocus();
        return;
    case mail::Refusal::None:
        break;
    }
    const QString link = mail::mailtoLink(contacts::kSupportAddress, subject->text(), lines);
    Services::get().openWithDesktop(QUrl::fromEncoded(link.toLatin1(), QUrl::StrictMode));
    accept();
}

void MailForm::cancel()
{
    reject();
}

void MailForm::done(int result)
{
    // Every way out (Wyślij, Anuluj, Esc, the close box) leaves the form
    // empty for the next opening.
    subject->clear();
    body->clear();
    problemReportFlag = false;
    problemText.clear();
    QDialog::done(result);
}

} // namespace tv
