#include "TLink_Server.h"

#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

TLink_Server::TLink_Server(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Link_Server"));
    setWindowTitle(QStringLiteral("Połączenie do Serwera..."));
    auto *box = new QDialogButtonBox(this);
    auto *close = box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Anuluj"));
    // "Anuluj" of the login window ends the program.
    connect(box, &QDialogButtonBox::rejected, this, [this] {
        reject();
        Services::get().terminateApplication();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

} // namespace tv
