#include "PlaceholderDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tv {

PlaceholderDialog::PlaceholderDialog(const QString &objectName, const QString &caption, QWidget *parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto *box = new QDialogButtonBox(this);
    auto *close = box->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cancelButton"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
}

} // namespace tv
