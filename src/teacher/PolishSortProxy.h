#pragma once

#include <QCollator>
#include <QLocale>
#include <QSortFilterProxyModel>

namespace tv::teacher {

// Sorts texts in the Polish alphabet order (Ł between L and M, Ź and Ż after
// Z) whatever the system's locale is; numbers, dates and ranks as they are.
class PolishSortProxy : public QSortFilterProxyModel {
public:
    explicit PolishSortProxy(QObject *parent = nullptr) : QSortFilterProxyModel(parent)
    {
        polish.setCaseSensitivity(Qt::CaseInsensitive);
    }

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        const QVariant a = left.data(sortRole());
        const QVariant b = right.data(sortRole());
        if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
            return polish.compare(a.toString(), b.toString()) < 0;
        return QSortFilterProxyModel::lessThan(left, right);
    }

private:
    QCollator polish{QLocale(QLocale::Polish, QLocale::Poland)};
};

} // namespace tv::teacher
