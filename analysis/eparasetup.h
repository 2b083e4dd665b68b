#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class ECheckItem;
class EmissTable;
class ESpinBoxItem;
class ETitle;
class FactoryResetActions;
class FactoryResetStore;

// "Global Para": emissivity (tap it for the material list), distance and
// offset of every object that uses the global parameters. Each user step
// goes to the board at once; every way out stores the values. Its first
// row runs the factory reset after a question.
class EParaSetup : public QWidget
{
    Q_OBJECT
public:
    // Asked before the reset; true runs it.
    using Question = std::function<bool()>;

    explicit EParaSetup(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EParaSetup() override;

    void readConfigPara();
    // false when the settings file could not be written.
    bool savePara();

    void setQuestion(Question question) { m_question = std::move(question); }
    // The reset's calls and key writes; null puts back the live ones. Not owned.
    void setResetSeams(FactoryResetActions *actions, FactoryResetStore *store);

    QString material() const { return m_material; }
    ETitle *title() const { return m_title; }
    ESpinBoxItem *emissItem() const { return m_emiss; }
    ESpinBoxItem *distanItem() const { return m_distan; }
    ESpinBoxItem *offsetItem() const { return m_offset; }
    ECheckItem *resetItem() const { return m_reset; }
    EmissTable *emissTable() const { return m_emissTable; }

public Q_SLOTS:
    void okClicked();
    void changePara(const QString &name);
    void clickedCheckHandler(const QString &);
    void resetPara();
    void slot_selectEmiss();
    void changeEmiss(const QString &material, float emiss);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void setDistanceUnit();
    void setOffsetUnit();
    // The distance row in whole metres, as the board and the file get it.
    long distanceMetres() const;
    static bool askReset();

    ETitle *m_title;
    ESpinBoxItem *m_emiss;
    ESpinBoxItem *m_distan;
    ESpinBoxItem *m_offset;
    ECheckItem *m_reset;
    QString m_material = QStringLiteral("Custom");
    EmissTable *m_emissTable = nullptr;
    Question m_question;
    FactoryResetActions *m_actions = nullptr;
    FactoryResetStore *m_store = nullptr;
};
