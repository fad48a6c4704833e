#include "entry/InRow.h"

namespace Entry {

InRow::InRow(EntryHost* host)
{
    setHost(host);
    for (const auto& s : fieldSpecs())
        box(s.field).maxLength = s.maxLength;
    txtPostConTime.visible = false;
    txtPostConDate.visible = false;
}

TextBox& InRow::box(Field f)
{
    switch (f) {
    case Field::RSTR: return txtRSTR;
    case Field::Cntry: return txtCntry;
    case Field::Sec: return txtSec;
    case Field::RSTS: return txtRSTS;
    case Field::PostConTime: return txtPostConTime;
    case Field::PostConDate: return txtPostConDate;
    default: return txtCall;
    }
}

void InRow::setText(Field f, const QString& text)
{
    box(f).setText(text);
    changed(f);
}

void InRow::setFocus(Field to)
{
    if (to == focus)
        return;
    const Field from = focus;
    focus = to;
    focusLeft(from);
    focusEntered(to);
}

void InRow::emptyEntry()
{
    for (Field f : {Field::RSTS, Field::Cntry, Field::Call, Field::RSTR, Field::Sec})
        setText(f, QString());
    labels.Label19.clear();
    labels.Label22.clear();
    labels.Label23.clear();
}

} // namespace Entry
