#pragma once

#include <QLabel>

class ETabWidget;

// A bar of four icon tabs over the painted ":/images/tabbar.png", one per
// page of a popup. Presses between the buttons are caught by fixed hit
// zones, so a finger that lands a little beside a tab still opens its
// page; the few columns between two zones do nothing.
class EIconTabBar : public QLabel
{
    Q_OBJECT
public:
    // Object name of the tab and the stem of its pictures
    // (":/images/<picture>_big.png" open, "_small.png" closed).
    struct Tab
    {
        const char *name;
        const char *picture;
    };
    enum { PageCount = 4 };

    ETabWidget *openTab() const { return m_openTab; }
    // The tab of page 0..3, null for another index.
    ETabWidget *tab(int page) const;
    // The page of the hit zone at pos, -1 for none.
    static int pageAt(const QPoint &pos);

Q_SIGNALS:
    void pageChanged(int index);

public Q_SLOTS:
    void clickedHandler(const QString &name);

protected:
    // leadingSpace: pixels before the first tab.
    EIconTabBar(const Tab (&tabs)[PageCount], int leadingSpace, QWidget *parent, Qt::WindowFlags flags);

    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ETabWidget *m_tabs[PageCount];
    ETabWidget *m_openTab;
};
