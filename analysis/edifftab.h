#pragma once

#include <QWidget>

class ETabItem;

// "Diff 1" and "Diff 2": a page prepared for temperature differences that
// no screen shows yet. Each row's "Setting" opens the one EDiffSetup.
class EDiffTab : public QWidget
{
    Q_OBJECT
public:
    explicit EDiffTab(QWidget *parent = nullptr);

    bool diffChecked(int i) const;
    void setDiffChecked(int i, bool on);
    // Reads group "Diff_%1"; nothing uses the values yet.
    void readDiffPara(int n);

    ETabItem *row(int i) const { return i == 0 ? m_first : i == 1 ? m_second : nullptr; }

public Q_SLOTS:
    void clickedCheckHandler(const QString &name);
    void clickedModeHandler(const QString &name);
    void clickedSetupHandler(const QString &name);

private:
    ETabItem *m_first;
    ETabItem *m_second;
};
