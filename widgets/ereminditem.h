#pragma once

#include <QPushButton>

// List row with an arrow on its right that leads to a further page.
class ERemindItem : public QPushButton
{
    Q_OBJECT
public:
    ERemindItem(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked(const QString &text);

public Q_SLOTS:
    void clickedHandler();

protected:
    void paintEvent(QPaintEvent *event) override;
};
