#pragma once

#include "emodedialog.h"

class ESpinBoxItem;

// Places a line's cursor with two number rows: the row (the horizontal
// line's row, the cursor's place along the vertical line) and the column.
// Every step moves the line at once; leaving stores "Row" and "Column".
class ELineMode : public EModeDialog
{
    Q_OBJECT
public:
    explicit ELineMode(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setLineID(int n);
    ESpinBoxItem *rowField() const { return m_rowField; }
    ESpinBoxItem *columnField() const { return m_columnField; }

public Q_SLOTS:
    void changeXPara(const QString &);
    void changeYPara(const QString &);

protected:
    void showEvent(QShowEvent *event) override;
    void store() override;

private:
    ESpinBoxItem *m_rowField;
    ESpinBoxItem *m_columnField;
};
