#pragma once

#include <QString>
#include <QWidget>

// What the two centred waiting pictures share: a transparent, frameless,
// window-modal widget of a fixed size in the middle of the 320x240 screen,
// painted with one picture scaled to it.
class WaitPicture : public QWidget
{
    Q_OBJECT
public:
    // Shows the picture at once, before the work the owner is about to do.
    void IndicatorRunImage();

protected:
    WaitPicture(QWidget *parent, const QSize &size, Qt::WindowFlags flags, const QString &picturePath);

    // A path an owner hands in is kept, never shown.
    void rememberPath(const QString &path) { m_ownersPath = path; }
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picturePath;
    QString m_ownersPath;
};
