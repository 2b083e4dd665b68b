#pragma once

#include <QStringList>
#include <QWidget>

class ArrowRepeat;
class EComboBox;
class QPushButton;

// Row that steps through a list with two arrows, wrapping at both ends;
// holding an arrow repeats one step every 200 ms. Every step the user makes
// is signalled with the index now shown.
class EComboBoxItem : public QWidget
{
    Q_OBJECT
public:
    explicit EComboBoxItem(const QStringList &list, QWidget *parent = nullptr);

    void setEnableLongPress(bool on);
    int currentIndex() const;
    int count() const;
    void setCurrentIndex(int index);
    void setStringList(const QStringList &list);
    const QStringList &stringList() const;
    QString text() const;
    void removeUpDown();
    // For a page that cannot give the row its 48 pixels: the arrows keep
    // their width and pictures, centred in the lower row.
    void setRowHeight(int height);
    EComboBox *comboBox() const { return m_comboBox; }

Q_SIGNALS:
    void currentIndexChanged(int index);

public Q_SLOTS:
    void upPress();
    void upRelease();
    void downPress();
    void downRelease();
    void mouseLongPressUp();
    void mouseLongPressDown();

private:
    void step(int direction);

    EComboBox *m_comboBox;
    QPushButton *m_left;
    QPushButton *m_right;
    ArrowRepeat *m_repeat;
};
