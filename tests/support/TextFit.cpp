#include "tests/support/TextFit.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QStyleOptionHeader>
#include <QVariant>

#include <cmath>
#include <limits>

#include "core/DesignWindow.h"

namespace TextFit {

namespace {

// What a text needs when laid out in `width` pixels: its widest line and its height, in whole
// pixels (a fraction of a pixel still needs that pixel).
struct Need {
    int width = 0, height = 0;
};

Need measure(const QFontMetricsF& fm, const QString& text, bool wrap, int width)
{
    if (!wrap) {
        qreal widest = 0;
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString& line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line));
        return {int(std::ceil(widest)), int(std::ceil(fm.height() + fm.lineSpacing() * (lines.size() - 1)))};
    }
    // Wrapped: Qt breaks at blanks; a word wider than the width stays wider.
    const QRectF r =
        fm.boundingRect(QRectF(0, 0, std::max(width, 1), std::numeric_limits<int>::max() / 4), Qt::TextWordWrap, text);
    return {int(std::ceil(r.width())), int(std::ceil(r.height()))};
}

QFontMetricsF metricsOf(const QWidget* w, const QFont& font)
{
    // The font the widget really got: the metrics come from the matched font, not the request.
    return QFontMetricsF(font, const_cast<QWidget*>(w));
}

QString nameOf(const QWidget* w)
{
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

const QWidget* windowOf(const QWidget* w) { return w->window() ? w->window() : w; }

Finding finding(const QWidget* w, const QString& text, Need need, QRect area, QString part = QString())
{
    Finding f;
    f.window = nameOf(windowOf(w));
    f.objectName = nameOf(w);
    f.part = std::move(part);
    f.text = text;
    f.neededWidth = need.width;
    f.availableWidth = area.width();
    f.neededHeight = need.height;
    f.availableHeight = area.height();
    return f;
}

bool fitsIn(Need need, QRect area) { return need.width <= area.width() && need.height <= area.height(); }

// The lines a text takes in `room`, 0 when it does not fit: n lines take n line spacings less one
// leading.
int linesIn(const QFontMetricsF& fm, QRect room, const QString& text, bool wrap)
{
    const Need need = measure(fm, text, wrap, room.width());
    if (!fitsIn(need, room))
        return 0;
    return int((need.height + fm.leading()) / fm.lineSpacing());
}

// One text drawn in `area`, wrapped when the widget wraps.
void checkText(QVector<Finding>& out, const QWidget* w, const QFont& font, const QString& text, QRect area, bool wrap,
               QString part = QString())
{
    if (text.trimmed().isEmpty())
        return;
    const Need need = measure(metricsOf(w, font), text, wrap, area.width());
    if (!fitsIn(need, area))
        out.push_back(finding(w, text, need, area, std::move(part)));
}

// QLabel draws its text in its contents rectangle less the margin and the indent (a framed label
// without an indent of its own keeps half an 'x' from the frame on its aligned sides).
QRect labelArea(const QLabel* l)
{
    QRect cr = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    int indent = l->indent();
    if (indent < 0 && l->frameWidth() > 0)
        indent = int(l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - l->margin());
    if (indent > 0) {
        const Qt::Alignment a = QStyle::visualAlignment(l->layoutDirection(), l->alignment());
        if (a & Qt::AlignLeft)
            cr.setLeft(cr.left() + indent);
        if (a & Qt::AlignRight)
            cr.setRight(cr.right() - indent);
        if (a & Qt::AlignTop)
            cr.setTop(cr.top() + indent);
        if (a & Qt::AlignBottom)
            cr.setBottom(cr.bottom() - indent);
    }
    return cr;
}

void checkLabel(QVector<Finding>& out, const QLabel* l)
{
    if (!l->pixmap().isNull())
        return;
    // A label shows "&" as an underline only when it has a buddy.
    const QString text = l->buddy() ? withoutMnemonics(l->text()) : l->text();
    checkText(out, l, l->font(), text, labelArea(l), wraps(l));
}

// The rectangle a button's style draws its caption in: a push button's contents, a check box's or
// option button's text beside its indicator.
QRect buttonArea(const QAbstractButton* b)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(b))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(b))
        element = QStyle::SE_RadioButtonContents;
    else if (auto* push = qobject_cast<const QPushButton*>(b)) {
        // The margins a push button keeps depend on these features (an auto-default button keeps
        // room for the default frame).
        if (push->isFlat())
            opt.features |= QStyleOptionButton::Flat;
        if (push->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            opt.features |= QStyleOptionButton::DefaultButton;
    }
    return b->style()->subElementRect(element, &opt, b);
}

