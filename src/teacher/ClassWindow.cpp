#include "ClassWindow.h"

#include "AssignDialog.h"
#include "GradebookSettingsDialog.h"
#include "GradebookWindow.h"
#include "PolishSortProxy.h"
#include "PrintedList.h"
#include "SettingsDialog.h"
#include "catalogue/Catalogue.h"
#include "extras/HelpFiles.h"
#include "platform/Files.h"
#include "platform/Services.h"
#include "platform/Text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace tv::teacher {

namespace {

const QString kCaption = QStringLiteral("Terravia – nauczyciel");
const QString kTeacherHelp = QStringLiteral("nauczyciel.html");

// The number of pupils in the case the sentence wants: "wysłano: 3 uczniom"
// (dative), "rozłączono 5 uczniów" (genitive, as the accusative of men).
QString toPupils(int n)
{
    return n == 1 ? QStringLiteral("1 uczniowi") : QStringLiteral("%1 uczniom").arg(n);
}

QString ofPupils(int n)
{
    return n == 1 ? QStringLiteral("1 ucznia") : QStringLiteral("%1 uczniów").arg(n);
}

QString pupilsSolving(int n)
{
    const QString counted = text::counted(n, QStringLiteral("uczeń"), QStringLiteral("uczniowie"),
                                          QStringLiteral("uczniów"));
    // The verb agrees: "uczeń rozwiązuje", "uczniowie rozwiązują", but "uczniów rozwiązuje".
    return counted + (counted.endsWith(QStringLiteral("uczniowie")) ? QStringLiteral(" nadal rozwiązują test")
                                                                    : QStringLiteral(" nadal rozwiązuje test"));
}

QTableView *makeTable(QWidget *parent, QAbstractItemModel *model)
{
    auto *view = new QTableView(parent);
    view->setModel(model);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setSortIndicatorShown(true);
    return view;
}

QPushButton *button(QWidget *parent, const QString &text, const QString &hint)
{
    auto *b = new QPushButton(text, parent);
    b->setToolTip(hint);
    return b;
}

} // namespace

