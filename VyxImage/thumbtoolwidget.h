#pragma once

#include <QWidget>

class QPushButton;

// The browser's bar at the bottom: exit and delete while browsing; back,
// delete-files and select-all / unselect-all in delete mode.
class ThumbToolWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ThumbToolWidget(QWidget *parent = nullptr);

    // Back to browse mode, as the back button does.
    void ResetToolWidgetUi() { cancelButtonSlots(); }
    bool selectAllState() const { return m_selectAll; }

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

public Q_SLOTS:
    void deleteButtonSlots();
    void cancelButtonSlots();
    void exitButtonSlots();
    void selectButtonSlots();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *makeButton(const QString &text, const QRect &geometry);

    QPushButton *m_exit;
    QPushButton *m_delete;
    QPushButton *m_back;
    QPushButton *m_deleteFiles;
    QPushButton *m_select;
    bool m_selectAll = true;
};
