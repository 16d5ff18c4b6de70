#include "Help.h"

#include "extras/HelpFiles.h"
#include "platform/Files.h"
#include "platform/Services.h"

namespace tv {

bool openHelp(QWidget *parent, const QString &missingMessage)
{
#ifdef Q_OS_WIN
    const bool windows = true;
#else
    const bool windows = false;
#endif
    const QString document = help::document(files::dataDir(), windows);
    if (document.isEmpty()) {
        showMessage(parent, missingMessage, QStringLiteral("Terravia"), Services::Icon::None);
        return false;
    }
    Services::get().openWithDesktop(fileUrl(document));
    return true;
}

} // namespace tv
