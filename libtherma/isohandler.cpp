#include "isohandler.h"

#include <cstring>

namespace {

struct NamedColour {
    const char *name;
    _yuv_item colour;
};

// "Trans" blends the band toward red and marks entry 258 with plain red.
const NamedColour s_isoColours[] = {
    {"Trans", {81, 90, 239, 0}},
    {"Green", {145, 54, 34, 0}},
    {"Black", {16, 128, 128, 0}},
    {"White", {235, 128, 128, 0}},
    {"Red", {81, 90, 239, 0}},
    {"Blue", {40, 239, 109, 0}},
};

// The name field is a fixed 12-byte array that may arrive without its
// terminator: compare within the array only.
bool sameName(const char (&field)[sizeof(Isotherm::colour)], const char *name)
{
    const size_t length = std::strlen(name);
    return length < sizeof(field) && std::strncmp(field, name, sizeof(field)) == 0;
}

int clampIndex(int index)
{
    return index < 0 ? 0 : (index > 255 ? 255 : index);
}

} // namespace

ISOHandler::ISOHandler()
    : m_iso(defaultIsotherm())
{
}

Isotherm ISOHandler::defaultIsotherm()
{
    Isotherm iso{};
    iso.type = 1;
    iso.width = 6.0f;
    iso.centre = 20.0f;
    iso.lower = 20.0f;
    iso.upper = 30.0f;
    iso.lowerFraction = 0.0f;
    iso.upperFraction = 0.0f;
    iso.bandKind = 0;
    iso.selector = 0;
    std::strncpy(iso.colour, "Trans", sizeof(iso.colour) - 1);
    return iso;
}

bool ISOHandler::colourOf(const char *name, _yuv_item *colour)
{
    for (const NamedColour &c : s_isoColours) {
        if (std::strcmp(c.name, name) == 0) {
            *colour = c.colour;
            return true;
        }
    }
    return false;
}

void ISOHandler::setIsoInfo(const Isotherm &iso)
{
    m_iso = iso;
    // Always keep a terminated name, whatever the caller passed.
    m_iso.colour[sizeof(m_iso.colour) - 1] = '\0';
}

void ISOHandler::setIsoPosition(int upperIndex, int lowerIndex)
{
    switch (m_iso.type) {
    case 1: // between
        m_lowerIndex = lowerIndex < 0 ? 0 : lowerIndex;
        m_upperIndex = upperIndex > 255 ? 255 : upperIndex;
        break;
    case 2: // above
        m_lowerIndex = upperIndex < 0 ? 0 : upperIndex;
        m_upperIndex = 255;
        break;
    case 0: // below
        m_lowerIndex = 0;
        m_upperIndex = lowerIndex > 255 ? 255 : lowerIndex;
        break;
    default:
        break;
    }
}

void ISOHandler::calIsoColor(unsigned char *entry, unsigned char index) const
{
    if (!entry || index < m_lowerIndex)
        return;
    entry[0] = static_cast<unsigned char>(entry[0] * 0.5 + 40.5);
    entry[1] = static_cast<unsigned char>(entry[1] * 0.5 + 45.0);
    entry[2] = static_cast<unsigned char>(entry[2] * 0.5 + 119.5);
}

void ISOHandler::setIsoPalette(_yuv_item *palette) const
{
    if (!palette)
        return;
    palette[259] = palette[0];
    palette[260] = palette[255];

    // A band that starts above the palette (index 256) or ends below it
    // (-1) colours nothing; the rest stays inside 0..255.
    const bool empty = m_lowerIndex > m_upperIndex || m_lowerIndex > 255 || m_upperIndex < 0;
    const int first = clampIndex(m_lowerIndex);
    const int last = clampIndex(m_upperIndex);

    if (sameName(m_iso.colour, "Trans")) {
        if (!empty) {
            for (int i = first; i <= last; ++i)
                calIsoColor(&palette[i].y, static_cast<unsigned char>(i));
        }
        colourOf("Trans", &palette[258]);
        return;
    }
    for (const NamedColour &c : s_isoColours) {
        if (!sameName(m_iso.colour, c.name))
            continue;
        if (!empty) {
            for (int i = first; i <= last; ++i)
                palette[i] = c.colour;
        }
        palette[258] = c.colour;
        return;
    }
    // An unknown colour name leaves the band and entry 258 as they are.
}
