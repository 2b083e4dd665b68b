#pragma once

#include <QDialog>
#include <QPointer>

class EInterfaceItem;
class IRCoreMainWindow;
class QLabel;

// The calibration menu: six tiles over the live picture. Five hide the
// menu and open their page through the live view's dispatcher; "IR Core"
// (named "Update") hands the serial port to the core's own link and opens
// the core's maintenance window itself, kept for later openings. Keys are
// swallowed: only the calibration key, through the key filter, leaves.
class CalibInterface : public QDialog
{
    Q_OBJECT
public:
    explicit CalibInterface(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);
    // The core window lives on with the menu; it is not deleted here.
    ~CalibInterface() override;

    // The untranslated tile names, in member order.
    static QStringList itemNames();
    EInterfaceItem *item(const QString &name) const;
    IRCoreMainWindow *coreWindow() const;
    // The line under the tiles ("IR Core open failed!").
    QLabel *note() const { return m_note; }

public Q_SLOTS:
    void mouseClicked(const QString &name);
    void mainInterface_received(const QString &message, const QByteArray &data);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void openCoreWindow();

    EInterfaceItem *m_tiles[6] = {};
    QLabel *m_title = nullptr;
    QLabel *m_container = nullptr;
    QLabel *m_note = nullptr;
    QPointer<IRCoreMainWindow> m_coreWindow;
};
