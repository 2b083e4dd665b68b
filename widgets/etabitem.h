#pragma once

#include <QWidget>

class ECheckItem;
class QPushButton;

// One measurement object in the analysis lists: a check row with a Mode and
// a Setting button. Every signal carries the row's object name.
class ETabItem : public QWidget
{
    Q_OBJECT
public:
    ETabItem(const QString &text, QWidget *parent = nullptr);

    bool checked() const;
    void setChecked(bool on);
    void removeCheck();
    QString text() const;
    void setText(const QString &text);
    void removeMode();
    void removeSetup();
    ECheckItem *checkItem() const { return m_checkItem; }

Q_SIGNALS:
    void clickedCheck(const QString &name);
    void clickedSetup(const QString &name);
    void clickedMode(const QString &name);

public Q_SLOTS:
    void clickedCheckItemHandler();
    void clickedArrowItemHandler();
    void clickedModeItemHandler();

private:
    ECheckItem *m_checkItem;
    QPushButton *m_setting;
    QPushButton *m_mode;
};
