#pragma once
// The logo window shown modally at start: the maker's logo for 1.9 s with a second picture added
// at its lower right after 1.1 s, or the operator's own splash.jpg (from the shared folder) alone
// for 2.7 s. A click on the logo picture closes it at once. It is not scaled to the screen.
#include <QDialog>
#include <QPixmap>

#include <memory>

class DesignLayout;
class QLabel;
class QTimer;

class frmQuoltLogo : public QDialog {
    Q_OBJECT
public:
    explicit frmQuoltLogo(QWidget* parent = nullptr);
    ~frmQuoltLogo() override;

    // Design sizes (twips) and the built-in pictures' sizes (pixels).
    static constexpr double ClientWidthTwips = 14355, ClientHeightTwips = 7920;
    static constexpr double Image1LeftTwips = -480, Image1TopTwips = -240;
    static constexpr int LogoWidth = 1000, LogoHeight = 563;
    static constexpr int SecondWidth = 316, SecondHeight = 85;
    static constexpr int CloseMs = 1900, SecondPictureMs = 1100, UserPictureCloseMs = 2700;

    // The two built-in pictures, drawn by the program.
    static QPixmap builtInLogo();
    static QPixmap builtInSecond();

    // True when the operator's splash.jpg replaced the built-in logo.
    bool showsUserPicture() const { return userPicture_; }

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QTimer* Timer1 = nullptr;   // closes the window
    QTimer* Timer2 = nullptr;   // shows the second picture

    void Image1_Click();
    void Timer1_Timer();
    void Timer2_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    // Places a picture label at its own size (the window is not scaled).
    void showAtOwnSize(const QString& image, const QPixmap& picture, double leftTwips, double topTwips);
    std::unique_ptr<DesignLayout> design_;
    bool userPicture_ = false;
};
