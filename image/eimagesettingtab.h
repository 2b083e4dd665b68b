#pragma once

#include <QWidget>

// The image popup's image settings page; its rows come with the palette lists and the
// isotherm settings. Until then the page is empty.
class EImageSettingTab : public QWidget
{
    Q_OBJECT
public:
    explicit EImageSettingTab(QWidget *parent = nullptr);
};
