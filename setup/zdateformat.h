#pragma once

#include <QFrame>

class EDialogTitle;
class ESetupCheckItem;

// Chooses the order of the date: month-day-year, day-month-year or
// year-month-day, each row showing today's date that way. Stored as
// "Dateformat" on Done or Return.
class ZDateFormat : public QFrame
{
    Q_OBJECT
public:
    explicit ZDateFormat(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    int choice() const { return m_choice; }

    EDialogTitle *title = nullptr;
    ESetupCheckItem *firstItem = nullptr;
    ESetupCheckItem *secondItem = nullptr;
    ESetupCheckItem *thirdItem = nullptr;

Q_SIGNALS:
    void send_dateFarmat_closesignals();

public Q_SLOTS:
    void button_slots();
    void button_cancel();
    void clickedHandler();
    void clickedHandler_1();
    void clickedHandler_2();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(int index);

    int m_choice = 2;
};
