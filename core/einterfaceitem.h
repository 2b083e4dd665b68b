#pragma once

#include <QPushButton>

class QGridLayout;
class QLabel;
class QTIconButton;

// One tile of the main menu: an icon over a caption, 70 x 60. A press
// reports press(name), a release clicked(name), with the tile's object name.
class EInterfaceItem : public QPushButton
{
    Q_OBJECT
public:
    enum State { Normal = 1, Highlighted = 2, Pressed = 3 };

    explicit EInterfaceItem(QWidget *parent = nullptr);

    // A menu's tile as its table gives it; the caption is translated in
    // the menu's own context.
    struct Spec
    {
        int row;
        int column;
        const char *caption;
        const char *name;
        const char *icon;
    };
    // The grid a menu's tiles stand in: 15 pixels apart, edge to edge.
    static QGridLayout *tileGrid(QWidget *holder);
    // The tile of a spec in its grid. The name is set after the caption:
    // a click carries it in every language.
    static EInterfaceItem *addTile(QGridLayout *grid, QWidget *menu, const QString &caption, const Spec &spec);
    // A menu's window clear, so the live picture stays visible around the tiles.
    static void seeThrough(QWidget *menu);

    // Sets the caption and the object name alike.
    void setText(const QString &text);
    QString text() const;
    void setIconName(const QString &path);
    void set_ImageButtonstate(int state);
    int imageButtonState() const { return m_state; }

    QTIconButton *icon() const { return m_icon; }
    QLabel *caption() const { return m_caption; }

Q_SIGNALS:
    void clicked(const QString &name);
    void press(const QString &name);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QTIconButton *m_icon;
    QLabel *m_caption;
    int m_state = Normal;
};
