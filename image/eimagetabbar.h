#pragma once

#include <QLabel>

class ETabWidget;

// The image popup's bar of four tabs over a painted background. Presses
// between the buttons are caught by fixed hit zones, so a finger that lands
// a little beside a tab still opens its page.
class EImageTabBar : public QLabel
{
    Q_OBJECT
public:
    explicit EImageTabBar(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    ETabWidget *openTab() const { return m_openTab; }
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

    ETabWidget *m_modeTab;
    ETabWidget *m_pipTab;
    ETabWidget *m_paletteTab;
    ETabWidget *m_settingTab;
    ETabWidget *m_openTab;
};
