#pragma once

#include <QPushButton>

// One row of a single-choice list in a setup dialog: white, with a check
// mark 30 pixels from its right edge when it is the chosen one. A press
// and release without any move in between reports the row's index; a
// finger that moved was scrolling or changed its mind. Stacked rows form
// one box: the first rounds the top, the last the bottom.
class ESetupCheckItem : public QPushButton
{
    Q_OBJECT
public:
    explicit ESetupCheckItem(const QString &text, QWidget *parent = nullptr);

    void setItemIndex(int index) { m_itemIndex = index; }
    int itemIndex() const { return m_itemIndex; }
    // Does not clear other rows; the dialog does.
    void setChecked(bool on);
    bool checked() const { return m_checked; }
    void setFirstItem();
    void setLastItem();

Q_SIGNALS:
    void clicked(int index);

public Q_SLOTS:
    void clickedHandler() {}

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setCustomStyle();

    bool m_checked = false;
    bool m_moved = false;
    bool m_firstItem = false;
    bool m_lastItem = false;
    int m_itemIndex = -1;
};
