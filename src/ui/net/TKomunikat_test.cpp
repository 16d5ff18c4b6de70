#include "TKomunikat_test.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

TKomunikat_test::TKomunikat_test(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Komunikat_test"));
    setWindowTitle(QStringLiteral("Terravia"));
    auto *box = new QDialogButtonBox(this);
    auto *close = box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Anuluj"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

} // namespace tv
