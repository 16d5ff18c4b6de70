#pragma once

#include "app/Locking.h"

#include <QPixmap>
#include <QString>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace tv {

// What the other windows may ask of the main window: its title strip,
// status panels and caption, the three locking operations, its child
// windows and its background panel. They see no more of it than this.
class Shell {
public:
    enum StatusPanel { ProgramPanel = 0, TestPanel = 1, ModePanel = 2, DatePanel = 3 };

    virtual ~Shell() = default;

    // The window messages and dialogs of the others are centred on.
    virtual QWidget *frame() = 0;

    virtual QString title() const = 0;
    virtual void setTitle(const QString &text) = 0;
    virtual QString statusText(int panel) const = 0;
    virtual void setStatusText(int panel, const QString &text) = 0;
    virtual void setCaption(const QString &text) = 0;

    // A test window (or a results window) is about to open.
    virtual void lockForTest() = 0;
    // Back to the idle local state.
    virtual void unlockAfterTest() = 0;
    // The client-server session lock.
    virtual void lockForSession() = 0;
    virtual void setCommandEnabled(Command command, bool enabled) = 0;

    // The "Wszystko o..." running score is shown between the tests of a chain.
    virtual bool showScoreOn() const = 0;

    virtual void setBackgroundVisible(bool visible) = 0;

    // Child windows fill the client area; each is deleted when it closes.
    virtual QMdiSubWindow *addChildWindow(QWidget *child) = 0;
    virtual QMdiArea *childArea() const = 0;
    virtual bool hasChildWindow() const = 0;
    // Closes the active child window (it may refuse) and restores the caption.
    virtual void closeActiveChild() = 0;

    // The picture the chosen skin puts behind a test window; none in the
    // standard look.
    virtual QPixmap testWindowPicture() const { return QPixmap(); }
};

} // namespace tv
