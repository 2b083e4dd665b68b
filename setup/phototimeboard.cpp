#include "phototimeboard.h"

#include "datetimeparts.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTextEdit>

PhotoTimeBoard::PhotoTimeBoard(QWidget *parent)
    : QWidget(parent)
{
    resize(320, 240);
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    CreatePhotoTimeBoardUi();
}

void PhotoTimeBoard::CreatePhotoTimeBoardUi()
{
    const DateTimeParts::BoardFace face = DateTimeParts::buildBoardFace(this);
    m_textEdit = face.textEdit;
    m_okButton = face.okButton;
    m_keypad = face.keypad;
    connect(m_okButton, &QPushButton::clicked, this, &PhotoTimeBoard::doPhotoTime);
    connect(m_textEdit, &QTextEdit::textChanged, this, &PhotoTimeBoard::keepEntryShort);
}

QString PhotoTimeBoard::limitEntry(const QString &text)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits.size() < MaxDigits)
            digits.append(c);
    }
    return digits;
}

void PhotoTimeBoard::keepEntryShort()
{
    const QString current = m_textEdit->toPlainText();
    const QString limited = limitEntry(current);
    if (limited == current)
        return;
    m_textEdit->setPlainText(limited);
    m_textEdit->moveCursor(QTextCursor::End);
}

void PhotoTimeBoard::setPhotoTimeStr(const QString &text)
{
    m_textEdit->setPlainText(limitEntry(text));
    m_textEdit->moveCursor(QTextCursor::End);
    m_textEdit->setFocus();
}

void PhotoTimeBoard::doPhotoTime()
{
    // At most six digits: always a valid int; empty reads 0.
    const int number = limitEntry(m_textEdit->toPlainText()).toInt();
    Q_EMIT photoTimeBoard_signals(number);
    close();
}

void PhotoTimeBoard::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
}
