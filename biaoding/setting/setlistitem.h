#pragma once

#include "pagelist.h"

// The service window's page list: "Calib", "Ver", "Bak", "EMIF" and an
// empty row under "Settings". Releasing the cancel button closes the
// window through the live view, which brings the calibration menu back.
class SetListItem : public PageList
{
    Q_OBJECT
public:
    explicit SetListItem(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
};
