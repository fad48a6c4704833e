#pragma once
// The in-state window's worked-states grid Label10(1..63) as a source of events: a click on a
// label and the mouse moving over one are passed on with the label's index.
#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class QLabel;

class StateGridPanel : public QObject {
    Q_OBJECT
public:
    // `labels` is indexed by the control array's index (index 0 unused, may be null).
    StateGridPanel(const QVector<QLabel*>& labels, std::function<void(int)> click, std::function<void(int)> mouseMove,
                   QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QVector<QPointer<QLabel>> labels_;
    std::function<void(int)> click_, mouseMove_;
};
