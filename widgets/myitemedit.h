#pragma once

#include <QPushButton>

class QLabel;

// A flat labelled value row: title at the left, value at the right; a press
// reports the row's id.
class MyItemEdit : public QPushButton
{
    Q_OBJECT
public:
    MyItemEdit(const QString &title, int id, QWidget *parent = nullptr);

    QString title() const;
    void setTitle(const QString &title);
    QString text() const;
    void setText(const QString &text);
    int id() const { return m_id; }

Q_SIGNALS:
    void sign_pressed(int id);

private Q_SLOTS:
    void slot_pressed();

private:
    QLabel *m_title = nullptr;
    QLabel *m_value = nullptr;
    int m_id = 0;
};
