#include "agreementpage.h"

#include "installwizardbutton.h"
#include "intervals.h"
#include "paths.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTimer>

AgreementPage::AgreementPage(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(320, 240);
    m_pollTimer = new QTimer(this);
    connect(m_pollTimer, &QTimer::timeout, this, &AgreementPage::checkPackageFile);
    CreateAgreementPage();
}

void AgreementPage::CreateAgreementPage()
{
    m_title = new QLabel(tr("Install Wizard"), this);
    m_title->setGeometry(0, 0, 320, 20);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral("color:white"));

    const char *const captions[4] = {"Update all", "Underlying software", "Underlying firmware", "Upper software"};
    void (AgreementPage::*const handlers[4])(int) = {&AgreementPage::updateAllSlots, &AgreementPage::lowerSoftSlots,
                                                  &AgreementPage::lowerFirmwareSlots,
                                                  &AgreementPage::upperSoftwareSlots};
    for (int i = 0; i < 4; ++i) {
        m_boxes[i] = new QCheckBox(tr(captions[i]), this);
        m_boxes[i]->setFocusPolicy(Qt::NoFocus);
        m_boxes[i]->move(138, 80 + 25 * i);
        m_boxes[i]->hide();
        connect(m_boxes[i], &QCheckBox::stateChanged, this, handlers[i]);
    }
    setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 20px; height: 20px; }"
                                 "QCheckBox::indicator:checked, QCheckBox::indicator:indeterminate"
                                 " { image: url(:/images/checkbox.gif); }"));

    m_exit = new Installwizardbutton(this);
    m_exit->setGeometry(200, 212, 56, 25);
    m_exit->setInstallButton(tr("Exit"));
    m_start = new Installwizardbutton(this);
    m_start->setGeometry(258, 212, 56, 25);
    m_start->setInstallButton(tr("Start"));
    connect(m_start, &QPushButton::clicked, this, &AgreementPage::agress_slots);
    connect(m_exit, &QPushButton::clicked, this, &AgreementPage::disagress_slots);

    // No package has been seen yet.
    setStartUsable(false);

    checkPackageFile();
    m_pollTimer->start(Intervals::ms(PollIntervalMs));
}

int AgreementPage::getKernelState() const
{
    return partChecked(UnderlyingSoftware) ? 0 : 1;
}

int AgreementPage::getAppState() const
{
    return partChecked(UpperSoftware) ? 0 : 1;
}

int AgreementPage::getFpgaState() const
{
    return partChecked(UnderlyingFirmware) ? 0 : 1;
}

bool AgreementPage::isPolling() const
{
    return m_pollTimer->isActive();
}

bool AgreementPage::partChecked(Box box) const
{
    return m_boxes[box]->checkState() == Qt::Checked;
}

void AgreementPage::checkPackageFile()
{
    m_packagePresent = QFileInfo(Paths::resolve(QString::fromLatin1(PackagePath))).isFile();
    if (m_packagePresent != m_lastSeenPackage) {
        m_lastSeenPackage = m_packagePresent;
        // A package that arrives always comes with every part chosen.
        if (m_packagePresent)
            updateAllSlots(Qt::Checked);
        else
            setStartUsable(false);
    }
    for (QCheckBox *box : m_boxes)
        box->setVisible(m_packagePresent);
    update();
}

void AgreementPage::agress_slots()
{
    m_pollTimer->stop();
    Q_EMIT agree_signals();
}

void AgreementPage::disagress_slots()
{
    m_pollTimer->stop();
    Q_EMIT disagree_signals();
}

void AgreementPage::updateAllSlots(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    setParts(static_cast<Qt::CheckState>(state));
    followParts();
}

void AgreementPage::lowerSoftSlots(int state)
{
    partChanged(state);
}

void AgreementPage::lowerFirmwareSlots(int state)
{
    partChanged(state);
}

void AgreementPage::upperSoftwareSlots(int state)
{
    partChanged(state);
}

void AgreementPage::partChanged(int state)
{
    if (state != Qt::Checked && state != Qt::Unchecked)
        return;
    // A part box changes only itself; the rest follows from the three parts.
    followParts();
}

void AgreementPage::setParts(Qt::CheckState state)
{
    for (QCheckBox *box : m_boxes) {
        const QSignalBlocker quiet(box);
        box->setCheckState(state);
    }
}

void AgreementPage::followParts()
{
    const bool all = partChecked(UnderlyingSoftware) && partChecked(UnderlyingFirmware) && partChecked(UpperSoftware);
    const bool any = partChecked(UnderlyingSoftware) || partChecked(UnderlyingFirmware) || partChecked(UpperSoftware);
    {
        const QSignalBlocker quiet(m_boxes[UpdateAll]);
        m_boxes[UpdateAll]->setCheckState(all ? Qt::Checked : Qt::Unchecked);
    }
    setStartUsable(any);
}

void AgreementPage::setStartUsable(bool usable)
{
    m_start->setEnabled(usable);
    m_start->setInstallButtonStat(usable);
}

void AgreementPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBg(&painter);
    drawText(&painter);
}

void AgreementPage::drawBg(QPainter *painter)
{
    painter->drawPixmap(rect(), QPixmap(QStringLiteral(":/images/update.png")));
}

void AgreementPage::drawText(QPainter *painter)
{
    QFont font(QStringLiteral("wenquanyi"), 15);
    font.setWeight(QFont::Normal);
    painter->setFont(font);
    if (m_packagePresent) {
        painter->drawText(QRect(120, 40, 200, 30), Qt::AlignCenter, tr("Software Update"));
        return;
    }
    painter->drawText(QRect(120, 80, 200, 30), Qt::AlignCenter, tr("Software Update"));
    font.setPointSize(13);
    painter->setFont(font);
    painter->setPen(Qt::red);
    painter->drawText(QRect(120, 110, 200, 30), Qt::AlignCenter, tr("no upgrade package"));
}
