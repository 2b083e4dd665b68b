#pragma once

#include <QList>
#include <QMap>
#include <QStringList>
#include <QWidget>

class MyItemEdit;
class MyKeyboard;
class QLabel;
class QPushButton;

// The "T-AD" tab: one temperature-to-AD table of a lens and range, six
// rows to a page. Pressing a field opens the keypad; entries are checked
// and held in memory until the window's OK calls saveConfig(), which adds
// the extension rows of ranges 0 and 1 and replaces the file whole.
class TempADWidget : public QWidget
{
    Q_OBJECT
public:
    enum { RowFields = 6, BaseId = 7, CountId = 8, LensId = 9, RangeId = 10 };

    explicit TempADWidget(QWidget *parent = nullptr);
    ~TempADWidget() override;

    void readConfig();
    void resetWidget(int temperature);
    void updateWidget();
    // False (with "Save failed!" shown) when the file could not be
    // replaced, or when there is no lens to name it.
    bool saveConfig();

    bool isParaChg() const { return m_changed; }
    void setChgState(bool changed) { m_changed = changed; }

    int lensNumber() const { return m_lens; }
    int rangeNumber() const { return m_range; }
    int rowCount() const { return m_rowCount; }
    int currentPage() const { return m_page; }
    QString tableName() const;
    // Fields by id (1..10), the keypad, the page buttons and labels.
    MyItemEdit *item(int id) const;
    MyKeyboard *keyboard() const { return m_keyboard; }
    QPushButton *prevButton() const { return m_prev; }
    QPushButton *nextButton() const { return m_next; }
    QString minText() const;
    QString maxText() const;
    QString note() const;

public Q_SLOTS:
    void slot_showKeyboard(int nKey);
    void slot_showEdit(const QString &strData);
    void slot_btnLastPage();
    void slot_btnNextPage();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Row
    {
        QString temp;
        QString ad;
    };

    void InitWidget();
    void showItemEdit();
    void GetMinMax();
    bool hasLens() const { return m_lens >= 0 && m_lens <= 6; }
    // Before another table is loaded: asks whether to save the edits the
    // shown table holds; false when they were to be saved and could not.
    bool settlePendingEdits();
    void setNote(const QString &text);

    QList<MyItemEdit *> m_items;
    MyKeyboard *m_keyboard = nullptr;
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;
    QLabel *m_minLabel = nullptr;
    QLabel *m_maxLabel = nullptr;
    QLabel *m_note = nullptr;

    int m_currentId = 0;
    int m_page = 1;
    int m_rowCount = 0;
    int m_baseTemp = 30;
    QString m_minAd;
    QString m_maxAd;
    bool m_changed = false;
    // Rows, base or count edited since the last load or save.
    bool m_edited = false;
    QList<Row> m_rows;
    int m_lens = -1;
    int m_range = 0;
};
