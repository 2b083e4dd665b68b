#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QString>

// One row of a plain kinetic list (language list, standard palettes): text,
// a light frame rounding the ends of the list, a blue band while the finger
// is on it and a check mark on the selected entry. It places itself at its
// index.
class EFlickCharmText : public QGraphicsItem
{
public:
    enum { Type = UserType + 0x2181 };

    EFlickCharmText(const QString &text, int index, int width, int height);
    ~EFlickCharmText() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    QString text() const { return m_text; }
    int index() const { return m_index; }
    void setFont(const QFont &font);
    void setChecked(bool checked);
    bool isChecked() const { return m_checked; }
    void setHighLight(bool highLight);
    bool isHighLight() const { return m_highLight; }
    void setFirstItem(bool first);
    void setLastItem(bool last);
    int textWidth() const { return m_textWidth; }

private:
    QFont m_font;
    QString m_text;
    int m_textWidth = 0;
    bool m_checked = false;
    int m_index = 0;
    bool m_highLight = false;
    bool m_lastItem = false;
    bool m_firstItem = false;
    int m_width = 0;
    int m_height = 0;
};
