#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tv::teacher {

// Prints lines of text, wrapped and paged, through the desktop's print
// dialog: the teacher's lists of results and his gradebook's tables. A
// printer that will not start is said in a message with this caption.
void printLines(QWidget *parent, const QString &docName, const QStringList &lines, int pointSize,
                const QString &caption);

} // namespace tv::teacher
