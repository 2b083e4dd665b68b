#pragma once

#include <QColor>
#include <QDialog>

class EColorLuminancePicker;
class EColorPicker;
class EColorShowLabel;
class ESpinBoxItem;
class QCheckBox;
class QLabel;
class QPushButton;

// Full-screen colour chooser of the palette editor: a hue/saturation field,
// a value bar and red, green and blue editors, plus either a temperature
// (the palette's ends, "minColor" and "maxColor") or an enable box (the
// quarter anchors). "Ok" answers with currentColor and closes; "Cancel" and
// Escape close without an answer.
class EColorDialog : public QDialog
{
    Q_OBJECT
public:
    // Height of a red, green or blue row: the three rows, the swatch and the
    // field fit the 240-pixel screen.
    static constexpr int EditorRowHeight = 36;

    explicit EColorDialog(const QColor &initial, QWidget *parent = nullptr);

    void setObject(const QString &name);
    void setInitialColor(const QColor &color);
    void setValue(float t);
    void setCheckEnabled(bool on);

    QString object() const { return m_object; }
    // The colour the editors hold.
    QColor editorColor() const;
    EColorPicker *picker() const { return m_picker; }
    EColorLuminancePicker *luminancePicker() const { return m_lumi; }
    EColorShowLabel *swatch() const { return m_swatch; }
    ESpinBoxItem *redItem() const { return m_red; }
    ESpinBoxItem *greenItem() const { return m_green; }
    ESpinBoxItem *blueItem() const { return m_blue; }
    QCheckBox *checkBox() const { return m_check; }
    QLabel *valueCaption() const { return m_valueCaption; }
    ESpinBoxItem *valueItem() const { return m_value; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void currentColor(const QColor &color, const QString &object, bool enabled);
    void currentColor(const QColor &color, const QString &object, float value);

public Q_SLOTS:
    void _q_newHsv(int h, int s, int v);
    void changePara(const QString &name);
    void slot_okClicked();
    void slot_cancelClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool isEndObject() const;

    EColorPicker *m_picker;
    EColorLuminancePicker *m_lumi;
    EColorShowLabel *m_swatch;
    ESpinBoxItem *m_red;
    ESpinBoxItem *m_green;
    ESpinBoxItem *m_blue;
    QString m_object;
    QCheckBox *m_check;
    QLabel *m_valueCaption;
    ESpinBoxItem *m_value;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
