#include "mainwindow/Infrm.h"

#include <QLabel>

#include "core/Globals.h"

void Infrm::Label25_Change() { G.WildCounty = Label25->text().toUpper(); }
