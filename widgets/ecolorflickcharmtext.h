#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QString>

// One row of the custom palette list: like the plain kinetic row, with a
// settings cell at its right end. The screen places it.
class EColorFlickCharmText : public QGraphicsItem
{
public:
    enum { Type = UserType + 0x2182 };

    EColorFlickCharmText(const QString &text, int index, int width, int height);
    ~EColorFlickCharmText() override;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    QString text() const { return m_text; }
    int index() const { return m_index; }
    void setIndex(int index);
    void setText(const QString &text);
    void setFont(const QFont &font);
    void setChecked(bool checked);
    bool isChecked() const { return m_checked; }
    void setHighLight(bool highLight);
    bool isHighLight() const { return m_highLight; }
    void setSettingHighLight(bool highLight);
    bool isSettingHighLight() const { return m_settingHighLight; }
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
    bool m_settingHighLight = false;
    bool m_lastItem = false;
    bool m_firstItem = false;
    int m_width = 0;
    int m_height = 0;
};
