#pragma once

#include <QWidget>

class QPushButton;

// The browser's button bar: exit and delete in normal mode; back, delete
// and select all / unselect all in delete mode.
class VideoToolWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VideoToolWidget(QWidget *parent = nullptr);

    void ResetToolWidgetUi();

    QPushButton *exitButton() const { return m_exit; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *backButton() const { return m_back; }
    QPushButton *deleteFilesButton() const { return m_deleteFiles; }
    QPushButton *selectButton() const { return m_select; }

Q_SIGNALS:
    void deleteModeSignals();
    void cancelDeleteModeSignals();
    void exitButtonSignals();
    void deleteFileButtonSignals();
    void selectAllButtonSignals();
    void unSelectAllButtonSignals();

protected:
    void paintEvent(QPaintEvent *event) override;

protected Q_SLOTS:
    void deleteButtonSlots();
    void cancelButtonSlots();
    void exitButtonSlots();
    void selectButtonSlots();

private:
    void CreateToolWidgetUi();
    QPushButton *button(const QString &text, const QRect &geometry);

    QPushButton *m_exit = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_deleteFiles = nullptr;
    QPushButton *m_select = nullptr;
    bool m_selectFlag = true;
};
