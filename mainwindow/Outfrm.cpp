#include "mainwindow/Outfrm.h"

#include "entry/OutLogging.h"
#include "mainwindow/EntryRowView.h"

Outfrm::Outfrm(QWidget* parent) : MainFrame(MainWindows::Which::Out, parent) { bindEntryRow(row_); }

Outfrm::~Outfrm() { unbindEntryRow(); }

void Outfrm::Mains()
{
    if (inMains_ || !entryView())
        return;
    inMains_ = true;
    entryView()->run([this] { OutLogging::Mains(row_); });
    inMains_ = false;
}
