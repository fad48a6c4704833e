#include "core/frmQuoltLogo.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "core/Files.h"
#include "core/modGlobalPreferences.h"

namespace {

// Twips per pixel at the primary screen's logical DPI.
double twipsPerPixelX()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? 1440.0 / s->logicalDotsPerInchX() : 15.0;
}
double twipsPerPixelY()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? 1440.0 / s->logicalDotsPerInchY() : 15.0;
}

QFont cardFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace

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
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    setFixedSize(qRound(ClientWidthTwips / tx), qRound(ClientHeightTwips / ty));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(builtInLogo());
    Image1->setGeometry(qRound(Image1LeftTwips / tx), qRound(Image1TopTwips / ty), LogoWidth, LogoHeight);
    Image1->installEventFilter(this);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(builtInSecond());
    Image2->setGeometry(width() - SecondWidth - 16, height() - SecondHeight - 16, SecondWidth, SecondHeight);
    Image2->hide();

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
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(g.x() + (g.width() - width()) / 2,
             g.y() + (g.height() - height()) / 2 - qRound(170 / twipsPerPixelY()));
    }
    Timer1->start();
    Timer2->start();

    // The shared folder is resolved (and made) here already, before anything is shown.
    QString root;
    modGlobalPreferences::ResolveUserFolder(root, QString::fromLatin1(modGlobalPreferences::MakerFolder),
                                            QString::fromLatin1(modGlobalPreferences::SharedSubFolder));
    const QString splash = Files::resolve(root, QStringLiteral("Shared/splash.jpg"));
    if (!QFileInfo(splash).isFile())
        return;
    QPixmap user;
    // A picture that cannot be read leaves the built-in logo and its timing.
    if (!user.load(splash))
        return;
    userPicture_ = true;
    Image1->setPixmap(user);
    Image1->resize(user.size());
    Timer1->stop();
    Timer1->setInterval(UserPictureCloseMs);
    Timer1->start();
    Timer2->stop();
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
