#pragma once
// The modal "Edit Contact Entry" dialog of both main windows: DEEditInfrm for the in-state window,
// DEEditOut for the out-of-state window, one class with the variant as its objectName. It loads
// record G.EditIndex into its boxes, and its Done stores them back into G.ContactArrays (never
// into log.txt: the opener rewrites and reloads afterwards, see ContactList::cmdEdit_Click).
// What it decides lives in ContactEdit::Editor; the dialog shows the editor's state and passes the
// key, focus and button events on.
//
// A box whose leave check fails gets the focus back; the box the focus was going to is not
// checked on that move, so two failing boxes never hand the focus back and forth.
#include <QDialog>

#include <array>
#include <functional>

#include "core/DesignWindow.h"
#include "reports/ContactEdit.h"

class QLabel;
class QLineEdit;
class QPushButton;

class DEEdit : public QDialog {
    Q_OBJECT
public:
    // `deleteDupe` is the opener's Delete command ("Are you sure?" on the contact selected in its
    // list), which "Delete Dupe" runs; without one the button only hides the dialog. The dialog
    // loads record G.EditIndex at once.
    explicit DEEdit(ContactEdit::Variant variant, std::function<void()> deleteDupe = {}, QWidget* parent = nullptr);

    ContactEdit::Variant variant() const { return editor_.variant(); }
    ContactEdit::Editor& editor() { return editor_; }
    DesignLayout& design() { return design_; }

    // Scales the dialog and fills the boxes from record G.EditIndex, every warning hidden.
    void Form_Load();
    // Done: stores the boxes and hides the dialog, or stays open with the refusal shown.
    void cmdDone_Click();
    // Hides the dialog and runs the opener's Delete ("Are you sure?") on the contact selected in
    // its list, the one being edited.
    void cmdDeleteDupe_Click();
    // Runs the leave check of box `b` as if the focus had left it.
    void LostFocus(ContactEdit::Box b);

    // Key filter of the call, report, mode and band boxes (capitals).
    static void Cap2(int& KeyAscii) { KeyAscii = ContactEdit::Cap2(KeyAscii); }

    // The box of `b` (nullptr when the variant has none) and the warning label beside it.
    QLineEdit* box(ContactEdit::Box b) const { return boxes_[ContactEdit::indexOf(b)]; }
    QLabel* warningLabel(ContactEdit::Box b) const { return warnings_[ContactEdit::indexOf(b)]; }

    QLabel* lblTitle = nullptr;
    QPushButton* cmdDone = nullptr;
    QPushButton* cmdDeleteDupe = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void KeyPress(ContactEdit::Box b, int& KeyAscii);
    void readBoxes();
    void showState();
    // Moves the focus to `b` without running the leave check of the box that loses it.
    void returnFocus(ContactEdit::Box b);

    DesignLayout design_;
    ContactEdit::Editor editor_;
    std::function<void()> deleteDupe_;
    std::array<QLineEdit*, ContactEdit::BoxCount> boxes_{};
    std::array<QLabel*, ContactEdit::BoxCount> warnings_{};
    bool movingFocus_ = false;
};
