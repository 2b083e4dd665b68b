#pragma once

#include <QString>

class ELabel;
class QHBoxLayout;
class QPushButton;
class QWidget;

// The toolkit's 48-pixel rows with a caption and two arrows: the row's
// frame and the parts most of them share.
namespace ArrowRow {

constexpr int Height = 48;

// Names the row after its caption (pages find their rows by that name),
// keeps the focus off it, fixes its height and lays it out edge to edge.
QHBoxLayout *frame(QWidget *row, const QString &name);

// The caption, 4 pixels lower than the row.
ELabel *caption(const QString &text, QWidget *row);

// An arrow the row's full height square, its picture as large.
QPushButton *arrow(bool right, QWidget *row);

// Caption at the left, then the two arrows 5 pixels apart at the right.
struct CaptionAndArrows
{
    ELabel *caption;
    QPushButton *left;
    QPushButton *right;
};
CaptionAndArrows addCaptionAndArrows(const QString &text, QWidget *row, QHBoxLayout *layout);

// Black row, green while pressed; the arrows themselves are see-through.
// extraPlainRule goes into the rule of the unpressed buttons.
QString captionRowStyle(const char *extraPlainRule = "");

} // namespace ArrowRow
