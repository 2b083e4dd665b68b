#pragma once

#include "eobjecttab.h"
#include "temptypes.h"

#include <QString>
#include <QWidget>

class EAnalysisWidget;
class ECheckItem;
class EmissTable;
class ESpinBoxItem;
class ETitle;

// The parameter dialog of one measurement object: emissivity, distance and
// offset in the display units, or "use global para". Every step is applied
// to the live object at once; the values are stored when the dialog is
// left (Cancel or Escape), the global switch at once. The spot, area and
// line dialogs differ only in their group, titles, focus and style rules.
class EObjectSetup : public QWidget
{
    Q_OBJECT
public:
    int number() const { return m_number; }
    QString material() const { return m_material; }
    ETitle *title() const { return m_title; }
    ESpinBoxItem *emissField() const { return m_emissField; }
    ESpinBoxItem *distanceField() const { return m_distanceField; }
    ESpinBoxItem *offsetField() const { return m_offsetField; }
    ECheckItem *globalCheck() const { return m_globalCheck; }

    // Fills the fields from the object's stored parameters.
    void readConfigPara();
    // Writes the five keys of the object's group.
    void savePara();
    // 1 the locked look (global parameters), anything else the editable one.
    void setStyleSheet(int locked);

    // The offset is a temperature difference: degC to the display unit
    // and back (x 1.8 in Fahrenheit, unchanged in kelvin).
    static float offsetOut(float celsius);
    static float offsetIn(float shown);

public Q_SLOTS:
    void okClicked();
    void changePara(const QString &name);
    void checkStateChange(bool wasChecked);
    void slot_selectEmiss();
    void changeEmiss(const QString &material, float emiss);

protected:
    EObjectSetup(EObjectTab::Kind kind, const QString &firstTitle, QWidget *parent, Qt::WindowFlags flags);

    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The class's one material chooser, shared by its openings.
    virtual EmissTable *&chooser() = 0;
    void setNumber(int n, const QString &title);

private:
    QString group() const;
    EAnalysisWidget *object() const;
    // The object's own parameters, null without an object.
    TempSetup *objectSetup() const;
    // Distance field in metres, to the centimetre.
    float distanceMetres() const;
    void applyToObject(const TempSetup &setup);
    void setLocked(bool locked);

    EObjectTab::Kind m_kind;
    int m_number = -1;
    ETitle *m_title;
    ESpinBoxItem *m_emissField;
    ESpinBoxItem *m_distanceField;
    ESpinBoxItem *m_offsetField;
    ECheckItem *m_globalCheck;
    QString m_material;
    // The distance as read and as the field first showed it: an unchanged
    // field saves what was read, so the feet field's tenths never creep.
    float m_readDistance = 0.0f;
    double m_readDistanceShown = 0.0;
};
