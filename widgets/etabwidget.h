#pragma once

#include <QPixmap>
#include <QPushButton>

// 32x32 icon tab of the tab bars: the big picture on blue when it is the
// open tab, the small picture otherwise. Reports its name at the press.
class ETabWidget : public QPushButton
{
    Q_OBJECT
public:
    explicit ETabWidget(QWidget *parent = nullptr);

    void setSmallPixmap(const QPixmap &pixmap);
    void setBigPixmap(const QPixmap &pixmap);
    void setOpen(bool open);
    bool isOpen() const { return m_open; }
    void setHighlight(bool on);
    bool isHighlight() const { return m_highlight; }

Q_SIGNALS:
    void clicked(const QString &name);

public Q_SLOTS:
    void clickedHandler();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QPixmap m_small;
    QPixmap m_big;
    bool m_highlight = false;
    bool m_open = false;
};
