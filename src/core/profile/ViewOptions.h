#pragma once

#include "platform/Status.h"

#include <QByteArray>
#include <QString>

namespace tv {

// How the map windows show their pictures, chosen by each user of the
// computer: kept in a file of its own in the user's configuration folder,
// because konf.dat's format is fixed and a copy of the program may be shared.
inline const QString kViewFile = QStringLiteral("Widok.dat");

struct ViewOptions {
    // The map and the place game's picture grow to fill their window.
    bool fitMap = true;
};

// Lines "key=value"; unknown keys and unreadable values keep the default,
// so a file from a later version still reads.
ViewOptions parseViewOptions(const QByteArray &bytes);
QByteArray formatViewOptions(const ViewOptions &options);

ViewOptions loadViewOptions(const QString &dir);
Status saveViewOptions(const QString &dir, const ViewOptions &options);

} // namespace tv
