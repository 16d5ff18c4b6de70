#include "HelpFiles.h"

#include "platform/Files.h"

namespace tv::help {

QString page(const QString &dataDir, const QString &name)
{
    if (!files::exists(dataDir, kFolder))
        return QString();
    const QString folder = files::resolve(dataDir, kFolder);
    return files::exists(folder, name) ? files::resolve(folder, name) : QString();
}

QString document(const QString &dataDir, bool windows)
{
    const QString chm = files::exists(dataDir, kChm) ? files::resolve(dataDir, kChm) : QString();
    const QString html = page(dataDir, kIndex);
    if (windows)
        return chm.isEmpty() ? html : chm;
    return html.isEmpty() ? chm : html;
}

} // namespace tv::help
