#pragma once

#include "timerchoices.h"

#include <QFrame>
#include <QList>

class EDialogTitle;
class EMiscPage;
class ESetupCheckItem;

// What the three timer dialogs share: a title bar over one check row per
// choice, the stored choice checked at every opening, a tap moving the
// check mark, Done storing index and period and calling back the Control
// page, Cancel storing nothing, Escape closing the setup window too.
class ETimerDialog : public QFrame
{
    Q_OBJECT
public:
    // Loads the stored index (checked against the rows).
    void readConfigPara();

    int current() const { return m_current; }
    ESetupCheckItem *currentItem() const { return m_currentItem; }
    const QList<ESetupCheckItem *> &items() const { return m_items; }
    EDialogTitle *title() const { return m_title; }

public Q_SLOTS:
    void clickedHandler(int index);
    void cancelHandler();
    void doneHandler();

protected:
    ETimerDialog(TimerChoices::Kind kind, const char *objectName, const char *title, QWidget *page,
                 QWidget *parent, Qt::WindowFlags flags);

    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Stores the choice, sets what follows from it and calls the page.
    virtual void confirm(int index) = 0;

    EMiscPage *page() const { return m_page; }

private:
    const TimerChoices::Kind m_kind;
    EDialogTitle *m_title = nullptr;
    ESetupCheckItem *m_currentItem = nullptr;
    EMiscPage *m_page = nullptr;
    QList<ESetupCheckItem *> m_items;
    int m_current = 0;
};
