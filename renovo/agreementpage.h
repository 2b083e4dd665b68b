#pragma once

#include <QWidget>

class Installwizardbutton;
class QCheckBox;
class QLabel;
class QPainter;
class QTimer;

// The choice page: watches the card for the update package and lets the
// user choose the parts to update. "Update all" is checked exactly when all
// three parts are; Start is usable while at least one part is chosen.
class AgreementPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char *PackagePath = "/media/mmc/OSTRELinstall.bin";
    static constexpr int PollIntervalMs = 2000;

    enum Box { UpdateAll, UnderlyingSoftware, UnderlyingFirmware, UpperSoftware };

    explicit AgreementPage(QWidget *parent = nullptr);

    // The update script's arguments: 0 updates the part, 1 leaves it.
    int getKernelState() const;
    int getAppState() const;
    int getFpgaState() const;

    bool packagePresent() const { return m_packagePresent; }
    QCheckBox *checkBox(Box box) const { return m_boxes[box]; }
    Installwizardbutton *startButton() const { return m_start; }
    Installwizardbutton *exitButton() const { return m_exit; }
    bool isPolling() const;

Q_SIGNALS:
    void agree_signals();
    void disagree_signals();

public Q_SLOTS:
    void checkPackageFile();
    void agress_slots();
    void disagress_slots();
    void updateAllSlots(int state);
    void lowerSoftSlots(int state);
    void lowerFirmwareSlots(int state);
    void upperSoftwareSlots(int state);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void CreateAgreementPage();
    void drawBg(QPainter *painter);
    void drawText(QPainter *painter);
    void setParts(Qt::CheckState state);
    void partChanged(int state);
    void followParts();
    void setStartUsable(bool usable);
    bool partChecked(Box box) const;

    QLabel *m_title = nullptr;
    Installwizardbutton *m_start = nullptr;
    Installwizardbutton *m_exit = nullptr;
    bool m_packagePresent = false;
    bool m_lastSeenPackage = false;
    QTimer *m_pollTimer = nullptr;
    QCheckBox *m_boxes[4] = {};
};
