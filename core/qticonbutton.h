#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// The picture of a menu tile: a frame image behind a scaled icon drawn at
// the top, centred across.
class QTIconButton : public QWidget
{
    Q_OBJECT
public:
    explicit QTIconButton(QWidget *parent = nullptr);

    void init();
    void set_IconName(const QString &path);
    void set_curwidth(int width) { m_width = width; }
    void set_curheight(int height) { m_height = height; }
    QSize sizeHint() const override { return QSize(50, 50); }

    bool isLoaded() const { return !m_image.isNull(); }
    QImage image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width = 32;
    int m_height = 32;
    QImage m_image;
};
