#pragma once

#include "fpgatypes.h"

#include <QWidget>

class EImageViewHost;
class EModeItem;
class EValueItem;
class QFrame;

// Picture page of the image popup: infrared, visible, either one with the
// other as an inset in a chosen corner, or one blended over the other at a
// chosen size and percentage. The live view switches the picture and keeps
// the mode and corners; the page sets the blend registers and keeps the
// blend settings.
class EImagePip : public QWidget
{
    Q_OBJECT
public:
    explicit EImagePip(QWidget *parent = nullptr);

    void imageHandler();
    void readConfigPara();

    Image_Mode_t mode() const { return m_mode; }
    Image_Position_t irPipePosition() const { return m_irPipePosition; }
    Image_Position_t ccdPipePosition() const { return m_ccdPipePosition; }
    int irMixSize() const { return m_irMixSize; }
    int ccdMixSize() const { return m_ccdMixSize; }
    EModeItem *modeItem() const { return m_modeItem; }
    EModeItem *positionItem() const { return m_positionItem; }
    EModeItem *sizeItem() const { return m_sizeItem; }
    EValueItem *percentItem() const { return m_percentItem; }

public Q_SLOTS:
    void clickedDecrease(const QString &);
    void clickedIncrease(const QString &);
    void positionDecrease(const QString &);
    void positionIncrease(const QString &);
    void sizeDecrease(const QString &);
    void sizeIncrease(const QString &);
    void readIRMixVISPara();
    void readVISMixIRPara();
    void mixPercentValueChanged(int percent);

private:
    EImageViewHost *host() const;
    void stepPosition(int direction);
    void toggleSize();
    void showRows(bool position, bool blend);
    int readMixPercent(const char *key);
    void readMixPara(Image_Mode_t mode);

    EModeItem *m_modeItem;
    EModeItem *m_positionItem;
    EModeItem *m_sizeItem;
    EValueItem *m_percentItem;
    Image_Mode_t m_mode = IR;
    Image_Position_t m_irPipePosition = POSITION_TOP_LEFT;
    Image_Position_t m_ccdPipePosition = POSITION_TOP_LEFT;
    int m_irMixSize = 0;
    int m_ccdMixSize = 0;
    QFrame *m_firstSeparator;
    QFrame *m_secondSeparator;
};
