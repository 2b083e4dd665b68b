#pragma once

#include <QFrame>
#include <QPointer>

class EDialogTitle;
class PhotoTimeBoard;
class QPushButton;
class ZLineEdit;

// The interval dialog of the Photos page: a count and a unit (seconds,
// minutes, hours), each with "+" and "-"; a tap on the count opens the
// number pad. The count is held to the unit's range; changing the unit
// keeps the number. Done stores both and tells the page; Cancel and Escape
// discard them (Escape also closes the setup window).
class PhotoTimeDialog : public QFrame
{
    Q_OBJECT
public:
    PhotoTimeDialog(QWidget *page, QWidget *parent, Qt::WindowFlags flags = {});

    int count() const { return m_count; }
    int unit() const { return m_unit; }
    static QString unitName(int unit);

    void readConfigParam();
    void SaveConfigParam();

    EDialogTitle *title() const { return m_title; }
    ZLineEdit *countEdit() const { return m_countEdit; }
    ZLineEdit *unitEdit() const { return m_unitEdit; }
    QPushButton *countAdd() const { return m_countAdd; }
    QPushButton *countSub() const { return m_countSub; }
    QPushButton *unitAdd() const { return m_unitAdd; }
    QPushButton *unitSub() const { return m_unitSub; }
    PhotoTimeBoard *board() const;

Q_SIGNALS:
    void emitPhototime();

public Q_SLOTS:
    void cancelHandler();
    void doneHandler();
    void photo_add_time();
    void photo_sub_time();
    void photo_edit_time(const QString &name);
    void photo_recv_time(int count);
    void photounit_add();
    void photounit_sub();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *stepButton(const QString &text, const QRect &geometry, void (PhotoTimeDialog::*slot)());
    void focusField(ZLineEdit *field);
    void showValues();

    EDialogTitle *m_title = nullptr;
    ZLineEdit *m_countEdit = nullptr;
    ZLineEdit *m_unitEdit = nullptr;
    QPushButton *m_countAdd = nullptr;
    QPushButton *m_countSub = nullptr;
    QPushButton *m_unitAdd = nullptr;
    QPushButton *m_unitSub = nullptr;
    QPointer<PhotoTimeBoard> m_board;
    int m_count = 0;
    int m_unit = 0;
};
