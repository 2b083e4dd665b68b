#pragma once

#include <QString>
#include <QWidget>

// The 50x50 waiting picture in the middle of the screen while a recording
// is being stopped.
class IndicatorImage : public QWidget
{
    Q_OBJECT
public:
    explicit IndicatorImage(QWidget *parent = nullptr);

    // Kept for the owners; the picture shown is always the same.
    void setIndicatorImage(const QString &path);
    void IndicatorRunImage();

    static QString picturePath();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_imagePath;
};
