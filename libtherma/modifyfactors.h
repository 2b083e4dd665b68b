#pragma once

#include "therma_global.h"

#include <QString>

// Correction ("modify") factors by internal temperature, -20.0 .. 79.5 degC
// in steps of 0.5, loaded from "Parameter/Modify…". The drift correction
// gives the converter the internal temperature times the factor of that
// temperature.
//
// The limits are members, not process-wide variables, so the
// application's variables of the same names never meet the library's.
class THERMA_EXPORT ModifyFactors
{
public:
    enum { Count = 200 };

    ModifyFactors();

    // Loads the file for lens and range; returns the file name chosen.
    QString updateModify(int lens, int range);
    // Loads one named file (relative or resolved through Paths), the gaps
    // filled within the bounds it gives. False when the file is missing or
    // refused: the factors are then all 1.0.
    bool load(const QString &path);
    QString updateModify(int lens) { return updateModify(lens, 0); }

    // Factor i (0..199) for internal temperature -20 + 0.5 i; 1.0 outside.
    float factor(int i) const;
    const float *factors() const { return m_factors; }
    // Index of internal temperature t: edges outside -20 .. 80.
    static int indexOf(float t);
    float factorAt(float t) const { return m_factors[indexOf(t)]; }

    float minModifyTemp() const { return m_minModifyTemp; }
    float maxModifyTemp() const { return m_maxModifyTemp; }
    // How many factors the loaded file gave itself.
    int givenCount() const { return m_given; }
    // Every factor above 0.1 and below 3.0, and none given as "nan" or
    // "inf" (such a factor is filled like an absent one, but the file is
    // corrupt).
    bool isSound() const;

    // File for lens and range: the most specific one that exists.
    static QString fileName(int lens, int range);
    // The file of exactly that lens and range, whether or not it exists.
    static QString ownFileName(int lens, int range);
    // Key of temperature -20 + 0.5 i: "Averg_-20", "Averg_-19.5", …
    static QString keyOf(int i);

private:
    float m_factors[Count];
    float m_minModifyTemp = 79.0f;
    float m_maxModifyTemp = -20.0f;
    int m_given = 0;
    bool m_nonFinite = false;
};
