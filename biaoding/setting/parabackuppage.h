#pragma once

#include "actionpage.h"

#include <atomic>
#include <memory>

class QThread;

// Page "Bak": backs the parameter files up to the card. The button is
// live only with a card in (checked at each show); the copy runs on a
// worker and the page says success only when every file arrived.
class ParaBackupPage : public ActionPage
{
    Q_OBJECT
public:
    explicit ParaBackupPage(QWidget *parent = nullptr);
    ~ParaBackupPage() override;

    QPushButton *backupButton() const { return actionButton(); }
    bool isRunning() const { return m_worker != nullptr; }

    static QString successText() { return QStringLiteral("Backup the para success!"); }
    static QString failureText() { return QStringLiteral("Backup the para failure!"); }

public Q_SLOTS:
    void slot_btnBackup();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void done(bool ok);

    QThread *m_worker = nullptr;
    // Shared with the worker: the page may go while it copies.
    std::shared_ptr<std::atomic_bool> m_cancel;
    std::shared_ptr<std::atomic_bool> m_ok;
};
