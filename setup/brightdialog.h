#pragma once

#include <QFrame>

class BrightConfig;
class EDialogTitle;
class EMiscPage;

// "Bright": the backlight follows the slider while the dialog is up; Done
// stores the position and shows its percentage on the Control page;
// Cancel and Escape put the stored brightness back on the panel.
class BrightDialog : public QFrame
{
    Q_OBJECT
public:
    explicit BrightDialog(QWidget *page, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void brightsettings(int position);

    BrightConfig *slider() const { return m_slider; }
    EDialogTitle *title() const { return m_title; }
    int saved() const { return m_saved; }

public Q_SLOTS:
    void cancelHandler();
    void doneHandler();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    EDialogTitle *m_title = nullptr;
    BrightConfig *m_slider = nullptr;
    int m_saved = 183;
    EMiscPage *m_page = nullptr;
};
