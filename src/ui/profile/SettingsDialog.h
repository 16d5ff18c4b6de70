#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tv {

class ProgramSettings;

// The settings dialog: edits konf.dat. Created once at start-up and shown
// modally; it keeps the state of its controls between showings.
class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit SettingsDialog(ProgramSettings &settings, QWidget *parent = nullptr);

    // Fills the controls from konf.dat and the saved sounds; runs each
    // time the dialog is shown.
    void onActivated();
    void apply();
    void cancel();
    void addUser();
    void removeUser();
    void chooseDropSound();
    void chooseTopGradeSound();
    void openNetworkSettings();

signals:
    // "Architektura Klient-Server": the network settings window, modally.
    void networkSettingsRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseSound(QLineEdit *target);

    ProgramSettings &settings;

    QRadioButton *maximisedRadio = nullptr;
    QRadioButton *normalRadio = nullptr;
    QRadioButton *creatorOnRadio = nullptr;
    QRadioButton *creatorOffRadio = nullptr;
    QLineEdit *dropSoundEdit = nullptr;
    QLineEdit *topGradeSoundEdit = nullptr;
    QPushButton *dropSoundButton = nullptr;
    QPushButton *topGradeSoundButton = nullptr;
    QCheckBox *removeNamesCheck = nullptr;
    QListWidget *userList = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *removeButton = nullptr;
    QPushButton *networkButton = nullptr;
    QPushButton *applyButton = nullptr;
    QPushButton *cancelButton = nullptr;
};

} // namespace tv
