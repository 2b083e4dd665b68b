#pragma once

#include <QList>
#include <QWidget>

class ModifyProfileWindow;
class QPushButton;
class QSignalMapper;

// The chooser of the correction curves: one button per lens (four) and
// range (two), enabled when that correction file exists; a press plots
// the file in the one plot window.
class EModifyProfile : public QWidget
{
    Q_OBJECT
public:
    enum { Lenses = 4, Ranges = 2 };

    explicit EModifyProfile(QWidget *parent = nullptr);
    ~EModifyProfile() override;

    void readConfigPara();
    // The correction file of lens and range, as the plot names it.
    static QString fileName(int lens, int range);

    QPushButton *button(int id) const { return m_btnList.value(id); }
    ModifyProfileWindow *plotWindow() const { return m_plot; }

public Q_SLOTS:
    void slot_showProfile(int id);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    ModifyProfileWindow *m_plot = nullptr;
    QList<QPushButton *> m_btnList;
    QSignalMapper *m_mapper = nullptr;
};
