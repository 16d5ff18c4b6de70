#include "ScreenTools.h"

namespace tv::screen {

Command resizeCommand(int width, int height)
{
    return {QStringLiteral("xrandr"), {QStringLiteral("-s"), QStringLiteral("%1x%2").arg(width).arg(height)}};
}

Command displaySettingsTool(bool windows, const QString &currentDesktop,
                            const std::function<bool(const QString &)> &installed)
{
    if (windows)
        return {QStringLiteral("control"), {QStringLiteral("desktop")}};

    struct Tool {
        const char *desktop; // as XDG_CURRENT_DESKTOP names it
        const char *program;
        QStringList arguments;
    };
    static const Tool tools[] = {
        {"GNOME", "gnome-control-center", {QStringLiteral("display")}},
        {"KDE", "kcmshell6", {QStringLiteral("kcm_kscreen")}},
        {"KDE", "kcmshell5", {QStringLiteral("kcm_kscreen")}},
        {"XFCE", "xfce4-display-settings", {}},
        {"X-Cinnamon", "cinnamon-settings", {QStringLiteral("display")}},
        {"MATE", "mate-display-properties", {}},
        {"Budgie", "budgie-control-center", {QStringLiteral("display")}},
        {"LXQt", "lxqt-config-monitor", {}},
        {"LXDE", "lxrandr", {}},
        {"", "arandr", {}},
    };
    const QStringList desktops = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &d : desktops)
        for (const Tool &t : tools)
            if (d.compare(QLatin1String(t.desktop), Qt::CaseInsensitive) == 0 && installed(QLatin1String(t.program)))
                return {QLatin1String(t.program), t.arguments};
    for (const Tool &t : tools)
        if (installed(QLatin1String(t.program)))
            return {QLatin1String(t.program), t.arguments};
    return {};
}

} // namespace tv::screen
