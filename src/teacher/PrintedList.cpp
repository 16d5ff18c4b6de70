#include "PrintedList.h"

#include "platform/Services.h"

#include <QPainter>
#include <QPrinter>

namespace tv::teacher {

namespace {

bool paintLines(QPrinter &printer, const QStringList &lines, int pointSize)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    p.setFont(font);
    const QFontMetrics fm = p.fontMetrics();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    int y = 0;
    for (const QString &line : lines) {
        const QRect box = fm.boundingRect(QRect(0, 0, page.width(), 100000), Qt::TextWordWrap, line);
        if (y + box.height() > page.height()) {
            printer.newPage();
            y = 0;
        }
        p.drawText(QRect(0, y, page.width(), box.height()), Qt::TextWordWrap, line);
        y += box.height() + fm.leading();
    }
    return p.end();
}

} // namespace

void printLines(QWidget *parent, const QString &docName, const QStringList &lines, int pointSize,
                const QString &caption)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(docName);
    printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    if (!Services::get().printDialog(parent, printer))
        return;
    if (!paintLines(printer, lines, pointSize))
        showMessage(parent, QStringLiteral("Nie można rozpocząć drukowania na wybranej drukarce."), caption,
                    Services::Icon::Error);
}

} // namespace tv::teacher
