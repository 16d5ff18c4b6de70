#pragma once

#include <QWidget>

class QLabel;

namespace tv {

// The small "loading a test" window: borderless, on top, centred; the test
// window writes its current action into the second line while it loads.
class LoadingWindow : public QWidget {
    Q_OBJECT

public:
    explicit LoadingWindow(QWidget *parent = nullptr);

    // Shows the window centred on the screen and paints it at once.
    void showNow();
    // Sets the action line and repaints it at once.
    void setAction(const QString &text);
    QString action() const;

signals:
    void actionChanged(const QString &text);

private:
    QLabel *actionLine = nullptr;
};

} // namespace tv
