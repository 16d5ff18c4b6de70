#include "LoginWindow.h"

#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

LoginWindow::LoginWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("loginWindow"));
    setWindowTitle(QStringLiteral("Połączenie do Serwera..."));
    auto *box = new QDialogButtonBox(this);
    auto *close = box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cancelButton"));
    // "Anuluj" of the login window ends the program.
    connect(box, &QDialogButtonBox::rejected, this, [this] {
        reject();
        Services::get().terminateApplication();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

} // namespace tv
