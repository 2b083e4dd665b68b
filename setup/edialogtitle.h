#pragma once

#include "etitlebar.h"

class QPushButton;
class QVBoxLayout;

// Caption bar of a setup dialog: grey Cancel at the left, the caption in
// the middle, blue Done at the right. Either button first tells the live
// view that no setup dialog is open any more, then signals the dialog, so
// the flag is clear even when the dialog ignores the signal.
class EDialogTitle : public ETitleBar
{
    Q_OBJECT
public:
    explicit EDialogTitle(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Makes dialog a frameless modal window laid out as a column, 1 pixel
    // in from its edges, headed by its caption bar (24 high).
    static EDialogTitle *headColumnDialog(QWidget *dialog, QVBoxLayout **column);

public Q_SLOTS:
    void cancelHandler();
    void doneHandler();

private:
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_doneButton = nullptr;
};
