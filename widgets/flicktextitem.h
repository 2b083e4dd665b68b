#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QString>

// What the rows of the kinetic lists share: the text and its width in the
// row's font, the index, the size, the check mark, the highlight while the
// finger is on the row and where the row stands in the list. Each row paints
// itself and says how a change of its ends is shown.
class FlickTextItem : public QGraphicsItem
{
public:
    ~FlickTextItem() override;

    QRectF boundingRect() const override;

    QString text() const { return m_text; }
    int index() const { return m_index; }
    void setFont(const QFont &font);
    void setChecked(bool checked);
    bool isChecked() const { return m_checked; }
    void setHighLight(bool highLight);
    bool isHighLight() const { return m_highLight; }
    int textWidth() const { return m_textWidth; }

protected:
    FlickTextItem(const QString &text, int index, int width, int height);

    // Text and font changes go through here so the width follows.
    void measureText();

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
