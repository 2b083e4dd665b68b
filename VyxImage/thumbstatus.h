#pragma once

#include <QLabel>

// The browser's notice over the whole screen when there is nothing to list:
// "No sd card" or "This directory is empty", in red.
class ThumbStatus : public QLabel
{
    Q_OBJECT
public:
    explicit ThumbStatus(QWidget *parent = nullptr);

    // The text by the card's presence; repaints.
    void UpdateStatus();
    QString notice() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
