#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace tv {

class OwnTestEditor;

// The commands of the "Plik" menu for a teacher's own tests: the editor,
// import and export. Each asks the desktop service for the file it needs;
// the files themselves are the core's business.
class OwnTestsCommands : public QObject {
    Q_OBJECT

public:
    explicit OwnTestsCommands(QWidget *frame, QObject *parent = nullptr);
    ~OwnTestsCommands() override;

    void newTest();
    // The file chooser in the folder of own tests, then the editor.
    void editTest();
    // One test's three files, chosen by its XX.dat, into the folder of own
    // tests; a test that does not read back is refused, one of the same
    // code replaced only when the teacher says so.
    void importTest();
    // One own test's three files into a folder the teacher chooses.
    void exportTest();

    // The editor window, created when first needed.
    OwnTestEditor &editor();

private:
    QString chooseOwnTest(const QString &caption);

    QWidget *frame;
    QPointer<OwnTestEditor> window;
};

} // namespace tv
