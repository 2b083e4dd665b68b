#pragma once

#include <QFrame>

class QPushButton;

// The small Add / Remove / Rename menu of the custom palette list. An
// entry that is off is grey and only closes the menu.
class ECustomMenu : public QFrame
{
    Q_OBJECT
public:
    explicit ECustomMenu(QWidget *parent = nullptr, int unused = 0);

    void setAddEnable(bool on);
    void setRemoveEnable(bool on);
    void setRenameEnable(bool on);
    bool addEnabled() const { return m_addEnable; }
    bool removeEnabled() const { return m_removeEnable; }
    bool renameEnabled() const { return m_renameEnable; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *removeButton() const { return m_remove; }
    QPushButton *renameButton() const { return m_rename; }

Q_SIGNALS:
    void signal_add();
    void signal_remove();
    void signal_rename();

public Q_SLOTS:
    void slot_clickedAdd();
    void slot_clickedRemove();
    void slot_clickedRename();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_rename;
    bool m_addEnable = true;
    bool m_removeEnable = true;
    bool m_renameEnable = true;
};
