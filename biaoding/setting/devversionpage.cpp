#include "devversionpage.h"

#include "commandrunner.h"
#include "eglobal.h"
#include "encoderversionquery.h"
#include "esetuptitle.h"
#include "fpga.h"
#include "myitemedit.h"
#include "serial.h"

#include <QVBoxLayout>

namespace {
const char *const s_titles[] = {"C-Cpu", "C-Fpga", "M-Fpga", "Kernel", "Ostrel", "En-De", "Fpga-DLL"};
// "uname" answers at once; the GUI thread waits no longer than this.
const int s_unameMs = 100;
} // namespace

DevVersionPage::DevVersionPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto *title = new ESetupTitle(this);
    title->setText(tr("Version"));
    title->setFixedHeight(24);
    layout->addWidget(title);
    for (int id = 0; id < RowCount; ++id) {
        auto *row = new MyItemEdit(QLatin1String(s_titles[id]), id, this);
        row->setFixedHeight(26);
        layout->addWidget(row);
        m_rows.append(row);
    }
    layout->addStretch();
    m_query = new EncoderVersionQuery(this);
    connect(m_query, &EncoderVersionQuery::finished, this, [this](bool ok, const QString &version) {
        m_rows.at(EncoderRow)->setText(ok ? version : noAnswer());
    });
}

MyItemEdit *DevVersionPage::row(int id) const
{
    return m_rows.value(id);
}

void DevVersionPage::showEvent(QShowEvent *event)
{
    qDebug("%s %s ", "biaoding/setting/devversionpage", "showEvent");
    setItemVersion();
    QWidget::showEvent(event);
}

QString DevVersionPage::cutKernelRelease(const QByteArray &release)
{
    QByteArray text = release.left(100);
    const int zero = text.indexOf('\0');
    if (zero >= 0)
        text.truncate(zero);
    QString kernel = QString::fromLatin1(text);
    const int dash = kernel.indexOf(QLatin1Char('-'));
    if (dash >= 0)
        kernel = kernel.mid(dash + 1);
    const int underscore = kernel.indexOf(QLatin1Char('_'));
    if (underscore >= 0)
        kernel.truncate(underscore);
    return kernel;
}

QString DevVersionPage::getKernelVer() const
{
    const CommandRunner::Result result = CommandRunner::instance()->run(QStringLiteral("uname"), {QStringLiteral("-r")}, s_unameMs);
    return result.ok() ? cutKernelRelease(result.output) : QString();
}

void DevVersionPage::setItemVersion()
{
    FPGA *fpga = EGlobal::getFPGA();
    Serial *serial = fpga ? fpga->getSerial() : nullptr;
    // A fresh buffer per read: a failed read shows nothing of another's.
    const auto read = [](auto reader) {
        char buffer[16] = {};
        return reader(buffer, int(sizeof buffer)) == 0 ? QString::fromLatin1(buffer) : noAnswer();
    };
    m_rows.at(CoreCpu)->setText(serial ? read([serial](char *b, int n) { return serial->readCoreCpuVersion(b, n); }) : noAnswer());
    m_rows.at(CoreFpga)->setText(serial ? read([serial](char *b, int n) { return serial->readCoreFPGAVersion(b, n); }) : noAnswer());
    m_rows.at(MainFpga)->setText(fpga ? read([fpga](char *b, int n) { return fpga->fpga_get_version(b, n); }) : noAnswer());
    m_rows.at(Kernel)->setText(getKernelVer());
    m_rows.at(Ostrel)->setText(QLatin1String(ostrelVersion()));
    m_rows.at(FpgaDll)->setText(fpga ? fpga->getDllVersion() : noAnswer());
    m_rows.at(EncoderRow)->setText(QString());
    m_query->start();
}
