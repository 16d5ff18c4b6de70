#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace tv {

// "Skóry": the standard look and seven skins, with a preview of each. One
// instance, created at start-up, shown modally.
class SkinsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SkinsDialog(QWidget *parent = nullptr);

    // A click on an entry: the preview, and "Zmień" may be used.
    void chooseEntry(int index);
    // "Zmień" and a double click: stores the choice and closes.
    void change();

    // The picture the preview shows ("s6.jpg" for entry 5), empty when none
    // was loaded yet.
    const QString &previewName() const { return shownPreview; }

signals:
    // A new skin was stored: 0 the standard look, 1 … 7 a skin.
    void skinChosen(int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString shownPreview;

    QListWidget *list = nullptr;
    QLabel *preview = nullptr;
    QPushButton *changeButton = nullptr;
    QPushButton *cancelButton = nullptr;
};

} // namespace tv
