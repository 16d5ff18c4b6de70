#include "Learning.h"
#include "quiz/MarkerRules.h"

#include "Shuffle.h"
#include "catalogue/Catalogue.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace tv::learning {

QString retestTitle(const QString &title)
{
    return title.endsWith(kRetestSuffix) ? title : title + kRetestSuffix;
}

QString originalTitle(const QString &title)
{
    return title.endsWith(kRetestSuffix) ? title.left(title.size() - kRetestSuffix.size()) : title;
}

QString markerDescription(int marker, const QString &caption, MarkerState state, const QString &correction)
{
    QString text = QStringLiteral("Pole %1: %2").arg(marker).arg(caption.isEmpty() ? QStringLiteral("puste") : caption);
    if (state == MarkerState::Good)
        text += QStringLiteral(", dobrze");
    else if (state == MarkerState::Bad)
        text += QStringLiteral(", źle");
    if (!correction.isEmpty())
        text += QStringLiteral("; poprawnie: ") + correction;
    return text;
}

QString correctionHint(const MapTest::Correction &c)
{
    if (c.right.isEmpty())
        return QString();
    return QStringLiteral("Pole %1 \u2013 poprawnie: %2").arg(c.marker).arg(c.right);
}

QStringList retestNames(const MapTest &judged, std::uint64_t seed)
{
    QStringList right;
    for (const MapTest::Correction &c : judged.corrections())
        right.append(c.right);
    QStringList out;
    for (int i : shuffledOrder(right.size(), seed))
        out.append(right.at(i));
    return out;
}

QList<SheetName> sheetNames(const QStringList &description, int count, Order order, std::uint64_t seed)
{
    QList<SheetName> names;
    for (int i = 0; i < count && i < description.size(); ++i) {
        const auto number = answerNumber(description.at(i));
        names.append({answerName(description.at(i)), number ? markers::markerOfAnswer(*number) : 0});
    }
    if (order == Order::Alphabetical) {
        QCollator polish{QLocale(QLocale::Polish, QLocale::Poland)};
        polish.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(names.begin(), names.end(),
                         [&](const SheetName &a, const SheetName &b) { return polish.compare(a.name, b.name) < 0; });
        return names;
    }
    QList<SheetName> shuffled;
    for (int i : shuffledOrder(names.size(), seed))
        shuffled.append(names.at(i));
    return shuffled;
}

QString sheetLine(const SheetName &n, bool key)
{
    return n.name + QStringLiteral(" \u2013 ") + (key ? QString::number(n.marker) : QStringLiteral("____"));
}

QList<SheetSource> sheetSources(const LaunchRequest &request, const ChainProgress &chain)
{
    QList<SheetSource> out;
    if (chain.active) {
        for (const ChainStep &s : catalogue::chainSteps(chain.chain)) {
            // On paper a step is the map test it is, not "[Obecny test (3) z (8): ...]".
            const CatalogueEntry *single = nullptr;
            for (const CatalogueEntry &e : catalogue::singleTests())
                if (e.configurationFile.compare(s.configurationFile, Qt::CaseInsensitive) == 0)
                    single = &e;
            out.append({single ? single->title : s.title, s.configurationFile, s.descriptionFile, s.pictureFile});
        }
        return out;
    }
    for (const CatalogueEntry &e : catalogue::singleTests())
        if (e.configurationFile.compare(request.configurationFile, Qt::CaseInsensitive) == 0
            && !request.configurationFile.isEmpty()) {
            out.append({e.title, e.configurationFile, e.descriptionFile, e.pictureFile});
            break;
        }
    return out;
}

bool landscapeFor(QSize picture)
{
    return picture.width() > picture.height();
}

} // namespace tv::learning
