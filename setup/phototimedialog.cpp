#include "phototimedialog.h"

#include "datetimeparts.h"
#include "edialogtitle.h"
#include "messagechannel.h"
#include "padplacement.h"
#include "photointerval.h"
#include "phototimeboard.h"
#include "zlineedit.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

PhotoTimeDialog::PhotoTimeDialog(QWidget *, QWidget *parent, Qt::WindowFlags flags)
    : QFrame(parent, flags)
{
    setObjectName(QStringLiteral("photoTimeDialog"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new EDialogTitle(this);
    m_title->setText(tr("Photo Time"));
    m_title->setFixedHeight(30);
    layout->addWidget(m_title);
    layout->addSpacing(10);
    layout->addStretch();

    m_countAdd = stepButton(QStringLiteral("+"), QRect(40, 40, 71, 31), &PhotoTimeDialog::photo_add_time);
    m_countSub = stepButton(QStringLiteral("-"), QRect(40, 104, 71, 31), &PhotoTimeDialog::photo_sub_time);
    m_unitAdd = stepButton(QStringLiteral("+"), QRect(121, 40, 71, 31), &PhotoTimeDialog::photounit_add);
    m_unitSub = stepButton(QStringLiteral("-"), QRect(121, 104, 71, 31), &PhotoTimeDialog::photounit_sub);
    for (ZLineEdit **field : {&m_countEdit, &m_unitEdit}) {
        auto *edit = new ZLineEdit(this);
        edit->ZsetName(QStringLiteral("phototime"));
        DateTimeParts::styleField(edit);
        edit->setAlignment(Qt::AlignCenter);
        *field = edit;
    }
    m_countEdit->setGeometry(40, 72, 71, 31);
    m_unitEdit->setGeometry(121, 72, 71, 31);
    m_unitEdit->setStyleSheet(QStringLiteral("QLineEdit{background-color: rgb(128, 128, 128); border: none;}"
                                             "QLineEdit:focus{border: 2px solid rgb(255, 0, 0);}"));
    connect(m_countEdit, &ZLineEdit::emit_lineedit, this, &PhotoTimeDialog::photo_edit_time);

    setStyleSheet(QStringLiteral("QFrame#photoTimeDialog{border: 1px solid #8f8f91; border-radius: 6px;}"));
    connect(m_title, &EDialogTitle::cancel, this, &PhotoTimeDialog::cancelHandler);
    connect(m_title, &EDialogTitle::done, this, &PhotoTimeDialog::doneHandler);
    showValues();
}

QPushButton *PhotoTimeDialog::stepButton(const QString &text, const QRect &geometry, void (PhotoTimeDialog::*slot)())
{
    QPushButton *button = DateTimeParts::stepButton(this, text, 30);
    button->setGeometry(geometry);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

PhotoTimeBoard *PhotoTimeDialog::board() const
{
    return m_board;
}

QString PhotoTimeDialog::unitName(int unit)
{
    switch (unit) {
    case PhotoInterval::Minutes: return tr("Minute");
    case PhotoInterval::Hours: return tr("Hour");
    default: return tr("Second");
    }
}

void PhotoTimeDialog::showValues()
{
    m_countEdit->setText(QString::asprintf("%d", m_count));
    m_unitEdit->setText(unitName(m_unit));
}

void PhotoTimeDialog::focusField(ZLineEdit *field)
{
    ZLineEdit *other = field == m_countEdit ? m_unitEdit : m_countEdit;
    other->setFocusPolicy(Qt::NoFocus);
    field->setFocusPolicy(Qt::StrongFocus);
    // Back from the number pad the dialog may not be the active window, and
    // the red border marks only a focused field.
    if (!isActiveWindow())
        activateWindow();
    field->setFocus(Qt::OtherFocusReason);
}

// The page reads the same keys with the same rule, so both show one interval.
void PhotoTimeDialog::readConfigParam()
{
    const PhotoInterval stored = PhotoInterval::load();
    m_count = stored.count;
    m_unit = stored.unit;
    showValues();
}

void PhotoTimeDialog::SaveConfigParam()
{
    PhotoInterval interval;
    interval.count = m_count;
    interval.unit = m_unit;
    interval.save();
    qDebug("PhotoTimeCount %d PhotoTimeUnit %d ", m_count, m_unit);
}

void PhotoTimeDialog::photo_add_time()
{
    focusField(m_countEdit);
    m_count = PhotoInterval::clampCount(qint64(m_count) + 1, m_unit);
    showValues();
}

void PhotoTimeDialog::photo_sub_time()
{
    focusField(m_countEdit);
    if (m_count > PhotoInterval::minCount(m_unit))
        --m_count;
    showValues();
}

void PhotoTimeDialog::photo_edit_time(const QString &)
{
    focusField(m_countEdit);
    if (!m_board) {
        m_board = new PhotoTimeBoard(nullptr);
        connect(m_board, &PhotoTimeBoard::photoTimeBoard_signals, this, &PhotoTimeDialog::photo_recv_time);
    }
    m_board->setPhotoTimeStr(QString::asprintf("%d", m_count));
    PadPlacement::show(m_board);
}

void PhotoTimeDialog::photo_recv_time(int count)
{
    m_count = PhotoInterval::clampCount(count, m_unit);
    showValues();
    qDebug("PhotoTimeCount %d PhotoTimeUnit %d ", m_count, m_unit);
}

void PhotoTimeDialog::photounit_add()
{
    focusField(m_unitEdit);
    if (m_unit < PhotoInterval::Hours)
        ++m_unit;
    m_count = PhotoInterval::clampCount(m_count, m_unit);
    showValues();
}

void PhotoTimeDialog::photounit_sub()
{
    focusField(m_unitEdit);
    if (m_unit > PhotoInterval::Seconds)
        --m_unit;
    m_count = PhotoInterval::clampCount(m_count, m_unit);
    showValues();
}

void PhotoTimeDialog::doneHandler()
{
    qDebug("\t PhotoTimeDialog::doneHandler ");
    SaveConfigParam();
    Q_EMIT emitPhototime();
    close();
}

void PhotoTimeDialog::cancelHandler()
{
    close();
}

void PhotoTimeDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        cancelHandler();
        MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    }
}
