#include "DrawCategories.h"

#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace tv {

const QList<CategoryButton> &categoryButtons()
{
    static const QList<CategoryButton> b = {
        {"r_wsz", "WSZYSTKIE TESTY", draw::Category::All},
        {"r_pol", "POLSKA", draw::Category::Polska},
        {"r_eu", "EUROPA", draw::Category::Europa},
        {"r_am_pn", "AMERYKA PÓŁNOCNA", draw::Category::AmerykaPn},
        {"r_am_pd", "AMERYKA POŁUDNIOWA", draw::Category::AmerykaPd},
        {"R_az", "AZJA", draw::Category::Azja},
        {"r_af", "AFRYKA", draw::Category::Afryka},
        {"r_au", "AUSTRALIA", draw::Category::Australia},
        {"R_an", "ANTARKTYDA", draw::Category::Antarktyda},
        {"R_sw", "ŚWIAT", draw::Category::Swiat},
        {"r_roz", "RÓŻNE PYTANIA GEOGRAFICZNE", draw::Category::Rozne},
        {"r_zakres", "Sam określę z jakich testów losować", draw::Category::Custom},
    };
    return b;
}

QList<QRadioButton *> addCategoryButtons(QGroupBox *group, QWidget *owner)
{
    QList<QRadioButton *> out;
    auto *layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    for (const CategoryButton &b : categoryButtons()) {
        auto *r = new QRadioButton(QString::fromUtf8(b.caption), group);
        r->setObjectName(QString::fromLatin1(b.name));
        layout->addWidget(r);
        out << r;
    }
    out.first()->setChecked(true);
    Q_UNUSED(owner);
    return out;
}

QList<int> markedRows(const QListWidget *list)
{
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows << i;
    return rows;
}

} // namespace tv
