#include "storedsettings.h"
#include "tempselct.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalMapper>
#include <QToolButton>

namespace {

const char *const SettingFile = "Parameter/Setting";
const QString Degree = QStringLiteral("\u00B0C");

QString rangeText(int range)
{
    StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("BiaoDing"));
    switch (range) {
    case 0:
        return settings.value(QStringLiteral("TempRange0"), QStringLiteral("-20~150")).toString();
    case 1:
        return settings.value(QStringLiteral("TempRange1"), QStringLiteral("0~400")).toString();
    case 2:
        return settings.value(QStringLiteral("TempRange2"), QStringLiteral("500~2000")).toString();
    default:
        return QString();
    }
}

qint64 nextTemp(int range, qint64 t)
{
    if (range == 1)
        return t <= 149 ? t + 10 : t + 50;
    if (range == 2)
        return t + 100;
    return t + 10;
}

} // namespace

TempSelct::TempSelct(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    resize(320, 220);
    // It stands over the wizard's tip: a page of its own.
    setObjectName(QStringLiteral("TempSelct"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#TempSelct{background:#202830;} QLabel{color:white;}"
                                 "QPushButton,QToolButton{color:white;background:rgba(32,48,64,200);border:1px solid #8fb0cc;}"
                                 "QPushButton:pressed,QToolButton:pressed{background:#4a78a0;}"
                                 "QToolButton:disabled{color:#7a8590;}"));
    m_title = new QLabel(QString::fromUtf8("请选择上一步中目标黑体的温度"), this);
    m_title->setGeometry(15, 5, 300, 20);
    m_title->setFont(QFont(QStringLiteral("wenquanyi"), 15, QFont::Normal));
    m_btnExit = new QPushButton(QString::fromUtf8("返回"), this);
    m_btnExit->setGeometry(15, 185, 90, 30);
    m_btnPrev = new QPushButton(QString::fromUtf8("上一页"), this);
    m_btnPrev->setGeometry(135, 185, 80, 30);
    m_btnNext = new QPushButton(QString::fromUtf8("下一页"), this);
    m_btnNext->setGeometry(225, 185, 80, 30);
    for (QPushButton *b : {m_btnExit, m_btnPrev, m_btnNext})
        b->setFocusPolicy(Qt::NoFocus);
    connect(m_btnExit, &QPushButton::clicked, this, &TempSelct::slot_btnExit);
    connect(m_btnPrev, &QPushButton::clicked, this, &TempSelct::slot_btnPrev);
    connect(m_btnNext, &QPushButton::clicked, this, &TempSelct::slot_btnNext);
    initBtn();
    initPara(30);
}

TempSelct::~TempSelct()
{
    delete m_signalMapper;
    m_signalMapper = nullptr;
}

void TempSelct::initBtn()
{
    m_signalMapper = new QSignalMapper(this);
    static const int xs[3] = {15, 115, 215};
    static const int ys[3] = {35, 85, 135};
    for (int i = 0; i < ButtonsPerPage; ++i) {
        auto *button = new QToolButton(this);
        button->setGeometry(xs[i % 3], ys[i / 3], 90, 40);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, m_signalMapper, qOverload<>(&QSignalMapper::map));
        m_signalMapper->setMapping(button, i);
        m_btnList.append(button);
    }
    connect(m_signalMapper, &QSignalMapper::mappedInt, this, &TempSelct::slot_btnClicked);
}

bool TempSelct::temperatures(int range, const QString &text, QList<int> *out)
{
    const QStringList parts = text.split(QLatin1Char('~'));
    if (parts.size() < 2)
        return false;
    out->clear();
    const int min = parts.at(0).toInt();
    const int max = parts.at(1).toInt();
    if (range < 0 || range > 2)
        return true;
    // 64 bits: a step past INT_MAX ends the list instead of wrapping.
    qint64 t = min;
    do {
        out->append(int(t));
        t = nextTemp(range, t);
    } while (t <= max && out->size() < MaxTemps);
    return true;
}

void TempSelct::initPara(int excludedTemp)
{
    int range = 0;
    {
        StoredSettings settings(QLatin1String(SettingFile), QSettings::NativeFormat);
        range = settings.value(QStringLiteral("BiaoDing/TempRange"), QStringLiteral("0")).toInt();
    }
    const QString text = rangeText(range);
    QList<int> list;
    if (!temperatures(range, text, &list))
        return;
    m_minTemp = text.split(QLatin1Char('~')).at(0).toInt();
    m_tempMap.clear();
    m_tempCount = 0;
    for (int t : list)
        m_tempMap.insert(m_tempCount++, t);
    m_pageCount = m_tempCount / ButtonsPerPage + (m_tempCount % ButtonsPerPage ? 1 : 0);
    // A list that became shorter keeps its last page in view.
    if (m_curPage > m_pageCount)
        m_curPage = qMax(1, m_pageCount);
    m_excludedTemp = excludedTemp;
    showBtnText();
    checkPage();
}

void TempSelct::showBtnText()
{
    for (int i = 0; i < m_btnList.size(); ++i) {
        QToolButton *button = m_btnList.at(i);
        const int index = ButtonsPerPage * (m_curPage - 1) + i;
        if (index < 0 || index >= m_tempCount) {
            button->hide();
            continue;
        }
        const int t = m_tempMap.value(index);
        button->setText(QString::number(t) + Degree);
        button->setEnabled(t != m_excludedTemp);
        button->show();
    }
}

void TempSelct::checkPage()
{
    m_btnPrev->setVisible(m_curPage > 1);
    m_btnNext->setVisible(m_curPage < m_pageCount);
}

void TempSelct::slot_btnNext()
{
    if (m_curPage >= m_pageCount)
        return;
    ++m_curPage;
    checkPage();
    showBtnText();
}

void TempSelct::slot_btnPrev()
{
    if (m_curPage <= 1)
        return;
    --m_curPage;
    checkPage();
    showBtnText();
}

void TempSelct::slot_btnClicked(int btn)
{
    QToolButton *button = m_btnList.value(btn);
    if (!button)
        return;
    QString text = button->text();
    text.remove(Degree);
    Q_EMIT sign_exit(text.toInt(nullptr, 10));
}

void TempSelct::slot_btnExit()
{
    Q_EMIT sign_exit(Back);
}
