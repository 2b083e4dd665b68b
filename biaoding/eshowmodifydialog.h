#pragma once

#include "calibpage.h"

// The correction-table viewer; for now a plain page.
class EShowModifyDialog : public CalibPage
{
    Q_OBJECT
public:
    explicit EShowModifyDialog(QWidget *parent = nullptr);
};
