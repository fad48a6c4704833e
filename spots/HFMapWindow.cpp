#include "spots/HFMapWindow.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "core/DeviceLayout.h"
#include "core/Form1.h"
#include "core/Globals.h"
#include "core/MainLogWindow.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "spots/HFMapModel.h"
#include "spots/SpotStore.h"
#include "spots/SpotsLog.h"

namespace {

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

constexpr double SpotFontPt = 6.75;

void setTextColor(QLabel* l, const QColor& c)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, c);
    l->setPalette(pal);
}

// A transparent label with white text in the maps' small serif font, centred across and written
// from its top, so ticks of different heights line up under their ruler.
QLabel* spotLabel(DesignLayout& d, const QString& name, const QString& text, double width, double height)
{
    QLabel* l = d.addLabel(name, text, 0, 0, width, height, nullptr, SpotFontPt);
    if (ControlGeometry* c = d.control(name))
        c->fontName = Platform::DesignSerifFont;
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setAttribute(Qt::WA_TranslucentBackground);
    setTextColor(l, Qt::white);
    l->hide();
    return l;
}

}   // namespace

SpectrumMap::SpectrumMap(Tuner tune, QWidget* parent)
    : QWidget(parent, Qt::Window), design_(this, 9480, 6795), tune_(std::move(tune))
{
    setObjectName(QStringLiteral("SpectrumMap"));
    setWindowTitle(QStringLiteral(" HF Spectrum Map"));
    // A fixed single border with a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    Form_Load();
}

SpectrumMap::~SpectrumMap() { Spots::setSpectrumMapRedraw({}); }

void SpectrumMap::Form_Load()
{
    DesignLayout& d = design_;
    for (int b = 0; b < Spots::SpectrumBandCount; ++b) {
        QLabel* strip = d.addLabel(indexed("lblHFSpots", b), QString(), 120, 120 + 600 * b, 9255, 495);
        strip->setFrameShape(QFrame::Box);
        QPalette pal = strip->palette();
        pal.setColor(QPalette::Window, QColor(0, 0, 128));
        strip->setPalette(pal);
        strip->setAutoFillBackground(true);
        lblHFSpots << strip;
    }
    for (int b = 0; b < Spots::SpectrumBandCount; ++b) {
        VbLine* line = d.addLine(indexed("lineHF", b), 360, 360 + 600 * b, 9120, 360 + 600 * b);
        line->setColor(Qt::white);
        lineHF << line;
    }
    for (int i = 0; i < Spots::SpectrumBandCount * Spots::SpectrumTicksPerBand; ++i)
        lblFreqSpot << spotLabel(d, indexed("lblFreqSpot", i), QString(), 615, i == 0 || i == 2 || i == 3 ? 180 : 255);
    for (int i = 0; i < Spots::SpotStoreT::Slots; ++i) {
        QLabel* l = spotLabel(d, indexed("lblDXSpot", i), QStringLiteral("DXLBL"), 600, 180);
        l->installEventFilter(this);
        lblDXSpot << l;
    }

    // The whole desktop work area: every design position and size grows by the work area over the
    // design window, the fonts by the screen width / 9600 (at most 1.5).
    const Platform::Screen s = Platform::Screen::current();
    FormGeometry& g = d.geometry();
    g.fontSize *= s.width / ModFormResize::DesignScreenWidth;
    DeviceLayout::scaleControls(g, s.workWidth / g.width, s.workHeight / g.height, DeviceLayout::fontFactor(s.width));
    g.setOuterSize(s.workWidth, s.workHeight);
    g.left = s.workLeft;
    g.top = s.workTop;
    d.apply();
    setFixedSize(size());
    windowHeightPx_ = s.toPixelsY(g.height);

    lblDXSpot.last()->raise();
    Spots::SpectrumMapPicture picture;
    Spots::drawBandScales(Spots::SpotStore(), picture);
    applyScales(picture);
    for (QLabel* t : lblFreqSpot)
        t->show();
}

int SpectrumMap::leftOnRuler(int band, double along, int width) const
{
    const QPoint a = lineHF[band]->end1(), b = lineHF[band]->end2();
    return int(a.x() + along * (b.x() - a.x()) - width / 2.0);
}

void SpectrumMap::applyScales(const Spots::SpectrumMapPicture& picture)
{
    for (int i = 0; i < lblFreqSpot.size(); ++i) {
        QLabel* t = lblFreqSpot[i];
        const int band = i / Spots::SpectrumTicksPerBand;
        t->setText(picture.ticks[i].text);
        t->move(leftOnRuler(band, picture.ticks[i].along, t->width()),
                int(lineHF[band]->end1().y() + 0.004 * windowHeightPx_));
    }
}

void SpectrumMap::BandMapLabelDisplay()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (QLabel* l : lblDXSpot)
        l->hide();
    const Spots::SpectrumMapPicture picture =
        Spots::spectrumMapPicture(Spots::SpotStore(), Platform::clock().read().local, G.UtcOffsetHours);
    applyScales(picture);
    for (int i = 0; i < lblDXSpot.size(); ++i) {
        const Spots::SpectrumLabel& p = picture.labels[i];
        if (!p.reached)
            continue;
        QLabel* l = lblDXSpot[i];
        l->setToolTip(p.toolTip);
        l->setText(p.text);
        if (p.band >= 0)
            l->move(leftOnRuler(p.band, p.along, l->width()), lineHF[p.band]->end1().y() - l->height());
        if (p.color.isValid())
            setTextColor(l, p.color);
        l->setVisible(p.visible);
    }
    QApplication::restoreOverrideCursor();
}

void SpectrumMap::lblDXSpot_MouseDown(int Index, Qt::MouseButton Button)
{
    const Spots::SpectrumClick click = Spots::spectrumMapClick(Spots::SpotStore(), Index, Button == Qt::RightButton);
    if (click.redraw) {
        BandMapLabelDisplay();
        return;
    }
    if (!click.tune)
        return;
    // Tuning waits for the rig and lets events through meanwhile (new spots, further clicks).
    QPointer<SpectrumMap> self(this);
    float mhz = click.frequency;
    if (tune_)
        tune_(mhz);
    MainLogWindow* main = Form1::target();
    QPointer<QLineEdit> call = main ? main->txtCall : nullptr;
    if (call)
        call->setText(click.call);
    else
        qCWarning(lcSpots) << "Spectrum map: no main window call field for" << click.call;
    if (self)
        hide();
    if (call)
        call->setFocus(Qt::MouseFocusReason);
}

bool SpectrumMap::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

bool SpectrumMap::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress) {
        const int index = int(lblDXSpot.indexOf(qobject_cast<QLabel*>(watched)));
        if (index >= 0) {
            lblDXSpot_MouseDown(index, static_cast<QMouseEvent*>(e)->button());
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void SpectrumMap::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    QPointer<SpectrumMap> self(this);
    Spots::setSpectrumMapRedraw([self] {
        if (self && self->isVisible())
            self->BandMapLabelDisplay();
    });
}

void SpectrumMap::hideEvent(QHideEvent* e)
{
    Spots::setSpectrumMapRedraw({});
    QWidget::hideEvent(e);
}
