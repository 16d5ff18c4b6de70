#pragma once

#include <QDialog>

namespace tv {

// The legend: what the marker colours mean and the abbreviations in names.
class LegendWindow : public QDialog {
    Q_OBJECT

public:
    explicit LegendWindow(QWidget *parent = nullptr);
    void openHelp();
};

} // namespace tv
