#pragma once

#include <QString>
#include <QWidget>

// The 32x46 waiting picture in the middle of the screen while the media
// browser makes thumbnails.
class WaitThumbIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit WaitThumbIndicator(QWidget *parent = nullptr);

    // Kept for the owners; the picture shown is always the same.
    void setWaitThumbIndicator(const QString &path);
    void IndicatorRunImage();

    static QString picturePath();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_imagePath;
};
