#pragma once

#include "emissivityfile.h"

#include <QFrame>
#include <QList>
#include <QString>

class EDialogTitle;
class EmissTextItem;
class FlickCharm;
class QGraphicsScene;
class QGraphicsView;
class QLabel;

// "Select Material": the materials of "etc/EmisivityTable.conf" in a
// kinetic list, "Custom" first, then the material in use (checked), then
// the rest in file order. Done reports the checked row; Cancel and Escape
// close without reporting. The file is read once, when the table is built.
class EmissTable : public QFrame
{
    Q_OBJECT
public:
    EmissTable(QWidget *parent = nullptr, QWidget *second = nullptr, Qt::WindowFlags flags = {});
    ~EmissTable() override;

    // Rebuilds the rows from the saved material.
    void readEmissTable();

    int currentIndex() const { return m_current; }
    const QList<EmissTextItem *> &rows() const { return m_rows; }
    const QList<EmissivityFile::Material> &materials() const { return m_materials; }
    QGraphicsView *listView() const { return m_view; }
    EDialogTitle *title() const { return m_title; }
    QLabel *slider() const { return m_slider; }

Q_SIGNALS:
    void emissChanged(const QString &material, float emiss);

public Q_SLOTS:
    void clickedReleasedHandler(const QString &text, int index);
    void clickedPressedHandler(const QString &text, int index);
    void clickedMovedHandler(const QString &text, int index);
    void sliderHideHandler();
    void cancelHandler();
    void doneHandler();
    void valueChangedHandler(int value);
    // The material the opener holds; "Custom" then reports nothing on Done,
    // since the opener's own value is not known.
    void setSaveMaterial(const QString &material);
    // The same, with the emissivity the opener holds: "Custom" reports it.
    void setSaveMaterial(const QString &material, float emiss);
    // An opener's one list: built on first use as a window-modal window over
    // it at (0, 40), 280 x 200, and shown with the opener's material and
    // emissivity. True when it was built now (the opener connects it then).
    static bool popUp(EmissTable *&table, QWidget *opener, const QString &material, float emiss);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void addRow(EmissTextItem *row);
    EmissTextItem *row(int index) const;
    bool isRow(const QString &text, int index) const;
    void updateSlider();

    EDialogTitle *m_title;
    QWidget *m_second;
    int m_current = -1;
    FlickCharm *m_charm;
    QGraphicsView *m_view;
    QGraphicsScene *m_scene;
    QList<EmissTextItem *> m_rows;
    QLabel *m_slider;
    QList<EmissivityFile::Material> m_materials;
    QString m_saveMaterial;
    float m_customEmiss = 0.0f;
    bool m_customKnown = false;
    float m_sliderFactor = 0.0f;
};
