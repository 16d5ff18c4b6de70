#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tv {

class ProgramSettings;

// The users list window: registers and removes the pupils of a workstation.
// A new window per opening, always modal.
class UsersDialog : public QDialog {
    Q_OBJECT

public:
    explicit UsersDialog(ProgramSettings &settings, QWidget *parent = nullptr);

    void onActivated();
    void addUser();
    void removeUser();
    // "Zamknij": saves when the list changed, then closes.
    void saveAndClose();
    // Writes konf.dat and puts the users in force; false when writing failed.
    bool writeSettings();
    bool changed() const { return listChanged; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    ProgramSettings &settings;
    bool listChanged = false;

    QListWidget *userList = nullptr;
    QPushButton *newButton = nullptr;
    QPushButton *removeButton = nullptr;
    QPushButton *closeButton = nullptr;
};

} // namespace tv
