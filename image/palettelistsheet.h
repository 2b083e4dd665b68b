#pragma once

#include <QString>

// The palette lists' scroll indicator ("Slider") and scroll bar.
inline QString paletteListSheet()
{
    return QStringLiteral(
        "QLabel#Slider{background-color: grey;}"
        "QScrollBar:vertical{border: 0px none; background: white; width: 3px; margin: 0px -1px 0px -1px;}"
        "QScrollBar::handle:vertical{background: grey; min-height: 15px;}"
        "QScrollBar::sub-line:vertical{border: 0px solid white; background: white; height: 0px;"
        " subcontrol-position: top; subcontrol-origin: margin;}");
}
