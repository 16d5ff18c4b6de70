// The results browser and filter on a workstation used for years: a
// Wyniki.tvw of 100 000 records. Opening the browser, sorting by each
// column, filtering and deleting one record, against reading the file's
// bytes alone. Targets: open < 1 s, sort < 300 ms, filter < 500 ms,
// delete one record < 1 s.

#include "Parts.h"
#include "Scripted.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "quiz/Grades.h"
#include "results/ResultsFile.h"
#include "results/ResultsFilter.h"
#include "results/ResultsFilterDialog.h"
#include "results/ResultsBrowser.h"
#include "results/ResultsCommands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tv;

namespace {

using namespace tv::test::parts;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

// Years of a school's results: a few hundred pupils, every test, every grade.
results::Records generate(int count)
{
    const QStringList first{"Ala", "Ola", "Łucja", "Zofia", "Bartek", "Cezary", "Żaneta", "Śmigły", "Ewa", "Jan",
                            "Krzysztof", "Małgorzata", "Paweł", "Agnieszka", "Tomasz"};
    const QStringList last{"Nowak", "Kowalski", "Wiśniewska", "Wójcik", "Kowalczyk", "Kamiński", "Lewandowska",
                           "Zieliński", "Szymańska", "Woźniak", "Dąbrowski", "Kozłowska", "Jankowski", "Mazur",
                           "Kwiatkowska", "Krawczyk", "Piotrowski", "Grabowska", "Nowakowski", "Pawłowska"};
    const QStringList &titles = results::testTitles();
    results::Records out;
    out.reserve(static_cast<size_t>(count));
    quint32 x = 2024;
    auto next = [&x](quint32 n) {
        x = x * 1664525u + 1013904223u;
        return (x >> 8) % n;
    };
    for (int i = 0; i < count; ++i) {
        const int markers = 5 + static_cast<int>(next(13));
        const int good = static_cast<int>(next(markers + 1));
        out.push_back({first.at(next(first.size())) + " " + last.at(next(last.size())), titles.at(next(titles.size())),
                       timeText(static_cast<int>(next(900))), QString::number(markers), QString::number(good),
                       QString::number(markers - good), singleTestGrade(markers, good).label});
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    test::TempDataDir data;
    test::ScriptedServices services;

    const int records = qEnvironmentVariableIntValue("RECORDS") ? qEnvironmentVariableIntValue("RECORDS") : 100000;
    const int rounds = qEnvironmentVariableIntValue("ROUNDS") ? qEnvironmentVariableIntValue("ROUNDS") : 5;
    const QByteArray file = results::recordBytes(generate(records));
    data.write("Wyniki.tvw", file);
    data.writeLines("konf.dat", {"1", "0", "", "", "1", "Ala Nowak", "Ola Mazur"});

    auto *program = new Application;
    MainWindow *main = &program->mainWindow();
    main->resize(1280, 800);
    main->show();
    QCoreApplication::processEvents();

    std::vector<double> floor, open, openPainted, del;
    std::vector<std::vector<double>> sort(results::ColumnCount);
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        {
            QFile f(data.file("Wyniki.tvw"));
            f.open(QIODevice::ReadOnly);
            if (f.readAll().size() != file.size())
                return 1;
        }
        floor.push_back(ms(t));

        t.restart();
        program->results().openResults();
        open.push_back(ms(t));
        QCoreApplication::processEvents(); // the first paint of the table
        openPainted.push_back(ms(t));
        ResultsBrowser *w = program->results().findBrowser();
        if (!w || w->rows().size() != static_cast<size_t>(records))
            return 2;

        // Each column after another, so that every sort has work to do.
        for (int c : {6, 4, 0, 2, 1, 5, 3}) {
            t.restart();
            w->sortByColumn(c);
            QCoreApplication::processEvents();
            sort[c].push_back(ms(t));
        }

        w->selectRow(records / 2);
        services.answers << QMessageBox::Yes;
        t.restart();
        w->deleteSelected();
        del.push_back(ms(t));
        if (w->rows().size() != static_cast<size_t>(records - 1) || !services.lastText().startsWith("Czy"))
            return 3;
        main->closeActiveChild();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        data.write("Wyniki.tvw", file); // back to the whole file for the next round
    }

    // The filter: reading the line store when it is shown, then OK (choose
    // the records, write tmp.tvw, open the browser on them).
    ResultsFilterDialog *filter = &program->filterDialog();
    struct Case {
        const char *name;
        QRadioButton *radio;
        QString entry;
    };
    const Case cases[] = {
        {"by user ", byUserRadio(filter), QStringLiteral("Ala Nowak")},
        {"by grade", byGradeRadio(filter), QStringLiteral("Dobry")},
        {"by test ", byTestRadio(filter), QStringLiteral("Test: Różne - Flagi państw Cz. 1")},
    };
    std::vector<double> activate;
    std::vector<std::vector<double>> ok(3);
    std::vector<size_t> kept(3);
    for (int r = 0; r < rounds; ++r) {
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer t;
            t.start();
            filter->show();
            activate.push_back(ms(t));
            cases[i].radio->click();
            const auto items = choiceList(filter)->findItems(cases[i].entry, Qt::MatchExactly);
            if (items.isEmpty())
                return 4;
            choiceList(filter)->setCurrentItem(items.first());
            filter->takeChoice();
            t.restart();
            filter->applyFilter();
            ok[i].push_back(ms(t));
            ResultsBrowser *w = program->results().findBrowser();
            if (!w || !w->filterMode())
                return 5;
            kept[i] = w->rows().size();
            main->closeActiveChild();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    delete program;

    const double f = median(floor);
    std::printf("results_browser: Wyniki.tvw of %d records, %.1f MB, %d rounds (medians)\n", records,
                file.size() / 1e6, rounds);
    std::printf("  read the bytes alone (floor) : %8.2f ms\n", f);
    std::printf("  open the browser             : %8.2f ms  x%6.1f   (target < 1000 ms)\n", median(open),
                median(open) / f);
    std::printf("  open + first paint           : %8.2f ms  x%6.1f\n", median(openPainted), median(openPainted) / f);
    const char *headings[] = {"Użytkownik", "Test", "Czas", "W sumie zadań", "Dobrych", "Złych", "Ocena"};
    for (int c = 0; c < results::ColumnCount; ++c)
        std::printf("  sort by %s : %8.2f ms  x%6.1f   (target < 300 ms)\n",
                    QStringLiteral("%1").arg(QString::fromUtf8(headings[c]), -20).toUtf8().constData(),
                    median(sort[c]), median(sort[c]) / f);
    std::printf("  filter: read at showing      : %8.2f ms  x%6.1f\n", median(activate), median(activate) / f);
    for (int i = 0; i < 3; ++i)
        std::printf("  filter %s (%6zu kept) : %8.2f ms  x%6.1f   (target < 500 ms)\n", cases[i].name, kept[i],
                    median(ok[i]), median(ok[i]) / f);
    std::printf("  delete one record            : %8.2f ms  x%6.1f   (target < 1000 ms)\n", median(del),
                median(del) / f);
    return 0;
}