ClassWindow::ClassWindow(Classroom &classroom, ClassroomServer &srv, TeacherSettings &current,
                         const QString &teacherDir, QWidget *parent)
    : QMainWindow(parent), room(classroom), server(srv), settings(current), dir(teacherDir),
      pupilsModel(classroom), resultsModel(classroom)
{
    setObjectName(QStringLiteral("classWindow"));
    setWindowTitle(kCaption);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    summaryLabel = new QLabel(central);
    summaryLabel->setObjectName(QStringLiteral("summary"));
    summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summaryLabel->setStyleSheet(QStringLiteral("QLabel { background: #fff8d6; border: 1px solid #d9c98a; "
                                               "padding: 6px; }"));
    layout->addWidget(summaryLabel);
    auto *classRow = new QHBoxLayout;
    classBox = new QComboBox(central);
    classBox->setObjectName(QStringLiteral("className"));
    classBox->setEditable(true);
    classBox->setInsertPolicy(QComboBox::NoInsert);
    classBox->setMinimumContentsLength(10);
    classBox->lineEdit()->setPlaceholderText(QStringLiteral("np. 6b"));
    classBox->setToolTip(QStringLiteral("Klasa tej lekcji: jej wyniki trafiają do dziennika ocen"));
    classBox->setEnabled(false);
    auto *classLabel = new QLabel(QStringLiteral("&Klasa:"), central);
    classLabel->setBuddy(classBox);
    classRow->addWidget(classLabel);
    classRow->addWidget(classBox);
    classRow->addStretch(1);
    layout->addLayout(classRow);
    connect(classBox, &QComboBox::activated, this, [this] { chooseClass(classBox->currentText()); });
    connect(classBox->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { chooseClass(classBox->currentText()); });

    tabs = new QTabWidget(central);
    layout->addWidget(tabs, 1);

    // The class.
    auto *classPage = new QWidget(tabs);
    auto *classLayout = new QHBoxLayout(classPage);
    pupilsSorted = new PolishSortProxy(this);
    pupilsSorted->setSourceModel(&pupilsModel);
    pupilsSorted->setSortRole(kSortRole);
    pupilsView = makeTable(classPage, pupilsSorted);
    pupilsView->setObjectName(QStringLiteral("pupils"));
    pupilsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    pupilsView->setColumnWidth(PupilsModel::Name, 220);
    pupilsView->setColumnWidth(PupilsModel::Address, 130);
    pupilsView->sortByColumn(-1, Qt::AscendingOrder);
    classLayout->addWidget(pupilsView, 1);
    auto *commands = new QVBoxLayout;
    assignAllButton = button(classPage, QStringLiteral("Przydziel test wszystkim..."),
                             QStringLiteral("Wyślij test wszystkim zalogowanym uczniom"));
    assignSelectedButton = button(classPage, QStringLiteral("Przydziel test zaznaczonym..."),
                                  QStringLiteral("Wyślij test uczniom zaznaczonym na liście"));
    endTestButton = button(classPage, QStringLiteral("Zakończ test"),
                           QStringLiteral("Przerwij test uczniom, którzy go jeszcze rozwiązują"));
    messageButton = button(classPage, QStringLiteral("Wyślij wiadomość..."),
                           QStringLiteral("Pokaż wiadomość na komputerach wszystkich uczniów"));
    refreshButton = button(classPage, QStringLiteral("Odśwież stan"),
                           QStringLiteral("Zapytaj komputery uczniów, co teraz robią"));
    endLessonButton = button(classPage, QStringLiteral("Zakończ lekcję"),
                             QStringLiteral("Rozłącz wszystkich uczniów i zamknij ich programy"));
    forgetButton = button(classPage, QStringLiteral("Zapomnij konfigurację klasy..."),
                          QStringLiteral("Komputery uczniów przy następnym uruchomieniu będą pracować w trybie "
                                         "lokalnym"));
    removeButton = button(classPage, QStringLiteral("Usuń z listy"),
                          QStringLiteral("Usuń z listy zaznaczonych uczniów, którzy są rozłączeni"));
    removeButton->setObjectName(QStringLiteral("removeDisconnected"));
    for (QPushButton *b :
         {assignAllButton, assignSelectedButton, endTestButton, messageButton, refreshButton, removeButton})
        commands->addWidget(b);
    commands->addSpacing(24);
    commands->addWidget(endLessonButton);
    commands->addWidget(forgetButton);
    commands->addStretch(1);
    classLayout->addLayout(commands);
    tabs->addTab(classPage, QStringLiteral("Uczniowie"));

    // The results.
    auto *resultsPage = new QWidget(tabs);
    auto *resultsLayout = new QVBoxLayout(resultsPage);
    resultsSorted = new PolishSortProxy(this);
    resultsSorted->setSourceModel(&resultsModel);
    resultsSorted->setSortRole(kSortRole);
    resultsView = makeTable(resultsPage, resultsSorted);
    resultsView->setObjectName(QStringLiteral("results"));
    resultsView->setSelectionMode(QAbstractItemView::SingleSelection);
    resultsView->sortByColumn(-1, Qt::AscendingOrder);
    const int widths[] = {170, 230, 95, 55, 65, 70, 130};
    for (int c = 0; c < 7; ++c)
        resultsView->setColumnWidth(c, widths[c]);
    resultsLayout->addWidget(resultsView, 1);
    auto *resultButtons = new QHBoxLayout;
    exportButton = button(resultsPage, QStringLiteral("Eksportuj do CSV..."),
                          QStringLiteral("Zapisz wyniki w pliku dla arkusza kalkulacyjnego lub dziennika"));
    printButton = button(resultsPage, QStringLiteral("Drukuj listę..."),
                         QStringLiteral("Wydrukuj listę wyników klasy"));
    resultButtons->addStretch(1);
    resultButtons->addWidget(exportButton);
    resultButtons->addWidget(printButton);
    resultsLayout->addLayout(resultButtons);
    tabs->addTab(resultsPage, QStringLiteral("Wyniki lekcji"));
    logView = new QListWidget(tabs);
    logView->setObjectName(QStringLiteral("log"));
    tabs->addTab(logView, QStringLiteral("Dziennik"));
    setCentralWidget(central);

    // Menus, for the keyboard.
    QMenu *lesson = menuBar()->addMenu(QStringLiteral("&Lekcja"));
    lesson->addAction(QStringLiteral("Przydziel test wszystkim..."), QKeySequence(Qt::CTRL | Qt::Key_T), this,
                      &ClassWindow::assignToAll);
    lesson->addAction(QStringLiteral("Przydziel test zaznaczonym..."), this, &ClassWindow::assignToSelected);
    lesson->addAction(QStringLiteral("Zakończ test"), this, &ClassWindow::endTest);
    lesson->addAction(QStringLiteral("Wyślij wiadomość..."), QKeySequence(Qt::CTRL | Qt::Key_M), this,
                      &ClassWindow::sendMessage);
    lesson->addAction(QStringLiteral("Odśwież stan"), QKeySequence(Qt::Key_F5), this, &ClassWindow::refreshStates);
    removeAction = lesson->addAction(QStringLiteral("Usuń z listy"), QKeySequence::Delete, this,
                                     &ClassWindow::removeDisconnected);
    lesson->addSeparator();
    lesson->addAction(QStringLiteral("Zakończ lekcję"), this, &ClassWindow::endLesson);
    lesson->addAction(QStringLiteral("Zapomnij konfigurację klasy..."), this, &ClassWindow::forgetConfiguration);
    lesson->addSeparator();
    lesson->addAction(QStringLiteral("Zamknij"), QKeySequence(Qt::ALT | Qt::Key_F4), this, &QWidget::close);
    QMenu *resultsMenu = menuBar()->addMenu(QStringLiteral("&Wyniki"));
    resultsMenu->addAction(QStringLiteral("Eksportuj do CSV..."), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                           &ClassWindow::exportCsv);
    resultsMenu->addAction(QStringLiteral("Dziennik ocen..."), QKeySequence(Qt::CTRL | Qt::Key_D), this,
                           &ClassWindow::openGradebook);
    resultsMenu->addAction(QStringLiteral("Drukuj listę..."), QKeySequence(Qt::CTRL | Qt::Key_P), this,
                           &ClassWindow::print);
    QMenu *settingsMenu = menuBar()->addMenu(QStringLiteral("&Ustawienia"));
    settingsMenu->addAction(QStringLiteral("Ustawienia serwera..."), this, &ClassWindow::openSettings);
    settingsMenu->addAction(QStringLiteral("Dziennik ocen..."), this, &ClassWindow::openGradebookSettings);
    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Pomoc"));
    helpMenu->addAction(QStringLiteral("Jak prowadzić lekcję"), QKeySequence(Qt::Key_F1), this, &ClassWindow::openHelp);

    connect(assignAllButton, &QPushButton::clicked, this, &ClassWindow::assignToAll);
    connect(assignSelectedButton, &QPushButton::clicked, this, &ClassWindow::assignToSelected);
    connect(endTestButton, &QPushButton::clicked, this, &ClassWindow::endTest);
    connect(messageButton, &QPushButton::clicked, this, &ClassWindow::sendMessage);
    connect(refreshButton, &QPushButton::clicked, this, &ClassWindow::refreshStates);
    connect(endLessonButton, &QPushButton::clicked, this, &ClassWindow::endLesson);
    connect(forgetButton, &QPushButton::clicked, this, &ClassWindow::forgetConfiguration);
    connect(exportButton, &QPushButton::clicked, this, &ClassWindow::exportCsv);
    connect(printButton, &QPushButton::clicked, this, &ClassWindow::print);
    connect(removeButton, &QPushButton::clicked, this, &ClassWindow::removeDisconnected);
    connect(pupilsView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ClassWindow::updateCommands);
    connect(&room, &Classroom::pupilChanged, this, &ClassWindow::updateCommands);
    connect(&room, &Classroom::pupilRemoved, this, &ClassWindow::updateCommands);
    connect(&room, &Classroom::pupilRemoved, this, &ClassWindow::updateSummary);
    updateCommands();

    connect(&room, &Classroom::pupilAdded, this, &ClassWindow::updateSummary);
    connect(&room, &Classroom::pupilChanged, this, &ClassWindow::updateSummary);
    connect(&room, &Classroom::resultAdded, this, [this](int row) {
        const ClassResult &result = room.results()[size_t(row)];
        const ResultRecord &r = result.record;
        if (result.outcome == ClassResult::Outcome::Result)
            say(QStringLiteral("Wynik: %1 – %2").arg(r.user, r.grade));
        else
            say(QStringLiteral("%1: %2 – %3").arg(r.user, r.title, r.grade));
        tabs->setTabText(1, QStringLiteral("Wyniki lekcji (%1)").arg(room.results().size()));
    });
    connect(&room, &Classroom::resultReplaced, this, [this](int row) {
        const ResultRecord &r = room.results()[size_t(row)].record;
        say(QStringLiteral("Wynik: %1 – %2").arg(r.user, r.grade));
    });
    connect(&room, &Classroom::refused, this, &ClassWindow::say);
    connect(&server, &ClassroomServer::limitReached, this, &ClassWindow::say);
    connect(&room, &Classroom::storeFailed, this, [this](const Status &status) {
        showMessage(this, status.message + QStringLiteral("\r\nWynik jest widoczny w tabeli; wyeksportuj go do CSV."),
                    kCaption, Services::Icon::Error);
    });
    connect(&room, &Classroom::gradebookFailed, this, [this](const Status &status) {
        // Said once in full; the log keeps each later one.
        say(QStringLiteral("Dziennik ocen nie przyjął wyniku; jest w pliku Wyniki.tvw."));
        if (!gradebookFailureShown) {
            gradebookFailureShown = true;
            showMessage(this, status.message, kCaption, Services::Icon::Error);
        }
    });
    connect(&room, &Classroom::missingFile, this, [this](const QString &name, const QString &) {
        say(QStringLiteral("Na komputerze ucznia %1 brakuje pliku testu.").arg(name));
    });

    refreshTimer.setObjectName(QStringLiteral("refreshStates"));
    refreshTimer.setInterval(kRefreshMs);
    connect(&refreshTimer, &QTimer::timeout, this, [this] {
        if (room.connectedCount() > 0)
            room.requestStates();
    });
    refreshTimer.start();
    updateSummary();
    resize(980, 600);
}

