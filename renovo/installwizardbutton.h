#pragma once

#include <QPushButton>
#include <QString>

// The wizard's painted button: a face picture (normal or red) with white
// text. The red look is only a look: callers enable and disable beside it.
class Installwizardbutton : public QPushButton
{
public:
    explicit Installwizardbutton(QWidget *parent = nullptr);

    void setInstallButton(const QString &text);
    void setInstallButtonStat(bool normalLook);

    QString installButtonText() const { return m_text; }
    bool isNormalLook() const { return m_normalLook; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    bool m_normalLook = true;
};
