#pragma once
// The in-state window's entry row as logging (InLogging) and the duplicate checks (InDupeCheck)
// see it: the five entry fields call, report received, state/province/country, county and report
// sent, the two post-contest boxes, the focus, the status labels and the few other labels the
// checks write. It asks its window (an Entry::EntryHost) for everything else.
//
// The row's own key, change and focus handlers belong to a subclass: setText runs changed() and
// setFocus runs focusLeft() and focusEntered(), so a fill-in by a check reaches the field's change
// handler and a focus move by a check runs the handlers a Tab would. This base runs none, which
// is all a test of logging needs.
#include "entry/EntryKeys.h"

namespace Entry {

class InRow {
public:
    // The fields get their design length limits; the post-contest boxes start hidden.
    explicit InRow(EntryHost* host = nullptr);
    virtual ~InRow() = default;
    InRow(const InRow&) = delete;
    InRow& operator=(const InRow&) = delete;

    void setHost(EntryHost* host) { host_ = host ? host : &noHost_; }
    EntryHost& host() { return *host_; }

    TextBox txtCall, txtRSTR, txtCntry, txtSec, txtRSTS, txtPostConTime, txtPostConDate;
    Field focus = Field::Call;
    StatusLabels labels;

    TextBox& box(Field f);
    const TextBox& box(Field f) const { return const_cast<InRow*>(this)->box(f); }

    // A text written from code: caret at the start, nothing selected; the field's change handler
    // runs.
    void setText(Field f, const QString& text);
    void selectAll(Field f) { box(f).selectAll(); }
    // The focus moves to `to`: the old field's leave handler, then the new one's enter handler.
    // Moving to the field that has the focus runs nothing.
    void setFocus(Field to);

    // Empties the entry as logging and the duplicate check do: report sent, state field, call,
    // report received, county (in that order), then the continent, bearing and miles.
    void emptyEntry();

protected:
    virtual void changed(Field f) {}
    virtual void focusLeft(Field f) {}
    virtual void focusEntered(Field f) {}

private:
    EntryHost* host_ = nullptr;
    EntryHost noHost_;
};

} // namespace Entry
