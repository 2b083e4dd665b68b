#pragma once

#include <QStringList>
#include <QWidget>

class EComboBox;
class QPushButton;
class QTimer;

// Row that steps through a list with two arrows, wrapping at both ends;
// holding an arrow repeats one step every 200 ms. Every step the user makes
// is signalled with the index now shown.
class EComboBoxItem : public QWidget
{
    Q_OBJECT
public:
    explicit EComboBoxItem(const QStringList &list, QWidget *parent = nullptr);

    void setEnableLongPress(bool on) { m_longPressEnabled = on; }
    int currentIndex() const;
    int count() const;
    void setCurrentIndex(int index);
    void setStringList(const QStringList &list);
    const QStringList &stringList() const;
    QString text() const;
    void removeUpDown();
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

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void step(int direction);
    void stopRepeat();

    EComboBox *m_comboBox;
    QPushButton *m_left;
    QPushButton *m_right;
    QTimer *m_downTimer;
    QTimer *m_upTimer;
    bool m_downLongPress = false;
    bool m_upLongPress = false;
    bool m_longPressEnabled = true;
};