// ---------------------------------------------------------------------------

QString ClassWindow::summary() const
{
    QString text;
    if (server.listening())
        text = QStringLiteral("Serwer: %1      Hasło dostępu: %2").arg(server.ownAddress(), settings.password);
    else
        text = QStringLiteral("Serwer nie działa – uczniowie nie mogą się połączyć.");
    text += QStringLiteral("      Zalogowani: %1 z %2").arg(room.connectedCount()).arg(room.pupils().size());
    text += room.testRunning() ? QStringLiteral("      Trwa test") : QStringLiteral("      Brak testu");
    return text;
}

void ClassWindow::updateSummary()
{
    summaryLabel->setText(summary());
}

void ClassWindow::say(const QString &text)
{
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss  ")) + text;
    statusBar()->showMessage(line);
    // The lesson's log keeps what the status line showed; the oldest go first.
    constexpr int kLogLines = 2000;
    logView->addItem(line);
    while (logView->count() > kLogLines)
        delete logView->takeItem(0);
    logView->scrollToBottom();
}

QString ClassWindow::solvingWarning() const
{
    int solving = 0;
    for (const Pupil &p : room.pupils())
        solving += p.busy() ? 1 : 0;
    if (solving == 0)
        return QString();
    return QStringLiteral("Uwaga: %1. %2\r\n")
        .arg(pupilsSolving(solving), solving == 1 ? QStringLiteral("Jego wynik nie zostanie zapisany.")
                                                  : QStringLiteral("Ich wyniki nie zostaną zapisane."));
}

