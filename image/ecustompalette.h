#pragma once

#include <QWidget>

class EDialogTitle;

// Stand-in for the custom palette list until it is built: its title bar
// and setChoose(); Cancel and Escape close it. It chooses, sends and
// stores nothing.
class ECustomPalette : public QWidget
{
    Q_OBJECT
public:
    explicit ECustomPalette(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setChoose(bool chosen);
    bool chosen() const { return m_chosen; }
    EDialogTitle *title() const { return m_title; }

public Q_SLOTS:
    void slot_cancelClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    EDialogTitle *m_title;
    bool m_chosen = false;
};
