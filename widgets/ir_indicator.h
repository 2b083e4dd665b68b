#pragma once

#include <QString>
#include <QWidget>

// A green box with one bold line centred on the screen (the name of the
// picture being saved); it stays until its owner closes it.
class IR_indicator : public QWidget
{
    Q_OBJECT
public:
    explicit IR_indicator(QWidget *parent = nullptr);

    void setString(const QString &message);
    QString message() const { return m_message; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_message;
};
