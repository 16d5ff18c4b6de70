#include "TFiltr_wyniki.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

TFiltr_wyniki::TFiltr_wyniki(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Filtr_wyniki"));
    setWindowTitle(QStringLiteral("Filtruj wyniki... "));
    auto *box = new QDialogButtonBox(this);
    auto *close = box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Anuluj"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

} // namespace tv
