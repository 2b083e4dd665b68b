#pragma once

#include <QWidget>

class ESDCardItem;
class ESetupComboBox;

// The Info page: model, serial number and production date from the
// settings, the software version, and how much of the memory card is used.
// It re-reads all of it on every show and follows the card watcher's
// "mounted()" and "unMounted()" on "VYX/SDCard".
class EInfoPage : public QWidget
{
    Q_OBJECT
public:
    static const char *cardChannel() { return "VYX/SDCard"; }
    static const char *cardMountPoint() { return "/media/mmc"; }
    static const char *versionString() { return "VYX.20181214.2.0.04"; }

    explicit EInfoPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void readConfigPara();
    void readSDCardInfo();
    void setCustomStyle();

    ESetupComboBox *modelItem() const { return m_modelItem; }
    ESetupComboBox *numberItem() const { return m_numberItem; }
    ESetupComboBox *dateItem() const { return m_dateItem; }
    ESetupComboBox *versionItem() const { return m_versionItem; }
    ESDCardItem *sdCardItem() const { return m_sdCardItem; }

public Q_SLOTS:
    void received(const QString &message, const QByteArray &data);

protected:
    // Touches end on the page.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showNoCard();

    ESetupComboBox *m_modelItem = nullptr;
    ESetupComboBox *m_numberItem = nullptr;
    ESetupComboBox *m_dateItem = nullptr;
    ESetupComboBox *m_versionItem = nullptr;
    ESDCardItem *m_sdCardItem = nullptr;
    int m_pressX = 0;
    int m_pressY = 0;
};
