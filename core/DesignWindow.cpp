#include "core/DesignWindow.h"

#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>

#include "platform/Screen.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

// The windowing layer takes whole pixels within its own limits.
constexpr int PixelLimit = 16777215;

int clampPx(int v, int low) { return std::clamp(v, low, PixelLimit); }

// A font that is the widget's own in every property, so a parent's font never reaches it.
void giveFont(QWidget* w, const QString& name, double points)
{
    QFont f = w->font();
    if (!name.isEmpty())
        f.setFamily(name);
    f.setPointSizeF(std::max(points, 1.0));
    f.setResolveMask(QFont::AllPropertiesResolved);
    w->setFont(f);
}

}   // namespace

DesignLayout::DesignLayout(QWidget* form, double designClientWidthTwips, double designClientHeightTwips) : form_(form)
{
    geometry_.setClientSize(designClientWidthTwips, designClientHeightTwips);
    apply();
}

namespace {
// A control made by add() with its caption or text set.
template<class W>
W* withText(W* w, const QString& text)
{
    w->setText(text);
    return w;
}
}   // namespace

QLabel* DesignLayout::addLabel(const QString& objectName, const QString& caption, double left, double top, double width,
                               double height, QWidget* parent, double fontPt)
{
    return withText(add<QLabel>(objectName, Kind::Label, left, top, width, height, fontPt, parent), caption);
}

QPushButton* DesignLayout::addButton(const QString& objectName, const QString& caption, double left, double top,
                                     double width, double height, QWidget* parent)
{
    return withText(add<QPushButton>(objectName, Kind::CommandButton, left, top, width, height, DefaultFontPt, parent),
                    caption);
}

QRadioButton* DesignLayout::addOption(const QString& objectName, const QString& caption, double left, double top,
                                      double width, double height, QWidget* parent)
{
    return withText(add<QRadioButton>(objectName, Kind::OptionButton, left, top, width, height, DefaultFontPt, parent),
                    caption);
}

QLineEdit* DesignLayout::addTextBox(const QString& objectName, const QString& text, double left, double top,
                                    double width, double height, QWidget* parent)
{
    return withText(add<QLineEdit>(objectName, Kind::TextBox, left, top, width, height, DefaultFontPt, parent), text);
}

QGroupBox* DesignLayout::addFrame(const QString& objectName, const QString& caption, double left, double top,
                                  double width, double height, QWidget* parent)
{
    auto* frame = add<QGroupBox>(objectName, Kind::Frame, left, top, width, height, DefaultFontPt, parent);
    frame->setTitle(caption);
    return frame;
}

QVector<QRadioButton*> DesignLayout::addOptionColumn(QWidget* frame, std::initializer_list<OptionRow> rows, double left,
                                                     double top, double step, double width, double height)
{
    QVector<QRadioButton*> made;
    for (const OptionRow& r : rows) {
        QRadioButton* o = addOption(QLatin1String(r.objectName), QLatin1String(r.caption), left,
                                    top + step * double(made.size()), width, height, frame);
        if (r.button)
            *r.button = o;
        made.push_back(o);
    }
    return made;
}

void DesignLayout::adopt(QWidget* w, const QString& objectName, Kind kind, double left, double top, double width,
                         double height, double fontPt)
{
    ControlGeometry c;
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.fontSize = fontPt;
    registerControl(w, objectName, c);
}

VbLine* DesignLayout::addLine(const QString& objectName, double x1, double y1, double x2, double y2, QWidget* parent)
{
    auto* line = new VbLine(parent ? parent : form_.data());
    ControlGeometry c;
    c.kind = Kind::Line;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    registerControl(line, objectName, c);
    return line;
}

void DesignLayout::registerControl(QWidget* w, const QString& objectName, ControlGeometry c)
{
    w->setObjectName(objectName);
    c.name = objectName;
    geometry_.controls.push_back(c);
    widgets_.push_back(w);
    applyControl(int(widgets_.size()) - 1, Platform::Screen::current());
}

