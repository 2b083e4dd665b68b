#pragma once

#include <QPushButton>

class QLabel;

// A plain row of the date and time page: text on the left, arrow on the right.
class ZDateTimeItem : public QPushButton
{
public:
    explicit ZDateTimeItem(QWidget *parent = nullptr);

    QLabel *textLabel = nullptr;
    QLabel *iconLabel = nullptr;
};
