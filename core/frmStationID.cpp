#include "core/frmStationID.h"

frmStationID& frmStationID::instance()
{
    static frmStationID* form = new frmStationID();
    return *form;
}

frmStationID::frmStationID() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("frmStationID"));
    setWindowTitle(QStringLiteral(" Setup Information"));
    resize(640, 480);
}
