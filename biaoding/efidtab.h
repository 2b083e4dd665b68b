#pragma once

#include <QWidget>

class MyItemEdit;
class MyKeyboard;

// The "INT" tab of the calibration settings window: the text of each
// measuring range ("min~max"), the integration time of each and the number
// of ranges the live view offers. Rows change through the keypad; only the
// window's OK stores them.
class EFidTab : public QWidget
{
    Q_OBJECT
public:
    enum RowId { RangeNumRow = 0, Range0Row = 1, IntTime0Row = 2, Range1Row = 3, IntTime1Row = 4, Range2Row = 5, IntTime2Row = 6 };
    enum { IntTimeMin = 25, IntTimeMax = 430, RangeNumMin = 1, RangeNumMax = 3 };

    explicit EFidTab(QWidget *parent = nullptr);
    ~EFidTab() override;

    void readConfig();
    QString getTempRange(int index) const;
    QString getIntTime(int index) const;
    QString getTempRangeNum() const;

    // "min~max" of whole numbers with min < max.
    static bool isRangeText(const QString &text);

    MyItemEdit *row(int id) const;
    MyKeyboard *keyboard() const { return m_keyboard; }

public Q_SLOTS:
    void slot_showKeyboard(int nKey);
    void slot_showEdit(const QString &strData);

private:
    MyItemEdit *m_range[3] = {};
    MyItemEdit *m_intTime[3] = {};
    MyItemEdit *m_rangeNum = nullptr;
    MyKeyboard *m_keyboard = nullptr;
    int m_editing = -1;
};
