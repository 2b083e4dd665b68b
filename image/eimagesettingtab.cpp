#include "eimagesettingtab.h"

EImageSettingTab::EImageSettingTab(QWidget *parent)
    : QWidget(parent)
{
}
