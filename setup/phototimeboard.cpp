#include "phototimeboard.h"

#include "key_num.h"

#include <QKeyEvent>
#include <QLabel>
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
    setStyleSheet(QStringLiteral("background-color: rgb(173, 173, 173);"));
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setGeometry(270, 20, 41, 41);
    m_okButton->setFocusPolicy(Qt::NoFocus);
    m_okButton->setStyleSheet(QStringLiteral("background-color: rgb(112, 128, 144); color: white;"));
    connect(m_okButton, &QPushButton::clicked, this, &PhotoTimeBoard::doPhotoTime);
    m_textEdit = new QTextEdit(this);
    m_textEdit->setGeometry(1, 1, 261, 81);
    m_textEdit->setStyleSheet(QStringLiteral("background-color: white; color: black; border: 2px solid red;"));
    QFont font = m_textEdit->font();
    font.setPointSize(28);
    m_textEdit->setFont(font);
    connect(m_textEdit, &QTextEdit::textChanged, this, &PhotoTimeBoard::keepEntryShort);
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(0, 82, 321, 161);
    label->setStyleSheet(QStringLiteral("background-color: black;"));
    m_keypad = new Key_Num(this);
    m_keypad->setGeometry(0, 85, 320, 150);
    m_textEdit->setFocus();
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
    m_text = text;
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
