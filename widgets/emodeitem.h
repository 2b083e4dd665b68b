#pragma once

#include <QWidget>

class ELabel;
class QPushButton;

// Row with a caption and two arrows that only reports which arrow was
// clicked; the owner chooses the next mode.
class EModeItem : public QWidget
{
    Q_OBJECT
public:
    EModeItem(const QString &text, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    void setCustomStyleSheet(int);

Q_SIGNALS:
    void clickedIncrease(const QString &what);
    void clickedDecrease(const QString &what);

public Q_SLOTS:
    void decrease();
    void increase();

protected:
    // A press beside the arrows ends here; the dialog behind never sees it.
    void mousePressEvent(QMouseEvent *) override {}
    void mouseReleaseEvent(QMouseEvent *) override {}

private:
    ELabel *m_caption;
    QPushButton *m_left;
    QPushButton *m_right;
};
