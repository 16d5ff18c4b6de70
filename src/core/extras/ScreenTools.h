#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The programs the screen window asks to change the display or to show the
// system's display settings.
namespace tv::screen {

struct Command {
    QString program;
    QStringList arguments;
    bool valid() const { return !program.isEmpty(); }
};

// X11: asks for width x height only; the colour depth stays as it is.
Command resizeCommand(int width, int height);

// The system's display settings: on Windows the control panel's "desktop";
// elsewhere the display tool of the running desktop (XDG_CURRENT_DESKTOP, a
// list separated by colons), else the first display tool that is installed.
// installed tells whether a program can be found; an invalid command when
// there is none.
Command displaySettingsTool(bool windows, const QString &currentDesktop,
                            const std::function<bool(const QString &program)> &installed);

} // namespace tv::screen
