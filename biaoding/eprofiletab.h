#pragma once

#include <QList>
#include <QWidget>

class EComboBoxItem;
class ProfileWindow;
class QPushButton;
class QSignalMapper;

// The "Profile" tab: which tables of lenses 0..3 and ranges 0..1 are
// usable (a grid of buttons that plot them), "Generate" (a cubic fit of
// the chosen table, plotted against it) and "remove". Once the plot window
// has replaced a table by its generated twin the tab says so, and its
// owner reloads the table editor.
class EProfileTab : public QWidget
{
    Q_OBJECT
public:
    explicit EProfileTab(QWidget *parent = nullptr);

    void readConfigPara();
    void generateTemp0BiaoDingTable(int range, int lens);
    void generateTemp1BiaoDingTable(int range, int lens);
    void removeBiaoDingTable(int range, int lens);

    QPushButton *tableButton(int id) const { return m_tables.value(id); }
    QPushButton *generateButton() const { return m_generate; }
    QPushButton *removeButton() const { return m_remove; }
    EComboBoxItem *rangeSelector() const { return m_range; }
    EComboBoxItem *lensSelector() const { return m_lens; }
    ProfileWindow *profileWindow() const { return m_window; }

Q_SIGNALS:
    // A generated table replaced the one in use.
    void sign_tableSaved();

public Q_SLOTS:
    void slot_showProfile(int id);
    void slot_generateProfile();
    void slot_removeProfile();
    void slot_save_handler();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ProfileWindow *window();
    void generate(int range, int lens);

    QPushButton *m_generate = nullptr;
    QPushButton *m_remove = nullptr;
    ProfileWindow *m_window = nullptr;
    QList<QPushButton *> m_tables;
    QSignalMapper *m_mapper = nullptr;
    EComboBoxItem *m_range = nullptr;
    EComboBoxItem *m_lens = nullptr;
};
