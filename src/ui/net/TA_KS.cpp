#include "TA_KS.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

TA_KS::TA_KS(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("A_KS"));
    setWindowTitle(QStringLiteral("Architektura Klient-Server"));
    auto *box = new QDialogButtonBox(this);
    auto *close = box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Anuluj"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

} // namespace tv
