#pragma once

#include <QPixmap>
#include <QPushButton>

class QPainter;

// Push button that can show a stretched pixmap or a small drop-down mark,
// and reports its attribute and itself as soon as it is pressed.
class EPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit EPushButton(QWidget *parent = nullptr);
    EPushButton(const QString &text, QWidget *parent = nullptr, bool mark = false);

    void setPixmap(const QPixmap &pixmap);
    void setHighlight(bool on);
    void setDark(bool on);
    void setCheck(bool on);
    void setIconName(const QString &name);
    void setAttribute(const QString &attribute) { m_attribute = attribute; }
    QString attribute() const { return m_attribute; }
    void setButtonRow(int row) { m_buttonRow = row; }
    int getButtonRow() const { return m_buttonRow; }
    void setButtonColumn(int column) { m_buttonColumn = column; }
    int getButtonColumn() const { return m_buttonColumn; }
    void setNum(int num) { m_num = num; }
    int getNum() const { return m_num; }
    bool hasDropDownMark() const { return m_dropDownMark; }

    // Fills r with one-pixel lines blended in HSV from c1 (bottom) to c2;
    // the top n lines form a band from about the middle colour to c2.
    static void drawBlend(QPainter *p, const QRect &r, int mode, const QColor &c1, const QColor &c2, int n);

Q_SIGNALS:
    void clicked(int);
    void clicked(const QString &attribute);
    void clicked(EPushButton *button);

public Q_SLOTS:
    void buttonClicked() {}

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setUp(bool mark);

    QPixmap m_pixmap;
    bool m_highlight = false;
    bool m_dark = false;
    bool m_check = false;
    bool m_unused = false;
    QString m_iconName;
    QObject *m_object = nullptr;
    QString m_spare;
    bool m_dropDownMark = false;
    int m_buttonRow = 0;
    int m_buttonColumn = 0;
    int m_num = 0;
    QString m_attribute;
};
