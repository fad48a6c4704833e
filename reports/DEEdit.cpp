#include "reports/DEEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "platform/KeyEvents.h"
#include "platform/VbControls.h"

using ContactEdit::Box;
using Kind = ControlGeometry::Kind;

namespace {

// Design rectangle columns and rows, in twips.
constexpr double ButtonLeft = 120, CaptionLeft = 1440, BoxLeft = 2760, WarningLeft = 4920;
constexpr double CaptionWidth = 1200, BoxWidth = 2040, WarningWidth = 1200, ButtonWidth = 1200;
constexpr double FirstRowTop = 540, RowPitch = 420, BoxHeight = 285, ButtonHeight = 375;
constexpr double ClientWidth = 6240;

double rowTop(int i) { return FirstRowTop + i * RowPitch; }

void styleWarning(QLabel* l)
{
    // White on maroon.
    QPalette p = l->palette();
    p.setColor(QPalette::Window, QColor(0x80, 0, 0));
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    l->setAutoFillBackground(true);
}

}   // namespace

DEEdit::DEEdit(ContactEdit::Variant variant, std::function<void()> deleteDupe, QWidget* parent)
    : QDialog(parent), design_(this, ClientWidth, rowTop(int(ContactEdit::rows(variant).size())) + ButtonHeight + 300),
      editor_(variant), deleteDupe_(std::move(deleteDupe))
{
    setObjectName(ContactEdit::formName(variant));
    setWindowTitle(QStringLiteral("Edit Contact Entry"));
    setModal(true);

    lblTitle = design_.addLabel(QStringLiteral("lblTitle"), QStringLiteral("Edit Contact:"), CaptionLeft, 150, 3000,
                                285, nullptr, 9.75);

    const QVector<ContactEdit::Row>& rows = ContactEdit::rows(variant);
    QWidget* previous = nullptr;
    for (int i = 0; i < rows.size(); ++i) {
        const ContactEdit::Row& r = rows[i];
        const Box b = r.box;
        design_.addLabel(QStringLiteral("lblRow(%1)").arg(i), QLatin1String(r.caption), CaptionLeft, rowTop(i) + 30,
                         CaptionWidth, 255);
        QLineEdit* edit =
            design_.addTextBox(QLatin1String(r.control), QString(), BoxLeft, rowTop(i), BoxWidth, BoxHeight);
        boxes_[ContactEdit::indexOf(b)] = edit;
        if (r.warning) {
            QLabel* w =
                design_.addLabel(QLatin1String(r.warning),
                                 b == Box::Call ? ContactEdit::DupeWarningText : ContactEdit::InvalidWarningText,
                                 WarningLeft, rowTop(i), WarningWidth, BoxHeight);
            styleWarning(w);
            w->hide();
            warnings_[ContactEdit::indexOf(b)] = w;
        }
        KeyEvents::hook(edit, [this, b](int& k) { KeyPress(b, k); });
        KeyEvents::filterPaste(edit, [b](const QString& s) { return ContactEdit::cleanPaste(b, s); });
        edit->installEventFilter(this);
        if (previous)
            setTabOrder(previous, edit);
        previous = edit;
    }

    cmdDone = design_.addButton(QStringLiteral("cmdDone"), QStringLiteral("Done"), (ClientWidth - ButtonWidth) / 2,
                                rowTop(int(rows.size())) + 60, ButtonWidth, ButtonHeight);
    setTabOrder(previous, cmdDone);
    // At the left, under the call row.
    cmdDeleteDupe = design_.addButton(QStringLiteral("cmdDeleteDupe"), QStringLiteral("Delete Dupe"), ButtonLeft,
                                      rowTop(1), ButtonWidth, ButtonHeight);
    cmdDeleteDupe->hide();
    for (QPushButton* b : {cmdDone, cmdDeleteDupe}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    connect(cmdDeleteDupe, &QPushButton::clicked, this, [this] { cmdDeleteDupe_Click(); });

    Form_Load();
}

void DEEdit::Form_Load()
{
    design_.resizeForm();
    editor_.Form_Load();
    for (QLineEdit* b : boxes_)
        if (b)
            b->setText(QString());
    showState();
    box(Box::Call)->setFocus();
}

void DEEdit::readBoxes()
{
    for (int i = 0; i < ContactEdit::BoxCount; ++i)
        if (boxes_[i])
            editor_.text[i] = boxes_[i]->text();
}

void DEEdit::showState()
{
    for (int i = 0; i < ContactEdit::BoxCount; ++i) {
        if (boxes_[i] && boxes_[i]->text() != editor_.text[i])
            boxes_[i]->setText(editor_.text[i]);
        if (warnings_[i])
            warnings_[i]->setVisible(editor_.warning[i]);
    }
    cmdDeleteDupe->setVisible(editor_.deleteDupeShown);
    if (editor_.focusRequest) {
        const Box b = *editor_.focusRequest;
        editor_.focusRequest.reset();
        returnFocus(b);
    }
}

void DEEdit::returnFocus(Box b)
{
    QLineEdit* target = box(b);
    if (!target || target->hasFocus())
        return;
    movingFocus_ = true;
    target->setFocus(Qt::OtherFocusReason);
    movingFocus_ = false;
}

void DEEdit::LostFocus(Box b)
{
    readBoxes();
    editor_.leaveCheck(b);
    showState();
}

void DEEdit::cmdDone_Click()
{
    readBoxes();
    const bool stored = editor_.cmdDone_Click();
    showState();
    if (stored)
        accept();
}

void DEEdit::cmdDeleteDupe_Click()
{
    hide();
    if (deleteDupe_)
        deleteDupe_();
}

void DEEdit::KeyPress(Box b, int& KeyAscii)
{
    QLineEdit* edit = box(b);
    const int caret = selStart(edit);
    const ContactEdit::KeyResult r = ContactEdit::keyPress(variant(), b, edit->text(), caret, KeyAscii);
    KeyAscii = r.key;
    if (r.runDone) {
        cmdDone_Click();
        return;
    }
    if (r.edit) {
        edit->setText(r.edit->text);
        setSelection(edit, r.edit->selStart, r.edit->selLength);
    }
}

bool DEEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !movingFocus_ && isVisible()) {
        // Leaving the box for another control of the dialog; not another window coming up.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) {
            for (int i = 0; i < ContactEdit::BoxCount; ++i)
                if (boxes_[i] == watched)
                    LostFocus(static_cast<Box>(i));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DEEdit::keyPressEvent(QKeyEvent* event)
{
    // The dialog has no Cancel: Esc does not close it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Enter presses the focused button; in a box it runs Done through the box's key handler.
    if (KeyEvents::enterPressesFocusedButton(this, event))
        return;
    QDialog::keyPressEvent(event);
}
