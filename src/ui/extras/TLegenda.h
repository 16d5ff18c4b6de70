#pragma once

#include <QDialog>

namespace tv {

// The legend: what the marker colours mean and the abbreviations in names.
class TLegenda : public QDialog {
    Q_OBJECT

public:
    explicit TLegenda(QWidget *parent = nullptr);
    void PomocClick();
};

} // namespace tv
