#pragma once

#include <QPushButton>

// The flat arrow buttons of the toolkit rows: "Left" steps down or back,
// "Right" steps up or forward. Never takes the keyboard focus.
class EArrowButton
{
public:
    enum Direction { Left, Right };

    // A flat button width x height showing the arrow picture at iconSize;
    // scaledTo > 0 first scales the picture to that square.
    static QPushButton *create(Direction direction, QWidget *parent, int width, int height,
                               int iconSize, int scaledTo = 0);
    static QString picture(Direction direction);

private:
    EArrowButton() = delete;
};
