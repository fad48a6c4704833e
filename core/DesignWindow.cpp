#include "core/DesignWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>

#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

// The windowing layer takes whole pixels within its own limits.
constexpr int PixelLimit = 16777215;

int clampPx(int v, int low) { return std::clamp(v, low, PixelLimit); }

// A widget that names no family of its own gets the design's default; one that does keeps it,
// and so does a control whose model names none (a family a window sets later stays).
void giveDesignFamily(QWidget* w)
{
    QFont f = w->font();
    if (f.resolveMask() & QFont::FamilyResolved)
        return;
    f.setFamily(Platform::DesignSansFont);
    w->setFont(f);
}

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

// A label's caption wraps once its box holds two lines of its font.
void wrapWhenTall(QLabel* label)
{
    if (label->wordWrap())
        return;
    if (2 * QFontMetricsF(label->font()).lineSpacing() <= label->contentsRect().height())
        label->setWordWrap(true);
}

}   // namespace

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const QString caption = opt.text;
    // The style draws the face, the frame and the focus mark; the caption is drawn here.
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);

    QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
    if (opt.state & (QStyle::State_Sunken | QStyle::State_On))
        r.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opt, this),
                    style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opt, this));
    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, this))
        flags |= Qt::TextHideMnemonic;
    p.drawItemText(r, flags, opt.palette, isEnabled(), caption, QPalette::ButtonText);
}

namespace {
bool isEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }
}   // namespace

void WrappingButton::keyPressEvent(QKeyEvent* event)
{
    if (!isEnter(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // As Space: the press holds the button down (a held key's repeats change nothing), the
    // release clicks it. The key goes no further, so a dialog's default button is not pressed too.
    if (!event->isAutoRepeat() && isEnabled())
        setDown(true);
    event->accept();
}

void WrappingButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!isEnter(event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !isDown())
        return;
    setDown(false);
    click();
}

namespace {

// Notes the widget that the operator's input goes to (keys, input-method text, mouse, drops) from
// the moment the application receives the event until the event loop runs again: whatever
// changes that widget meanwhile, its own editing or a handler of the key, is the operator's doing.
// One filter for the whole application, so that it sees an input event before any handler can
// act on it.
class OperatorInput : public QObject {
public:
    static bool goesTo(const QObject* w)
    {
        static OperatorInput* filter = [] {
            auto* f = new OperatorInput(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(f);
            return f;
        }();
        return filter->target_ && filter->target_ == w;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Drop:
            if (target_ != watched) {
                if (!target_)
                    QTimer::singleShot(0, this, [this] { target_ = nullptr; });
                target_ = watched;
            }
            break;
        default: break;
        }
        return false;
    }

private:
    using QObject::QObject;
    QPointer<QObject> target_;
};

// Whether the whole text shows in the box, measured as the line edit lays its text out: the
// style's contents rectangle less the text margins, 2 pixels a side and the caret.
bool showsWhole(const QLineEdit* box)
{
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
    opt.features = QStyleOptionFrame::None;
    const QRect r = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box);
    const QMargins m = box->textMargins();
    const int room = r.width() - m.left() - m.right() - 2 * 2;
    const int caret = box->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, box);
    return QFontMetricsF(box->font()).horizontalAdvance(box->displayText()) + 1 + caret <= room;
}

}   // namespace

void DesignLayout::showBeginning(QLineEdit* box)
{
    // Set by the program: not while the operator's input goes to the box, nor while it is the
    // window's focus (the window's, not the application's: a window that is not active still
    // has the box the operator types in), nor once the operator has edited the text. A text
    // that shows whole keeps its caret where Qt puts it.
    auto setByProgram = [box] {
        return !OperatorInput::goesTo(box) && box->window()->focusWidget() != box && !box->isModified() &&
               !showsWhole(box);
    };
    QObject::connect(box, &QLineEdit::textChanged, box, [box, setByProgram] {
        if (!box->hasSelectedText() && setByProgram())
            box->setCursorPosition(0);
    });
    // A selection keeps its extent with the caret at its start (setting the reversed selection
    // signals once more, and then the caret is already there).
    QObject::connect(box, &QLineEdit::selectionChanged, box, [box, setByProgram] {
        if (!box->hasSelectedText() || box->cursorPosition() == box->selectionStart() || !setByProgram())
            return;
        const int start = box->selectionStart(), length = box->selectionLength();
        box->setSelection(start + length, -length);
    });
}

DesignLayout::DesignLayout(QWidget* form, double designClientWidthTwips, double designClientHeightTwips) : form_(form)
{
    if (form_)
        giveDesignFamily(form_);
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
    return withText(
        add<WrappingButton>(objectName, Kind::CommandButton, left, top, width, height, DefaultFontPt, parent), caption);
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
    giveDesignFamily(w);
    if (auto* box = qobject_cast<QLineEdit*>(w); box && c.kind == Kind::TextBox)
        showBeginning(box);
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
    if (auto* label = qobject_cast<QLabel*>(w); label && c.kind == Kind::Label)
        wrapWhenTall(label);

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
