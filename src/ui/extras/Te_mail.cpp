#include "Te_mail.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

Te_mail::Te_mail(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("e_mail"));
    setWindowTitle(QStringLiteral("Napisz do autora"));
    auto *box = new QDialogButtonBox(this);
    auto *close = box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Anuluj"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

} // namespace tv
