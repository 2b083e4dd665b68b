#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A plain calibration or service page: a title and a "Back" button that
// returns to the calibration menu through the live view's page handler
// (a negative page type: a viewer over a page, which only hides).
class PlainCalibPage : public QWidget
{
    Q_OBJECT
public:
    PlainCalibPage(int pageType, const QString &title, QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);

    QPushButton *backButton() const { return m_back; }
    int pageType() const { return m_pageType; }

protected:
    QLabel *titleLabel() const { return m_title; }

private Q_SLOTS:
    void goBack();

private:
    int m_pageType;
    QLabel *m_title;
    QPushButton *m_back;
};
