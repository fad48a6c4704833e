#include "reports/CountyMapIN.h"

#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>

#include "core/Files.h"
#include "core/Form1.h"
#include "core/Globals.h"
#include "core/MainLogWindow.h"
#include "core/ModFormResize.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "reports/ReportsLog.h"

CountyMapIN::CountyMapIN(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CountyMapIN"));
    setWindowTitle(QStringLiteral(" Vazazev County Map"));
    setModal(true);
    setFixedSize(CountyMap::Width, CountyMap::Height);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 0, CountyMap::Width, CountyMap::Height);
    Label1 = new QLabel(QStringLiteral("Counties will change color when worked."), Picture1);
    Label1->setObjectName(QStringLiteral("Label1"));
    // In the design's font, on three lines in the white corner right of the state's southern
    // border.
    QFont hintFont(Platform::DesignSansFont);
    hintFont.setPointSizeF(DefaultFontPt);
    Label1->setFont(hintFont);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    Label1->setGeometry(CountyMap::Width - 103, CountyMap::Height - 56, 100, 52);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void CountyMapIN::Form_Load()
{
    const Platform::Screen s = Platform::Screen::current();
    move(s.toPixelsX(s.width) / 2 - width() / 2, s.toPixelsY(s.height) / 2 - height() / 2);

    QString error;
    const QString picturePath = Files::resolve(G.ProgramFolder, QStringLiteral("CountyMapIN.bmp"));
    picture_ = CountyMap::readPicture(picturePath, &error);
    if (picture_.isNull())
        qCWarning(lcReports) << "County map: cannot show" << picturePath << error;
    const QString tablePath = Files::resolve(G.ProgramFolder, QStringLiteral("CountyMapIN.txt"));
    if (auto labels = CountyMap::readLabels(tablePath, &error))
        labels_ = *labels;
    else
        qCWarning(lcReports) << "County map: cannot read" << tablePath << error;
    Picture1->setPixmap(QPixmap::fromImage(picture_));

    for (int i = 0; i < labels_.size(); ++i) {
        auto* l = new QLabel(Picture1);
        l->setObjectName(QStringLiteral("lblCounty(%1)").arg(i));
        l->setGeometry(labels_[i].rect);
        l->setToolTip(labels_[i].county);
        l->setAttribute(Qt::WA_TranslucentBackground);
        lblCounty << l;
    }
    Label1->raise();
    Label1->setVisible(G.QSOCount == 0);

    // One generator per opening, seeded from the clock once: counties painted together get
    // colours of their own.
    random_.seed(quint32(Platform::clock().read().utc.toMSecsSinceEpoch()));
    Timer1->start();
}

void CountyMapIN::Timer1_Timer()
{
    Timer1->stop();
    QStringList worked;
    if (MainLogWindow* w = Form1::target(); w && w->List2)
        for (int i = 0; i < w->List2->count(); ++i)
            worked << w->List2->item(i)->text();
    ColorWorkedCounties(worked);
}

void CountyMapIN::ColorWorkedCounties(const QStringList& worked)
{
    if (picture_.isNull())
        return;
    for (int i : CountyMap::labelsToPaint(worked, labels_)) {
        const QColor c = CountyMap::randomColor([this] { return random_.generateDouble(); });
        CountyMap::fill(picture_, labels_[i].seed(), c);
    }
    Picture1->setPixmap(QPixmap::fromImage(picture_));
}
