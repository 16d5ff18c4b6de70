#include "DrawCategories.h"

#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace tv {

const QList<CategoryButton> &categoryButtons()
{
    static const QList<CategoryButton> b = {
        {"allRadio", "WSZYSTKIE TESTY", draw::Category::All},
        {"polandRadio", "POLSKA", draw::Category::Poland},
        {"europeRadio", "EUROPA", draw::Category::Europe},
        {"northAmericaRadio", "AMERYKA PÓŁNOCNA", draw::Category::NorthAmerica},
        {"southAmericaRadio", "AMERYKA POŁUDNIOWA", draw::Category::SouthAmerica},
        {"asiaRadio", "AZJA", draw::Category::Asia},
        {"africaRadio", "AFRYKA", draw::Category::Africa},
        {"australiaRadio", "AUSTRALIA", draw::Category::Australia},
        {"antarcticaRadio", "ANTARKTYDA", draw::Category::Antarctica},
        {"worldRadio", "ŚWIAT", draw::Category::World},
        {"miscellaneousRadio", "RÓŻNE PYTANIA GEOGRAFICZNE", draw::Category::Miscellaneous},
        {"customRadio", "Sam określę z jakich testów losować", draw::Category::Custom},
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
