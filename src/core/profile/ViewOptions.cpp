#include "ViewOptions.h"

#include "platform/Files.h"
#include "platform/LineFile.h"

#include <QFile>

namespace tv {

namespace {

const QByteArray kFitMapKey = "fit-map";

} // namespace

ViewOptions parseViewOptions(const QByteArray &bytes)
{
    ViewOptions options;
    for (const QByteArray &raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        if (key == kFitMapKey && (value == "0" || value == "1"))
            options.fitMap = value == "1";
    }
    return options;
}

QByteArray formatViewOptions(const ViewOptions &options)
{
    return kFitMapKey + '=' + (options.fitMap ? '1' : '0') + '\n';
}

ViewOptions loadViewOptions(const QString &dir)
{
    QFile f(files::resolve(dir, kViewFile));
    if (!f.open(QIODevice::ReadOnly))
        return ViewOptions();
    return parseViewOptions(f.read(4096));
}

Status saveViewOptions(const QString &dir, const ViewOptions &options)
{
    if (!files::ensureDir(dir))
        return Status::failure(QStringLiteral("Nie można utworzyć folderu %1").arg(dir));
    return lines::writeBytes(files::resolve(dir, kViewFile), formatViewOptions(options));
}

} // namespace tv
