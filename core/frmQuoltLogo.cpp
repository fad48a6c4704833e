#include "core/frmQuoltLogo.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "core/DesignWindow.h"
#include "core/Files.h"
#include "core/modGlobalPreferences.h"
#include "platform/Screen.h"

namespace {

QFont cardFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

}   // namespace

QPixmap frmQuoltLogo::builtInLogo()
{
    QPixmap pm(LogoWidth, LogoHeight);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, LogoHeight);
    bg.setColorAt(0, QColor(12, 36, 84));
    bg.setColorAt(1, QColor(4, 12, 32));
    p.fillRect(pm.rect(), bg);
    // A stylised antenna with radiating arcs on the left.
    p.setPen(QPen(QColor(250, 200, 60), 6));
    p.drawLine(190, 420, 190, 180);
    p.drawLine(140, 420, 240, 420);
    for (int r = 40; r <= 130; r += 45) {
        p.drawArc(QRectF(190 - r, 180 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
        p.drawArc(QRectF(190 - r, 180 - r, 2 * r, 2 * r), 140 * 16, 80 * 16);
    }
    p.setPen(QColor(255, 255, 255));
    p.setFont(cardFont(62, true));
    p.drawText(QRect(340, 150, 620, 100), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Quolt Software"));
    p.setPen(QColor(250, 200, 60));
    p.setFont(cardFont(40, false));
    p.drawText(QRect(340, 260, 620, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vazazev QSO Party"));
    p.setPen(QColor(190, 205, 230));
    p.setFont(cardFont(28, false));
    p.drawText(QRect(340, 330, 620, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Contest Logger"));
    return pm;
}

QPixmap frmQuoltLogo::builtInSecond()
{
    QPixmap pm(SecondWidth, SecondHeight);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(pm.rect(), QColor(250, 200, 60));
    p.setPen(QPen(QColor(12, 36, 84), 3));
    p.drawRect(pm.rect().adjusted(1, 1, -2, -2));
    p.setFont(cardFont(30, true));
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("Good luck!"));
    return pm;
}

frmQuoltLogo::frmQuoltLogo(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmQuoltLogo"));
    setModal(true);
    design_ = std::make_unique<DesignLayout>(this, ClientWidthTwips, ClientHeightTwips);
    // No border and no title bar: the outer size is the client area.
    FormGeometry& g = design_->geometry();
    g.borderWidth = 0;
    g.captionHeight = 0;
    g.setClientSize(ClientWidthTwips, ClientHeightTwips);

    Image1 = design_->add<QLabel>(QStringLiteral("Image1"), ControlGeometry::Kind::Image, 0, 0, 0, 0);
    Image1->installEventFilter(this);
    Image2 = design_->add<QLabel>(QStringLiteral("Image2"), ControlGeometry::Kind::Image, 0, 0, 0, 0);
    Image2->hide();
    showAtOwnSize(QStringLiteral("Image1"), builtInLogo(), Image1LeftTwips, Image1TopTwips);
    const Platform::Screen s = Platform::Screen::current();
    showAtOwnSize(QStringLiteral("Image2"), builtInSecond(), ClientWidthTwips - (SecondWidth + 16) * s.twipsPerPixelX,
                  ClientHeightTwips - (SecondHeight + 16) * s.twipsPerPixelY);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(CloseMs);
    connect(Timer1, &QTimer::timeout, this, &frmQuoltLogo::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(SecondPictureMs);
    connect(Timer2, &QTimer::timeout, this, &frmQuoltLogo::Timer2_Timer);

    Form_Load();
}

void frmQuoltLogo::Form_Load()
{
    // Centred across, 170 twips above the middle.
    const Platform::Screen screen = Platform::Screen::current();
    FormGeometry& g = design_->geometry();
    g.left = (screen.width - g.width) / 2;
    g.top = (screen.height - g.height) / 2 - 170;
    design_->apply();

    // The shared folder is resolved (and made) here already, before anything is shown.
    QString root;
    modGlobalPreferences::ResolveUserFolder(root, QString::fromLatin1(modGlobalPreferences::MakerFolder),
                                            QString::fromLatin1(modGlobalPreferences::SharedSubFolder));
    // The timers start once its error boxes, if any, are answered: an operator reading them
    // neither uses up the logo's time nor lets the close timer fire before the window runs, which
    // would leave the logo up until clicked.
    Timer1->start();
    Timer2->start();
    const QString splash = Files::resolve(root, QStringLiteral("Shared/splash.jpg"));
    if (!QFileInfo(splash).isFile())
        return;
    QPixmap user;
    // A picture that cannot be read leaves the built-in logo and its timing.
    if (!user.load(splash))
        return;
    userPicture_ = true;
    showAtOwnSize(QStringLiteral("Image1"), user, Image1LeftTwips, Image1TopTwips);
    Timer1->stop();
    Timer1->setInterval(UserPictureCloseMs);
    Timer1->start();
    Timer2->stop();
}

frmQuoltLogo::~frmQuoltLogo() = default;

void frmQuoltLogo::showAtOwnSize(const QString& image, const QPixmap& picture, double leftTwips, double topTwips)
{
    const Platform::Screen s = Platform::Screen::current();
    ControlGeometry* c = design_->control(image);
    c->left = leftTwips;
    c->top = topTwips;
    c->width = picture.width() * s.twipsPerPixelX;
    c->height = picture.height() * s.twipsPerPixelY;
    static_cast<QLabel*>(design_->widget(image))->setPixmap(picture);
    design_->apply();
}

void frmQuoltLogo::Image1_Click() { done(QDialog::Accepted); }

void frmQuoltLogo::Timer1_Timer()
{
    Timer1->stop();
    Timer2->stop();
    done(QDialog::Accepted);
}

void frmQuoltLogo::Timer2_Timer() { Image2->show(); }

bool frmQuoltLogo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && Image1->rect().contains(me->position().toPoint())) {
            Image1_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmQuoltLogo::keyPressEvent(QKeyEvent* event)
{
    // The logo has no keys of its own: Esc does not close it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