void checkButton(QVector<Finding>& out, const QAbstractButton* b)
{
    checkText(out, b, b->font(), withoutMnemonics(b->text()), buttonArea(b), wraps(b));
}

// QLineEdit draws its text inside the style's contents rectangle less its text margins and a
// fixed margin of 2 pixels on each side, and needs one pixel more for the caret.
void checkLineEdit(QVector<Finding>& out, const QLineEdit* e)
{
    if (e->echoMode() != QLineEdit::Normal || e->text().isEmpty())
        return;
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->contentsRect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    opt.features = QStyleOptionFrame::None;
    QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).marginsRemoved(e->textMargins());
    constexpr int HorizontalMargin = 2;
    r.adjust(HorizontalMargin, 0, -HorizontalMargin, 0);
    const QFontMetricsF fm = metricsOf(e, e->font());
    const Need need{int(std::ceil(fm.horizontalAdvance(e->text()))) + 1, int(std::ceil(fm.height()))};
    if (fitsIn(need, r))
        return;
    Finding f = finding(e, e->text(), need, r);
    // The box keeps its caret in view: with the caret at the start it shows the first characters.
    f.beginningShown = e->cursorPosition() == 0;
    out.push_back(f);
}

void checkCombo(QVector<Finding>& out, const QComboBox* c)
{
    if (c->isEditable())   // its line edit is checked as a text box
        return;
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = false;
    opt.frame = c->hasFrame();
    opt.currentText = c->currentText();
    const QRect r = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    checkText(out, c, c->font(), c->currentText(), r, false);
}

void checkGroupBox(QVector<Finding>& out, const QGroupBox* g)
{
    const QString title = withoutMnemonics(g->title());
    if (title.trimmed().isEmpty())
        return;
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.textAlignment = g->alignment();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.lineWidth = 1;
    opt.features = g->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    // The style draws the title from the left of its rectangle (made as wide as the text, however
    // narrow the frame): it fits when the text ends within the frame.
    const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
    const QFontMetricsF fm = metricsOf(g, g->font());
    const Need need{label.left() + int(std::ceil(fm.horizontalAdvance(title))), int(std::ceil(fm.height()))};
    const QRect have(0, 0, g->width(), std::max(g->height(), label.height()));
    if (!fitsIn(need, have))
        out.push_back(finding(g, title, need, have));
}

void checkHeader(QVector<Finding>& out, const QHeaderView* h)
{
    const QAbstractItemModel* model = h->model();
    if (!model)
        return;
    for (int visual = 0; visual < h->count(); ++visual) {
        const int logical = h->logicalIndex(visual);
        if (h->isSectionHidden(logical) || h->sectionSize(logical) <= 0)
            continue;
        const QString text = model->headerData(logical, h->orientation(), Qt::DisplayRole).toString();
        QFont font = h->font();
        const QVariant roleFont = model->headerData(logical, h->orientation(), Qt::FontRole);
        if (roleFont.canConvert<QFont>())
            font = qvariant_cast<QFont>(roleFont).resolve(font);
        QStyleOptionHeader opt;
        opt.initFrom(h);
        opt.section = logical;
        opt.text = text;
        opt.orientation = h->orientation();
        opt.rect = h->orientation() == Qt::Horizontal
                       ? QRect(h->sectionViewportPosition(logical), 0, h->sectionSize(logical), h->height())
                       : QRect(0, h->sectionViewportPosition(logical), h->width(), h->sectionSize(logical));
        if (h->isSortIndicatorShown() && h->sortIndicatorSection() == logical)
            opt.sortIndicator = h->sortIndicatorOrder() == Qt::AscendingOrder ? QStyleOptionHeader::SortDown
                                                                              : QStyleOptionHeader::SortUp;
        const QRect area = h->style()->subElementRect(QStyle::SE_HeaderLabel, &opt, h);
        checkText(out, h, font, text, area, false, QStringLiteral("section %1").arg(logical));
    }
}

}   // namespace

