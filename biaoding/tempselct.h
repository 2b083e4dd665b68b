#pragma once

#include <QMap>
#include <QWidget>

class QLabel;
class QPushButton;
class QSignalMapper;
class QToolButton;

// The blackbody temperature chooser of the calibration wizard: the
// temperatures of the current measuring range on pages of nine buttons.
// It only reports the choice (sign_exit, 9999 for "back"); it reads no
// sensor and writes nothing.
class TempSelct : public QWidget
{
    Q_OBJECT
public:
    enum { ButtonsPerPage = 9, Back = 9999 };
    // A range text can ask for any number of steps: the list stops here
    // (ten pages).
    enum { MaxTemps = 90 };

    explicit TempSelct(QWidget *parent = nullptr);
    ~TempSelct() override;

    // Rebuilds the list from the stored range and shows the kept page; the
    // button of excludedTemp is disabled. A range text without "~" changes
    // nothing.
    void initPara(int excludedTemp);

    // The list the range text gives: range 0 steps by 10; range 1 by 10 up
    // to 150, then by 50; range 2 by 100. The first value is always taken,
    // at most MaxTemps values; false for a text without "~".
    static bool temperatures(int range, const QString &text, QList<int> *out);

    int currentPage() const { return m_curPage; }
    int pageCount() const { return m_pageCount; }
    QList<int> tempList() const { return m_tempMap.values(); }
    QToolButton *button(int i) const { return m_btnList.value(i); }
    QPushButton *backButton() const { return m_btnExit; }
    QPushButton *prevButton() const { return m_btnPrev; }
    QPushButton *nextButton() const { return m_btnNext; }

Q_SIGNALS:
    void sign_exit(int temperature);

public Q_SLOTS:
    void slot_btnClicked(int btn);
    void slot_btnExit();
    void slot_btnPrev();
    void slot_btnNext();

private:
    void initBtn();
    void showBtnText();
    void checkPage();

    int m_curPage = 1;
    int m_pageCount = 0;
    int m_tempCount = 0;
    int m_minTemp = 0;
    int m_excludedTemp = 30;
    QLabel *m_title = nullptr;
    QPushButton *m_btnExit = nullptr;
    QPushButton *m_btnPrev = nullptr;
    QPushButton *m_btnNext = nullptr;
    QSignalMapper *m_signalMapper = nullptr;
    QList<QToolButton *> m_btnList;
    QMap<int, int> m_tempMap;
};
