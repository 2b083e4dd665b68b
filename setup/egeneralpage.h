#pragma once

#include "elanguagedialog.h"

#include <QPointer>
#include <QWidget>

class ESetupComboBox;

// The General page: language, video output standard, precision and the
// temperature and length units. A tap on a value row steps it to the next
// value, applies it at once and stores it; the Language row opens the
// language dialog, which the page builds once and keeps.
class EGeneralPage : public QWidget
{
    Q_OBJECT
public:
    explicit EGeneralPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EGeneralPage() override;

    // Reloads the rows from the settings file, sends the output standard
    // to the board and applies the stored precision.
    void readConfigPara();
    // Shows a language name, cut to 7 characters and "*" when wider than
    // 79 pixels.
    void setLanguage(const QString &name);
    void setCustomStyle();

    ESetupComboBox *languageItem() const { return m_languageItem; }
    ESetupComboBox *outputItem() const { return m_outputItem; }
    ESetupComboBox *precisionItem() const { return m_precisionItem; }
    ESetupComboBox *tempUnitItem() const { return m_tempUnitItem; }
    ESetupComboBox *lenUnitItem() const { return m_lenUnitItem; }
    ELanguageDialog *languageDialog() const { return m_languageDialog; }

public Q_SLOTS:
    void languageHandler();
    void formatHandler();
    void precisonHandler();
    void tempUnitHandler();
    void lenUnitHandler();

private:
    void showOutput();
    void showPrecision();
    void showTempUnit();
    void showLenUnit();
    // Set the row and what it drives on the camera.
    void setOutput(int output);
    void setPrecision(int precision);
    void setTempUnit(int unit);
    void setLenUnit(int unit);

    ESetupComboBox *m_languageItem = nullptr;
    ESetupComboBox *m_outputItem = nullptr;
    ESetupComboBox *m_precisionItem = nullptr;
    ESetupComboBox *m_tempUnitItem = nullptr;
    ESetupComboBox *m_lenUnitItem = nullptr;
    int m_output = 0;
    int m_precision = 0;
    int m_tempUnit = 0;
    int m_lenUnit = 0;
    QPointer<ELanguageDialog> m_languageDialog;
};
