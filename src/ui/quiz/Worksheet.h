#pragma once

#include "quiz/Learning.h"
#include "quiz/TestFiles.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>

class QPagedPaintDevice;
class QRadioButton;
class QWidget;

namespace tv {

// A map on paper: the worksheet a teacher prints for a lesson without
// computers, and its answer key.
namespace worksheet {

using Source = learning::SheetSource;

// A test read for printing.
struct Sheet {
    QString title;
    QImage picture;   // the sharpest the pack has
    QSize natural;    // the size marker places are given in
    Configuration configuration;
    QStringList description;
};

// Reads the files of a test; an empty error on success.
Sheet read(const Source &source, QString *error);

// Paints every sheet's worksheet page, then every sheet's key page. The
// device's page size and orientation are set here, page by page.
bool paint(QPagedPaintDevice &device, int resolution, const QList<Sheet> &sheets, learning::Order order,
           quint64 seed);

// Writes the worksheets and their keys to a PDF file.
bool writePdf(const QString &path, const QList<Sheet> &sheets, learning::Order order, quint64 seed);

// What the teacher chooses: the order of the names, and paper or PDF.
class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    enum Choice { Print = 1, Pdf = 2 };
    explicit WorksheetDialog(QWidget *parent = nullptr);
    learning::Order order() const;
    void setOrder(learning::Order order);

private:
    QRadioButton *shuffled = nullptr;
    QRadioButton *alphabetical = nullptr;
};

// The command "Drukuj kartę pracy...": reads the tests, asks, then prints
// through the print dialog or saves a PDF through the file chooser.
void run(QWidget *parent, const QList<Source> &sources);

} // namespace worksheet
} // namespace tv
