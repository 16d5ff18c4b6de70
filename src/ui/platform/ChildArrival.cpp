#include "ChildArrival.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <memory>

namespace tv {

void onChildArrival(QMdiArea *area, QWidget *child, std::function<void()> arrived)
{
    if (!area)
        return;
    auto last = std::make_shared<QPointer<QMdiSubWindow>>();
    QObject::connect(area, &QMdiArea::subWindowActivated, child,
                     [child, last, arrived = std::move(arrived)](QMdiSubWindow *w) {
                         // No active child: the main window lost the focus.
                         if (!w)
                             return;
                         const bool isNew = w->widget() == child && w != last->data();
                         *last = w;
                         if (isNew)
                             arrived();
                     });
}

} // namespace tv
