#pragma once
// Windows keep their controls' design rectangles in twips and place the widgets themselves (no
// layout managers). DesignLayout holds that model for one window and pushes it to the widgets;
// a QWidget or QDialog subclass owns one. DesignWindow is a plain top-level QWidget owning one.
//
//   DesignLayout d(this, 4500, 3000);
//   txtCall = d.add<QLineEdit>("txtCall", ControlGeometry::Kind::TextBox, 120, 240, 1500, 285);
//   d.resizeForm();     // scale to the screen and place everything
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QVector>
#include <QWidget>

#include <initializer_list>

#include "core/ModFormResize.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QTreeView;
class QTreeWidget;
class VbLine;
namespace Platform {
struct Screen;
}

// A command button as the design draws one: its caption centred and broken between words over
// as many lines as the button needs, where a plain QPushButton draws one line and cuts it.
// Enter (Return or the keypad's) presses the focused button as Space does, in every window: down
// while the key is held, clicked when it is let go, once however long it is held. (Qt gives Enter
// only to a dialog's default button.)
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

class DesignLayout {
public:
    // The form's client area at design time, in twips. The outer size adds the frame allowance
    // of FormGeometry (change it through geometry() before the first apply when it differs).
    DesignLayout(QWidget* form, double designClientWidthTwips, double designClientHeightTwips);

    // Creates a control as a child of `parent` (the form when null), names it, gives it its own
    // font and registers its design rectangle (twips, relative to `parent`).
    template<class W>
    W* add(const QString& objectName, ControlGeometry::Kind kind, double left, double top, double width, double height,
           double fontPt = DefaultFontPt, QWidget* parent = nullptr)
    {
        auto* w = new W(parent ? parent : form_.data());
        adopt(w, objectName, kind, left, top, width, height, fontPt);
        return w;
    }
    // The common controls with their caption (a text box: its text), made as add() makes them:
    // the one way every window creates these. A button is a WrappingButton.
    // Every registered label wraps its caption between words once its box is two lines of its
    // font tall (decided again at each apply, never undone). Every registered text box shows
    // the beginning of a text or selection that the program sets while the operator is
    // elsewhere (showBeginning); typing in the box is left alone.
    QLabel* addLabel(const QString& objectName, const QString& caption, double left, double top, double width,
                     double height, QWidget* parent = nullptr, double fontPt = DefaultFontPt);
    QPushButton* addButton(const QString& objectName, const QString& caption, double left, double top, double width,
                           double height, QWidget* parent = nullptr);
    QRadioButton* addOption(const QString& objectName, const QString& caption, double left, double top, double width,
                            double height, QWidget* parent = nullptr);
    QLineEdit* addTextBox(const QString& objectName, const QString& text, double left, double top, double width,
                          double height, QWidget* parent = nullptr);
    // A frame (group box) with its caption.
    QGroupBox* addFrame(const QString& objectName, const QString& caption, double left, double top, double width,
                        double height, QWidget* parent = nullptr);
    // One button of addOptionColumn: the member it is stored in (may be null), its name and caption.
    struct OptionRow {
        QRadioButton** button;
        const char* objectName;
        const char* caption;
    };
    // Option buttons in `frame`, one under the other: the first at (left, top), each next one `step`
    // twips lower, all `width` x `height`. Returns them in the order given.
    QVector<QRadioButton*> addOptionColumn(QWidget* frame, std::initializer_list<OptionRow> rows, double left,
                                           double top, double step, double width, double height);
    // Registers a widget created elsewhere (already parented to the form or a container).
    void adopt(QWidget* w, const QString& objectName, ControlGeometry::Kind kind, double left, double top, double width,
               double height, double fontPt = DefaultFontPt);
    // A straight line between two points (twips, relative to `parent` or the form).
    VbLine* addLine(const QString& objectName, double x1, double y1, double x2, double y2, QWidget* parent = nullptr);
    // Column widths (twips) of a registered list view; adds columns when it has fewer.
    void setColumns(QTreeWidget* list, const QVector<double>& twips);
    void setColumns(QTableWidget* list, const QVector<double>& twips);
    // A view over a model: the model gives the columns.
    void setColumns(QTreeView* list, const QVector<double>& twips);

    // Makes `box` show the start of what the program puts in it: after a text set from code, or a
    // selection made from code, that is wider than the box, the caret goes to the start of the
    // text or of the selection (the selection itself stays), so the box scrolls to its first
    // characters. A text that shows whole keeps the caret where Qt puts it. Not while the
    // operator's input (a key and its handlers, a click, a drop) goes to the box, nor while the
    // box is its window's focus, nor once the operator has edited its text. Changes only the caret.
    static void showBeginning(QLineEdit* box);

    FormGeometry& geometry() { return geometry_; }
    ControlGeometry* control(const QString& objectName);
    QWidget* widget(const QString& objectName) const;
    QWidget* form() const { return form_; }

    // Pushes the model to the widgets: twips to pixels, fonts in points.
    void apply();
    // ModFormResize::ResizeForm with the real (or overridden) screen, then apply().
    void resizeForm();
    // ModFormResize::ResizeFormTo on the model, then apply().
    void resizeFormTo(double targetWidth, double targetHeight, double designWidth, double designHeight, int exactSize,
                      double fontGrowth, const QString& fontName);

private:
    void applyControl(int i, const Platform::Screen& s);
    void storeColumns(QWidget* list, const QVector<double>& twips);
    void registerControl(QWidget* w, const QString& objectName, ControlGeometry c);

    QPointer<QWidget> form_;
    FormGeometry geometry_;
    QVector<QPointer<QWidget>> widgets_;   // parallel to geometry_.controls
};

// A plain top-level window built on a DesignLayout.
class DesignWindow : public QWidget {
    Q_OBJECT
public:
    DesignWindow(double designClientWidthTwips, double designClientHeightTwips, QWidget* parent = nullptr);

    DesignLayout& design() { return design_; }

    template<class W>
    W* add(const QString& objectName, ControlGeometry::Kind kind, double left, double top, double width, double height,
           double fontPt = DefaultFontPt, QWidget* parent = nullptr)
    {
        return design_.add<W>(objectName, kind, left, top, width, height, fontPt, parent);
    }
    VbLine* addLine(const QString& objectName, double x1, double y1, double x2, double y2, QWidget* parent = nullptr)
    {
        return design_.addLine(objectName, x1, y1, x2, y2, parent);
    }
    ControlGeometry* control(const QString& objectName) { return design_.control(objectName); }
    void apply() { design_.apply(); }
    void resizeForm() { design_.resizeForm(); }
    void resizeFormTo(double targetWidth, double targetHeight, double designWidth, double designHeight, int exactSize,
                      double fontGrowth, const QString& fontName)
    {
        design_.resizeFormTo(targetWidth, targetHeight, designWidth, designHeight, exactSize, fontGrowth, fontName);
    }

private:
    DesignLayout design_;
};
