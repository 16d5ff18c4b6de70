#pragma once

#include "app/PlaceholderDialog.h"

namespace tv {

// The write-to-author form. The test-file check fills it with its report of
// missing files before it opens it.
class MailForm : public PlaceholderDialog {
    Q_OBJECT

public:
    explicit MailForm(QWidget *parent = nullptr)
        : PlaceholderDialog(QStringLiteral("mailForm"), QStringLiteral("Napisz do autora"), parent)
    {
    }

    // Set just before the form opens from the check window; "Anuluj" clears it.
    void setProblemReport(const QString &report)
    {
        problemReportFlag = true;
        problemText = report;
    }
    bool problemReport() const { return problemReportFlag; }
    const QString &problemReportText() const { return problemText; }

private:
    bool problemReportFlag = false;
    QString problemText;
};

} // namespace tv
