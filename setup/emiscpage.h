#pragma once

#include "brightdialog.h"
#include "eclosescreendialog.h"
#include "eshutdowndialog.h"
#include "eshutterdialog.h"

#include <QPointer>
#include <QWidget>

class ESetupComboBox;
class ESetupSwitch;

// The Control page: the lamp switch and the brightness, automatic shutter,
// screen-off and power-off rows. Building it starts the automatic shutter
// with the stored choice. Each value row opens its dialog (built once and
// kept); the dialogs store the choice and call back the setters here.
class EMiscPage : public QWidget
{
    Q_OBJECT
public:
    explicit EMiscPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EMiscPage() override;

    void readConfigPara();
    void setShutterText(int index, int period);
    void setCloseScreenText(int index, int period);
    void setShutdownText(int index, int period);
    void setBrightText(const QString &text);
    // Mirrors the lamp key: display only.
    void openLamp(bool on);
    void setCustomStyle();

    ESetupSwitch *lampItem() const { return m_lampItem; }
    ESetupComboBox *shutterItem() const { return m_shutterItem; }
    ESetupComboBox *closeScreenItem() const { return m_closeScreenItem; }
    ESetupComboBox *shutdownItem() const { return m_shutdownItem; }
    ESetupComboBox *brightItem() const { return m_brightItem; }
    BrightDialog *brightDialog() const { return m_brightDialog; }
    EShutterDialog *shutterDialog() const { return m_shutterDialog; }
    ECloseScreenDialog *closeScreenDialog() const { return m_closeScreenDialog; }
    EShutdownDialog *shutdownDialog() const { return m_shutdownDialog; }

public Q_SLOTS:
    void lampHandler();
    void shutterHandler();
    void closeScreenHandler();
    void shutdownHandler();
    void BrightnessHandler();

private:
    void present(QWidget *dialog);
    template <class Dialog>
    Dialog *dialog(QPointer<Dialog> &slot, int height);

    ESetupSwitch *m_lampItem = nullptr;
    ESetupComboBox *m_shutterItem = nullptr;
    ESetupComboBox *m_closeScreenItem = nullptr;
    ESetupComboBox *m_shutdownItem = nullptr;
    ESetupComboBox *m_brightItem = nullptr;
    QPointer<BrightDialog> m_brightDialog;
    QPointer<EShutterDialog> m_shutterDialog;
    QPointer<ECloseScreenDialog> m_closeScreenDialog;
    QPointer<EShutdownDialog> m_shutdownDialog;
};