QString Finding::describe() const
{
    QString s = window + QLatin1Char('/') + objectName;
    if (!part.isEmpty())
        s += QLatin1Char(' ') + part;
    s += QStringLiteral(" \"%1\": needs %2 x %3 px, has %4 x %5")
             .arg(text)
             .arg(neededWidth)
             .arg(neededHeight)
             .arg(availableWidth)
             .arg(availableHeight);
    if (!beginningShown)
        s += QStringLiteral(", showing its end");
    return s;
}

QVector<Finding> checkRows(const QListView* list)
{
    QVector<Finding> out;
    const QAbstractItemModel* model = list->model();
    if (!model)
        return out;
    // QCommonStyle draws an item's text inside its text rectangle less this margin on each side.
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int visibleWidth = list->viewport()->width();
    for (int r = 0; r < model->rowCount(list->rootIndex()); ++r) {
        const QModelIndex index = model->index(r, list->modelColumn(), list->rootIndex());
        const QRect rect = list->visualRect(index);
        const int left = std::max(rect.left(), 0), right = std::min(rect.right(), visibleWidth - 1);
        const QRect room(0, 0, right - left + 1 - 2 * margin, rect.height());
        QFont font = list->font();
        const QVariant roleFont = index.data(Qt::FontRole);
        if (roleFont.canConvert<QFont>())
            font = qvariant_cast<QFont>(roleFont).resolve(font);
        checkText(out, list, font, index.data().toString(), room, list->wordWrap(), QStringLiteral("row %1").arg(r));
    }
    return out;
}

bool wraps(const QWidget* w) { return qobject_cast<const WrappingButton*>(w) || w->property("wordWrap").toBool(); }

int linesFitting(const QFont& font, const QRect& room, const QString& text, bool wrap)
{
    return linesIn(QFontMetricsF(font), room, withoutMnemonics(text), wrap);
}

int labelLines(const QLabel* label)
{
    const QString text = label->buddy() ? withoutMnemonics(label->text()) : label->text();
    return linesIn(metricsOf(label, label->font()), labelArea(label), text, wraps(label));
}

QRect buttonRoom(const QPushButton* button) { return buttonArea(button); }

Ink captionInk(QPushButton* button)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::ButtonText, Qt::red);
    button->setPalette(pal);
    const QImage image = button->grab().toImage();
    Ink ink;
    bool previousRow = false;
    for (int y = 0; y < image.height(); ++y) {
        bool row = false;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 128 && c.green() < 96 && c.blue() < 96) {
                row = true;
                ink.box |= QRect(x, y, 1, 1);
            }
        }
        if (row && !previousRow)
            ++ink.lines;
        previousRow = row;
    }
    return ink;
}

QString withoutMnemonics(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;   // "&x" shows x underlined, "&&" shows one "&"
        out += caption[i];
    }
    return out;
}

QVector<Finding> check(const QWidget* control)
{
    QVector<Finding> out;
    if (auto* l = qobject_cast<const QLabel*>(control))
        checkLabel(out, l);
    else if (auto* b = qobject_cast<const QAbstractButton*>(control))
        checkButton(out, b);
    else if (auto* e = qobject_cast<const QLineEdit*>(control))
        checkLineEdit(out, e);
    else if (auto* c = qobject_cast<const QComboBox*>(control))
        checkCombo(out, c);
    else if (auto* g = qobject_cast<const QGroupBox*>(control))
        checkGroupBox(out, g);
    else if (auto* h = qobject_cast<const QHeaderView*>(control))
        checkHeader(out, h);
    return out;
}

QVector<Finding> checkWindow(const QWidget* window)
{
    QVector<Finding> out;
    out += check(window);
    const QList<QWidget*> children = window->findChildren<QWidget*>();
    for (const QWidget* c : children)
        if (c->isVisible() && c->window() == window)
            out += check(c);
    return out;
}

}   // namespace TextFit
