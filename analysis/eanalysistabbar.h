#pragma once

#include <QLabel>

class ETabWidget;

// The analysis panel's bar of four icon tabs (spots, lines, areas,
// settings) over a painted background. Presses between the buttons are
// caught by fixed hit zones; the few columns between two zones do nothing.
class EAnalysisTabBar : public QLabel
{
    Q_OBJECT
public:
    explicit EAnalysisTabBar(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    ETabWidget *openTab() const { return m_openTab; }
    // The tab of page 0..3, null for another index.
    ETabWidget *tab(int page) const;
    // The tab name of the hit zone at pos, empty for none.
    static QString zoneAt(const QPoint &pos);

Q_SIGNALS:
    void pageChanged(int index);

public Q_SLOTS:
    void clickedHandler(const QString &name);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ETabWidget *makeTab(const QString &name, const QString &picture);

    ETabWidget *m_tabs[4];
    ETabWidget *m_openTab;
};
