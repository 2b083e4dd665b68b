#pragma once

#include <QWidget>

class AgreementPage;
class FinishPage;
class QThread;

// The update wizard's one window: the choice page, then the progress page.
// However the user leaves, the device's start-up script runs (off the GUI
// thread, which keeps painting) and then ended() tells the program to quit.
class InstallWizard : public QWidget
{
    Q_OBJECT
public:
    explicit InstallWizard(QWidget *parent = nullptr);
    // Waits for a start-up script still running.
    ~InstallWizard() override;

    AgreementPage *agreementPage() const { return m_agreement; }
    FinishPage *finishPage() const { return m_finish; }
    bool isLeaving() const { return m_leaving; }

Q_SIGNALS:
    void ended();

public Q_SLOTS:
    void installWizardStart();
    void installWizardfinishQuit();

private:
    AgreementPage *m_agreement = nullptr;
    FinishPage *m_finish = nullptr;
    QThread *m_handback = nullptr;
    bool m_leaving = false;
};
