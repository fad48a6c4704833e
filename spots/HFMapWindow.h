#pragma once
// " HF Spectrum Map": the spots of the SpotStore on eleven band rulers filling the desktop work
// area (spots/HFMapModel.h decides what is shown; this window applies it). The main window
// shows it modally and deletes it when the show returns. While it is shown the spot intake
// redraws it for each new spot (Spots::setSpectrumMapRedraw). A right press on a spot tunes the
// rig through the tuner given at creation, writes the call into the active main window's call
// field and hides the map; any other press removes the spot from the store.
#include <QVector>
#include <QWidget>

#include <functional>

#include "core/DesignWindow.h"

class QLabel;
class VbLine;
namespace Spots {
struct SpectrumMapPicture;
}

class SpectrumMap : public QWidget {
    Q_OBJECT
public:
    // Tunes the rig to a frequency in MHz (the rig window's ChangeFrequency); may be empty.
    using Tuner = std::function<void(float& mhz)>;

    explicit SpectrumMap(Tuner tune = {}, QWidget* parent = nullptr);
    ~SpectrumMap() override;

    // Redraws all scales and spot labels from the SpotStore.
    void BandMapLabelDisplay();
    // A mouse button pressed on spot label `Index`.
    void lblDXSpot_MouseDown(int Index, Qt::MouseButton Button);

    QVector<QLabel*> lblHFSpots;    // 0..10: the navy strip behind each ruler
    QVector<VbLine*> lineHF;        // 0..10: the rulers, 160 m at the top
    QVector<QLabel*> lblFreqSpot;   // 0..54: band b's ticks are 5 b .. 5 b + 4
    QVector<QLabel*> lblDXSpot;     // 0..49: label i shows SpotStore slot i

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void Form_Load();
    void Form_Activate() { BandMapLabelDisplay(); }
    // The tick texts and places of a picture; the scaled rulers give the places.
    void applyScales(const Spots::SpectrumMapPicture& picture);
    // The left edge that centres a control `width` wide at `along` (0 = left end, 1 = right end)
    // of band `band`'s ruler.
    int leftOnRuler(int band, double along, int width) const;

    DesignLayout design_;
    Tuner tune_;
    int windowHeightPx_ = 0;   // the window's outer height: ticks hang 0.4 % of it below a ruler
};
