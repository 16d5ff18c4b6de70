#pragma once

#include <QPixmap>
#include <QWidget>

namespace tv {

// The elliptical splash window shown for one second at start-up.
class SplashScreen : public QWidget {
    Q_OBJECT

public:
    explicit SplashScreen(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture;
};

} // namespace tv