bool ClassWindow::confirm(const QString &text)
{
    return showMessage(this, text, kCaption, Services::Icon::Question, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

std::vector<int> ClassWindow::selectedPupils() const
{
    std::vector<int> out;
    for (const QModelIndex &i : pupilsView->selectionModel()->selectedRows())
        out.push_back(pupilsSorted->mapToSource(i).row());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<int> ClassWindow::resultsInViewOrder() const
{
    std::vector<int> out;
    for (int r = 0; r < resultsSorted->rowCount(); ++r)
        out.push_back(resultsSorted->mapToSource(resultsSorted->index(r, 0)).row());
    return out;
}

// ---------------------------------------------------------------------------
// Commands

void ClassWindow::assign(const std::vector<int> &to, const QString &whom)
{
    if (room.connectedCount() == 0) {
        showMessage(this, QStringLiteral("Nikt nie jest zalogowany."), kCaption, Services::Icon::Information);
        return;
    }
    AssignDialog dialog(whom, this);
    if (Services::get().execModal(dialog) != QDialog::Accepted || dialog.chosenCode() == 0)
        return;
    const int code = dialog.chosenCode();
    const int n = room.assign(code, to);
    say(QStringLiteral("Test „%1” wysłano: %2.").arg(catalogue::promptNameFor(code), toPupils(n)));
    updateSummary();
}

std::vector<int> ClassWindow::removablePupils() const
{
    std::vector<int> out;
    for (const int p : selectedPupils())
        if (!room.pupils()[size_t(p)].connected())
            out.push_back(p);
    return out;
}

void ClassWindow::updateCommands()
{
    assignSelectedButton->setEnabled(!selectedPupils().empty());
    const bool removable = !removablePupils().empty();
    removeButton->setEnabled(removable);
    removeAction->setEnabled(removable);
}

void ClassWindow::removeDisconnected()
{
    std::vector<int> gone = removablePupils();
    if (gone.empty()) {
        say(QStringLiteral("Z listy można usunąć tylko ucznia, który jest rozłączony."));
        return;
    }
    // From the last, so that the indexes still to go stay right.
    std::sort(gone.rbegin(), gone.rend());
    int n = 0;
    for (const int p : gone)
        n += room.removePupil(p) ? 1 : 0;
    say(QStringLiteral("Usunięto z listy: %1.").arg(ofPupils(n)));
}

void ClassWindow::openHelp()
{
    const QString page = help::page(files::dataDir(), kTeacherHelp);
    if (page.isEmpty()) {
        showMessage(this, QStringLiteral("Nie można odnaleźć pomocy programu nauczyciela (%1/%2).")
                              .arg(help::kFolder, kTeacherHelp),
                    kCaption, Services::Icon::Error);
        return;
    }
    Services::get().openWithDesktop(fileUrl(page));
}

void ClassWindow::assignToAll()
{
    assign({}, QStringLiteral("Test otrzymają wszyscy zalogowani uczniowie (%1).").arg(room.connectedCount()));
}

void ClassWindow::assignToSelected()
{
    const std::vector<int> chosen = selectedPupils();
    if (chosen.empty()) {
        showMessage(this, QStringLiteral("Zaznacz na liście uczniów, którzy mają otrzymać test."), kCaption,
                    Services::Icon::Information);
        return;
    }
    QStringList names;
    for (const int p : chosen)
        names << room.pupils()[size_t(p)].name;
    assign(chosen, QStringLiteral("Test otrzymają: ") + names.join(QStringLiteral(", ")));
}

void ClassWindow::endTest()
{
    if (!room.testRunning()) {
        say(QStringLiteral("Nikt nie rozwiązuje testu."));
        return;
    }
    if (!confirm(QStringLiteral("Przerwać test uczniom, którzy go jeszcze rozwiązują?\r\n"
                                "Wynik, który program ucznia już wysyła z okna wyniku, zostanie jeszcze przyjęty.")))
        return;
    say(QStringLiteral("Test przerwano: %1.").arg(toPupils(room.endTest())));
    updateSummary();
}

void ClassWindow::sendMessage()
{
    const std::optional<QString> text = Services::get().input(
        this, QStringLiteral("Wiadomość do uczniów"), QStringLiteral("Treść wiadomości dla wszystkich uczniów:"),
        QString());
    if (!text || text->trimmed().isEmpty())
        return;
    say(QStringLiteral("Wiadomość wysłano: %1.").arg(toPupils(room.sendMessage(*text))));
}

void ClassWindow::refreshStates()
{
    room.requestStates();
    refreshTimer.start(); // the next automatic question a full period later
}

void ClassWindow::endLesson()
{
    if (room.connectedCount() == 0) {
        say(QStringLiteral("Nikt nie jest zalogowany."));
        return;
    }
    const QString question = solvingWarning()
        + QStringLiteral("Zakończyć lekcję? Wszyscy uczniowie zostaną rozłączeni, a ich programy Terravia zamknięte.");
    if (!confirm(question))
        return;
    say(QStringLiteral("Lekcję zakończono, rozłączono %1.").arg(ofPupils(room.endLesson())));
}

void ClassWindow::forgetConfiguration()
{
    if (room.connectedCount() == 0) {
        say(QStringLiteral("Nikt nie jest zalogowany."));
        return;
    }
    if (!confirm(QStringLiteral("Zapomnieć konfigurację klasy na komputerach zalogowanych uczniów?\r\n"
                                "Po następnym uruchomieniu Terravia będzie tam pracować w trybie lokalnym, "
                                "bez łączenia się z tym serwerem.")))
        return;
    say(QStringLiteral("Konfigurację klasy usunięto u %1.").arg(ofPupils(room.forgetConfiguration())));
}

void ClassWindow::exportCsv()
{
    if (room.results().empty()) {
        showMessage(this, QStringLiteral("Nie ma jeszcze żadnych wyników."), kCaption, Services::Icon::Information);
        return;
    }
    const QString suggested = QDir(dir).filePath(
        QStringLiteral("wyniki-%1.csv").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    const QString path = Services::get().saveFileName(this, QStringLiteral("Eksport wyników"), suggested,
                                                      QStringLiteral("Pliki CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(resultsCsv(room.results(), resultsInViewOrder())) < 0
        || !f.commit()) {
        showMessage(this, QStringLiteral("Nie można zapisać pliku %1:\r\n%2").arg(path, f.errorString()), kCaption,
                    Services::Icon::Error);
        return;
    }
    say(QStringLiteral("Wyniki zapisano w pliku %1.").arg(path));
}

void ClassWindow::print()
{
    if (room.results().empty()) {
        showMessage(this, QStringLiteral("Nie ma jeszcze żadnych wyników."), kCaption, Services::Icon::Information);
        return;
    }
    const QString heading = QStringLiteral("Wyniki klasy – ") + QDate::currentDate().toString(QStringLiteral("d.MM.yyyy"));
    printLines(this, QStringLiteral("Wyniki klasy"), printedList(room.results(), resultsInViewOrder(), heading), 11,
               kCaption);
}

void ClassWindow::setGradebook(Gradebook *book)
{
    gradebook = book;
    room.setGradebook(book);
    const bool open = book && book->isOpen();
    classBox->setEnabled(open);
    classBox->clear();
    if (open)
        classBox->addItems(book->classes());
    classBox->setCurrentText(room.className());
}

void ClassWindow::askClass()
{
    if (!gradebook || !gradebook->isOpen())
        return;
    const std::optional<QString> name =
        Services::get().input(this, kCaption, QStringLiteral("Z którą klasą zaczynasz lekcję (np. 6b)?\r\n"
                                                           "Znane klasy: %1")
                                                  .arg(classBox->count() ? gradebook->classes().join(QStringLiteral(", "))
                                                                         : QStringLiteral("jeszcze żadnej")),
                              room.className());
    if (name)
        chooseClass(*name);
}

void ClassWindow::chooseClass(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed == room.className())
        return;
    room.setClassName(trimmed);
    if (!trimmed.isEmpty() && classBox->findText(trimmed) < 0)
        classBox->addItem(trimmed);
    classBox->setCurrentText(trimmed);
    say(trimmed.isEmpty() ? QStringLiteral("Lekcja bez klasy: wyniki nie trafią do dziennika ocen.")
                          : QStringLiteral("Lekcja klasy %1.").arg(trimmed));
}

GradebookWindow *ClassWindow::openGradebook()
{
    if (!gradebook || !gradebook->isOpen()) {
        showMessage(this,
                    QStringLiteral("Dziennik ocen nie jest dostępny (zobacz komunikat przy uruchomieniu). "
                                   "Wyniki lekcji są zapisywane w pliku Wyniki.tvw."),
                    kCaption, Services::Icon::Information);
        return nullptr;
    }
    // Made anew each time, so a class begun since is on its list.
    delete gradebookWindow;
    gradebookWindow = new GradebookWindow(*gradebook, this);
    gradebookWindow->showClass(room.className());
    gradebookWindow->show();
    gradebookWindow->raise();
    gradebookWindow->activateWindow();
    return gradebookWindow;
}

void ClassWindow::openGradebookSettings()
{
    if (!gradebook)
        return;
    const GradebookPlace before = gradebookPlace(dir);
    GradebookSettingsDialog dialog(before, this);
    if (Services::get().execModal(dialog) != QDialog::Accepted)
        return;
    const GradebookPlace chosen = dialog.place();
    // The new place must open before it is kept; until then the old one serves.
    gradebook->close();
    const Status opened = gradebook->open(chosen);
    if (!opened) {
        gradebook->open(before);
        showMessage(this, opened.message + QStringLiteral("\r\nDziennik ocen pozostaje tam, gdzie był."), kCaption,
                    Services::Icon::Error);
        return;
    }
    const Status saved = saveGradebookPlace(dir, chosen);
    if (!saved)
        showMessage(this, saved.message, kCaption, Services::Icon::Error);
    room.gradebookReplaced();
    delete gradebookWindow; // it showed the old place's results
    gradebookWindow = nullptr;
    say(chosen.kind == GradebookPlace::Kind::PostgreSQL
            ? QStringLiteral("Dziennik ocen: serwer %1, baza %2.").arg(chosen.host, chosen.database)
            : QStringLiteral("Dziennik ocen: plik w folderze nauczyciela."));
}

void ClassWindow::openSettings()
{
    SettingsDialog dialog(settings, dir, this);
    if (Services::get().execModal(dialog) != QDialog::Accepted)
        return;
    const TeacherSettings chosen = dialog.settings();
    const Status saved = save(dir, chosen);
    if (!saved) {
        showMessage(this, saved.message, kCaption, Services::Icon::Error);
        return;
    }
    settings = chosen;
    server.setPassword(chosen.password);
    room.setAdmitLateComers(chosen.admitLateComers);
    updateSummary();
}

void ClassWindow::closeEvent(QCloseEvent *event)
{
    if (room.connectedCount() > 0) {
        if (!confirm(solvingWarning() + QStringLiteral("Uczniowie są nadal zalogowani. Zakończyć lekcję i zamknąć program?\r\n"
                                    "Programy uczniów zostaną zamknięte."))) {
            event->ignore();
            return;
        }
        room.endLesson();
        // Let the pupils' programs read "00" and close first; a connection
        // cut from this side might lose the line on its way.
        QElapsedTimer waited;
        waited.start();
        while (server.openConnections() > 0 && waited.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    event->accept();
}

} // namespace tv::teacher
