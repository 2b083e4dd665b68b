#pragma once

#include <QStringList>
#include <QWidget>

class MyItemEdit;
class MyKeyboard;
class QPushButton;
class UseKeyBoardDialog;

// The product information editor ("P/N"): producer, type, serial number,
// chip number and production date in group "ProductInfo" of
// "Parameter/Setting". Producer and type are typed on the text keyboard;
// the rest on the keypad. The serial and chip numbers may be changed once
// (a lock key is set with the first change) and must be 1 to 20
// characters of 0-9, A-Z, a-z and "-", since the serial number names the
// backup folder; a refused entry neither changes nor locks. The date must
// be a real day from 2000 to 2050, written year-month-day.
class ProductInfoWidget : public QWidget
{
    Q_OBJECT
public:
    enum Row { Producer, Type, Serial, ChipNo, Date, RowCount };

    explicit ProductInfoWidget(QWidget *parent = nullptr);
    ~ProductInfoWidget() override;

    MyItemEdit *row(int id) const;
    QPushButton *backButton() const { return m_back; }
    MyKeyboard *keyboard() const { return m_keyboard; }
    UseKeyBoardDialog *textDialog() const { return m_dialog; }

    static bool checkDataTime(const QString &text);

public Q_SLOTS:
    void slot_showBoard(int id);
    void slot_showKeyboard(int id);
    void slot_showEdit(const QString &text);
    void slot_setEdit(bool done);
    void slot_btnPrev();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void readConfig();
    bool write(const QString &key, const QVariant &value);
    void storeLocked(int id, const QString &value, const char *valueKey, const char *lockKey, int *lock);

    QList<MyItemEdit *> m_rows;
    QStringList m_values;
    QPushButton *m_back = nullptr;
    int m_current = -1;
    int m_serialLocked = 0;
    int m_chipLocked = 0;
    MyKeyboard *m_keyboard = nullptr;
    UseKeyBoardDialog *m_dialog = nullptr;
};
