#include "Twynik_test.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

Twynik_test::Twynik_test(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("wynik_test"));
    setWindowTitle(QStringLiteral("Terravia: Wynik"));
    auto *box = new QDialogButtonBox(this);
    auto *close = box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Anuluj"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

} // namespace tv
