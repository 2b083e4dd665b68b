#pragma once

#include <QWidget>

class EncoderVersionQuery;
class MyItemEdit;

// Page "Ver": the versions of every part, read afresh at each show. A part
// that does not answer reads "no answer"; the encoder service's row fills
// in when its reply comes (within two seconds) while the page stays live.
class DevVersionPage : public QWidget
{
    Q_OBJECT
public:
    enum Row { CoreCpu, CoreFpga, MainFpga, Kernel, Ostrel, EncoderRow, FpgaDll, RowCount };
    static const char *ostrelVersion() { return "VYX.20181214.2.0.04"; }
    static QString noAnswer() { return QStringLiteral("no answer"); }

    explicit DevVersionPage(QWidget *parent = nullptr);

    MyItemEdit *row(int id) const;
    EncoderVersionQuery *encoderQuery() const { return m_query; }

    // The kernel row from "uname -r"'s output: what follows the first "-",
    // up to the first "_" (each when present).
    static QString cutKernelRelease(const QByteArray &release);
    QString getKernelVer() const;

public Q_SLOTS:
    void setItemVersion();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<MyItemEdit *> m_rows;
    EncoderVersionQuery *m_query = nullptr;
};
