#pragma once

#include <QWidget>

class IRCoreLibrary;
class QLabel;
class QPushButton;

// The core's frame-buffer commands, one button each. A button is disabled
// while its command runs; a refused command says so under the buttons.
class B2Page : public QWidget
{
    Q_OBJECT
public:
    explicit B2Page(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    QPushButton *button(const QString &name) const;
    QLabel *resultLabel() const { return m_result; }

public Q_SLOTS:
    void clearHandler();
    void captureHandler();
    void processHandler();
    void filterHandler();
    void saveHandler();
    void setHandler();

private:
    void run(const QString &name, int (IRCoreLibrary::*command)());

    QLabel *m_result = nullptr;
};
