#pragma once

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVariant>

// One temperature-to-AD table file as its writers see it: the [Temp2AD]
// rows (temperature text, AD text, kept as written and sorted by the
// temperature's value) and every other key of the file. Reading never
// writes; save() replaces the file whole in QSettings' INI form and keeps
// the keys nobody changed. What a table means for measuring or plotting is
// read only by CalibrationFile::readTable.
class CalibTable
{
public:
    struct Row
    {
        QString temp;
        QString ad;
        bool operator==(const Row &o) const { return temp == o.temp && ad == o.ad; }
    };

    // The most points the library holds.
    enum { MaxPoints = 60 };

    CalibTable() = default;

    // False (and an empty table) when the file is missing or refused.
    bool load(const QString &path);
    // Recomputes [ParaSet] (recomputeParaSet) and replaces the file whole.
    // On failure the old file stays and errorString() says why.
    bool save(const QString &path);
    QString errorString() const { return m_error; }

    const QList<Row> &rows() const { return m_rows; }
    int rowCount() const { return m_rows.size(); }
    bool contains(const QString &temp) const { return indexOf(temp) >= 0; }
    bool contains(int temperature) const { return contains(QString::number(temperature)); }
    // The AD text of a row; empty when the table has none.
    QString ad(const QString &temp) const;
    QString ad(int temperature) const { return ad(QString::number(temperature)); }
    // Adds or replaces a row, keeping the order.
    void setAd(const QString &temp, const QString &ad);
    void setAd(int temperature, const QString &ad) { setAd(QString::number(temperature), ad); }
    void removeRow(const QString &temp);
    void clearRows() { m_rows.clear(); }

    // [ParaSet] and any other key of the file, by "Group/Key".
    QVariant value(const QString &key, const QVariant &fallback = QVariant()) const;
    void setValue(const QString &key, const QVariant &value);
    void removeValue(const QString &key);
    int baseTemp() const;

    // [ParaSet] as the library reads the rows: the points are the keys on
    // the 10-degree grid through the lowest key, at most MaxPoints of them.
    // MinTemp/MinAD and MaxTemp/MaxAD name the ends, TempNum their count.
    // A BaseTemp that is no number is dropped (readers then take 30).
    void recomputeParaSet();
    // The points the library loads once the table is saved, rising in
    // temperature: (temperature, AD text).
    QList<QPair<int, QString>> gridPoints() const;

    // Temperature text as a number: not a whole decimal number counts as 0.
    static int tempValue(const QString &temp);
    // AD text as the library reads it: hexadecimal, "0x" and either case
    // accepted; ok false for anything else.
    static qint64 adValue(const QString &ad, bool *ok = nullptr);
    // An AD as a writer stores it: hexadecimal without prefix.
    static QString adText(qint64 ad, bool upperCase = false);

    // Replaces path (resolved through Paths) with data and gives it a
    // modification time of its own, so no reader in this process keeps an
    // earlier parse of it.
    static bool replaceFile(const QString &path, const QByteArray &data);

    // A save killed half-way leaves its scratch files in the tables'
    // folder: ".calibtable-" and six letters (with what the settings object
    // and its lock add to that name), and the replaced table's own scratch.
    // Removes those in folder (resolved through Paths); the number removed.
    static int removeStaleScratch(const QString &folder);
    static bool isScratchName(const QString &fileName);

private:
    int indexOf(const QString &temp) const;

    QList<Row> m_rows;
    QMap<QString, QVariant> m_other;
    QString m_error;
};
