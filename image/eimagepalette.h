#pragma once

#include <QWidget>

// The image popup's palette page; its rows come with the palette lists and the
// isotherm settings. Until then the page is empty.
class EImagePalette : public QWidget
{
    Q_OBJECT
public:
    explicit EImagePalette(QWidget *parent = nullptr);
};
