#pragma once

#include <QDialog>
#include <QList>

class MyItemEdit;
class MyKeyboard;
class QLabel;
class QPushButton;

// The correction table editor: the 200 factors (-20.0 .. 79.5 degC by half
// degrees) of the fitted lens and current range, 18 to a page. It shows
// the factors the library uses (the title says when they come from the
// fallback file "Parameter/Modify"); an entry is stored at once in the
// lens and range's own file, only as a decimal between 0.1 and 3.0, the
// first one seeding that file with every factor in use. Escape closes and,
// after a write, makes the library reload its factors.
class EShowModifyDialog : public QDialog
{
    Q_OBJECT
public:
    enum { RowsPerPage = 18, LastPage = 11, FirstShownPage = 5, NoLens = 255 };

    explicit EShowModifyDialog(QWidget *parent = nullptr);
    ~EShowModifyDialog() override;

    void readConfigPara();
    void pageHandler(int page);
    // True for what may be stored: a plain decimal with 0.1 < f < 3.0.
    static bool isFactorText(const QString &text);

    int currentPage() const { return m_curPage; }
    bool written() const { return m_written; }
    MyItemEdit *row(int i) const { return m_rows.value(i); }
    QPushButton *prevButton() const { return m_btnPrev; }
    QPushButton *nextButton() const { return m_btnNext; }
    MyKeyboard *keyboard() const { return m_keyboard; }
    QLabel *titleLabel() const { return m_title; }

public Q_SLOTS:
    void slot_showEdit(const QString &text);
    void slot_showEdit(int id, const QString &text);
    void slot_showKeyboard(int id);
    void slot_clickedPrev();
    void slot_clickedNext();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    struct Target
    {
        int lens = 0;
        int range = 0;
        QString file;         // the lens and range's own file
        QString used;         // the file the library reads
        float factors[200];   // what the library uses
    };
    Target target() const;
    bool store(const Target &t, int index, const QString &text);

    QPushButton *m_btnPrev = nullptr;
    QPushButton *m_btnNext = nullptr;
    QLabel *m_title = nullptr;
    QList<MyItemEdit *> m_rows;
    MyKeyboard *m_keyboard = nullptr;
    bool m_written = false;
    int m_curPage = FirstShownPage;
};
