#pragma once

#include <QLabel>

// The player's banner: the file's name, date and time over a background.
class QPhotoInfoLabel : public QLabel
{
public:
    explicit QPhotoInfoLabel(QWidget *parent = nullptr);

    void updateInformation(const QString &text);
    QString information() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