void DesignLayout::setColumns(QTreeWidget* list, const QVector<double>& twips)
{
    if (list->columnCount() < twips.size())
        list->setColumnCount(int(twips.size()));
    storeColumns(list, twips);
}

void DesignLayout::setColumns(QTableWidget* list, const QVector<double>& twips)
{
    if (list->columnCount() < twips.size())
        list->setColumnCount(int(twips.size()));
    storeColumns(list, twips);
}

void DesignLayout::setColumns(QTreeView* list, const QVector<double>& twips) { storeColumns(list, twips); }

void DesignLayout::storeColumns(QWidget* list, const QVector<double>& twips)
{
    const int i = int(widgets_.indexOf(list));
    if (i < 0)
        return;
    geometry_.controls[i].columnWidths = twips;
    applyControl(i, Platform::Screen::current());
}

ControlGeometry* DesignLayout::control(const QString& objectName) { return geometry_.control(objectName); }

QWidget* DesignLayout::widget(const QString& objectName) const
{
    for (int i = 0; i < geometry_.controls.size(); ++i)
        if (geometry_.controls[i].name == objectName)
            return widgets_[i];
    return nullptr;
}

void DesignLayout::apply()
{
    const Platform::Screen s = Platform::Screen::current();
    if (form_) {
        giveFont(form_, geometry_.fontName, geometry_.fontSize);
        form_->resize(clampPx(s.toPixelsX(geometry_.clientWidth), 0), clampPx(s.toPixelsY(geometry_.clientHeight), 0));
        form_->move(clampPx(s.toPixelsX(geometry_.left), -PixelLimit),
                    clampPx(s.toPixelsY(geometry_.top), -PixelLimit));
    }
    for (int i = 0; i < widgets_.size(); ++i)
        applyControl(i, s);
}

void DesignLayout::applyControl(int i, const Platform::Screen& s)
{
    QWidget* w = widgets_[i];
    if (!w)
        return;
    const ControlGeometry& c = geometry_.controls[i];
    auto px = [&](double t) { return clampPx(s.toPixelsX(t), -PixelLimit); };
    auto py = [&](double t) { return clampPx(s.toPixelsY(t), -PixelLimit); };

    if (c.kind == Kind::Line) {
        if (auto* line = qobject_cast<VbLine*>(w))
            line->setEnds(QPoint(px(c.x1), py(c.y1)), QPoint(px(c.x2), py(c.y2)));
        return;
    }
    if (c.kind != Kind::Image)
        giveFont(w, c.fontName, c.fontSize);
    w->setGeometry(px(c.left), py(c.top), clampPx(s.toPixelsX(c.width), 0), clampPx(s.toPixelsY(c.height), 0));

    if (c.columnWidths.isEmpty())
        return;
    QHeaderView* header = nullptr;
    if (auto* tree = qobject_cast<QTreeView*>(w))
        header = tree->header();
    else if (auto* table = qobject_cast<QTableView*>(w))
        header = table->horizontalHeader();
    if (!header)
        return;
    // Widths are the columns' own: no stretching, and a width of 0 hides a column.
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0);
    for (int j = 0; j < c.columnWidths.size() && j < header->count(); ++j)
        header->resizeSection(j, clampPx(s.toPixelsX(c.columnWidths[j]), 0));
}

void DesignLayout::resizeForm()
{
    const Platform::Screen s = Platform::Screen::current();
    ModFormResize::ResizeForm(geometry_, s.width, s.height);
    apply();
}

void DesignLayout::resizeFormTo(double targetWidth, double targetHeight, double designWidth, double designHeight,
                                int exactSize, double fontGrowth, const QString& fontName)
{
    ModFormResize::ResizeFormTo(geometry_, targetWidth, targetHeight, designWidth, designHeight, exactSize, fontGrowth,
                                fontName);
    apply();
}

DesignWindow::DesignWindow(double designClientWidthTwips, double designClientHeightTwips, QWidget* parent)
    : QWidget(parent, Qt::Window), design_(this, designClientWidthTwips, designClientHeightTwips)
{
}
