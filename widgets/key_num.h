#pragma once

#include <QList>
#include <QWidget>

class QPushButton;

// 320x150 digit keypad with a delete key; each tap goes at once, as a key
// press, to the focus widget of the host (the parent).
class Key_Num : public QWidget
{
    Q_OBJECT
public:
    explicit Key_Num(QWidget *parent);

    void changeText();
    QPushButton *key(const QString &objectName) const;

private Q_SLOTS:
    void on_btn_clicked(int btn);

private:
    QWidget *hostWidget = nullptr;
    QList<QPushButton *> keyList;
};
