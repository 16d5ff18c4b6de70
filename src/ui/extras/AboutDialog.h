#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace tv {

// "O programie": the product, its version and description, the addresses
// and the authors. Created once at start-up; it opens by growing from a
// small strip to its designed size and stays open beside the main window.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // Deliberately not multiples of 5: the opening still ends exactly here.
    static constexpr int kWidth = 433;
    static constexpr int kHeight = 337;

    explicit AboutDialog(QWidget *parent = nullptr);

    // Shows the box (not modally) with its opening animation.
    void openAnimated();

    // What the mouse does over the box's parts.
    void hoverLink(int index); // that link red, the others blue
    void hoverGroup();         // all links blue
    void hoverAuthor();        // author in bold
    void hoverBackground();    // author normal again
    // Clicks: the two mail addresses, the web page, the authors.
    void openLink(int index);
    void openAuthors();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void paintLinks(int red);
    void centre();

    std::array<QLabel *, 3> links{};
    QGroupBox *addresses = nullptr;
    QLabel *author = nullptr;
    QPushButton *okButton = nullptr;
};

} // namespace tv
