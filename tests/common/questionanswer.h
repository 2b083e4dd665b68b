#pragma once

#include "centredquestion.h"

#include <QPushButton>
#include <QStringList>
#include <QtTest>

// While it lives, every CentredQuestion is answered by a real click on the
// given button; the texts asked are kept in order.
class QuestionAnswer
{
public:
    explicit QuestionAnswer(QMessageBox::StandardButton answer)
    {
        m_previous = CentredQuestion::setResponder([this, answer](QMessageBox *box) {
            m_asked << box->text();
            m_geometry = QRect(box->pos(), box->size());
            if (m_onShown)
                m_onShown(box);
            if (QAbstractButton *button = box->button(answer))
                QTest::mouseClick(button, Qt::LeftButton);
        });
    }
    ~QuestionAnswer() { CentredQuestion::setResponder(std::move(m_previous)); }
    QuestionAnswer(const QuestionAnswer &) = delete;
    QuestionAnswer &operator=(const QuestionAnswer &) = delete;

    QStringList asked() const { return m_asked; }
    // Where the box was moved to (its frame corner) and its size.
    QRect geometry() const { return m_geometry; }
    // Runs on the shown box before it is answered (a screenshot, a look).
    void onShown(std::function<void(QMessageBox *)> look) { m_onShown = std::move(look); }

private:
    CentredQuestion::Responder m_previous;
    QStringList m_asked;
    QRect m_geometry;
    std::function<void(QMessageBox *)> m_onShown;
};
