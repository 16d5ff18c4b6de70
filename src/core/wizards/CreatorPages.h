#pragma once

#include "catalogue/Catalogue.h"

#include <QString>

#include <vector>

namespace tv::creator {

// One option of a topic page and the catalogue test it launches, by its
// server code.
struct Option {
    QString caption;
    int code;
};

// What an item of the start list leads to.
enum class Target { TopicPage, ChainPage, RandomPage, Game };

struct StartItem {
    QString caption; // as listed, without the two leading blanks
    Target target;
    QString page;    // object name of the page
    QString heading;
    std::vector<Option> options; // topic pages only, top to bottom
};

// The start list, in list order (index 0..12).
const std::vector<StartItem> &startItems();
// The pages in the order the page control holds them.
const std::vector<QString> &pageOrder();

// The composite page's options: each starts the catalogue's chain, under
// the creator's own title and status text.
struct ChainOption {
    QString caption;
    ChainEntry entry;
};
const std::vector<ChainOption> &chainOptions();

// The one option whose status panel text differs from its title.
QString statusTextFor(const QString &page, const QString &option, const QString &title);

} // namespace tv::creator
