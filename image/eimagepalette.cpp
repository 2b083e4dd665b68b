#include "eimagepalette.h"

EImagePalette::EImagePalette(QWidget *parent)
    : QWidget(parent)
{
}
