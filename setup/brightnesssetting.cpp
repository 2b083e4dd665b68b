#include "brightnesssetting.h"

#include "setupsettings.h"

#include <algorithm>

int BrightnessSetting::clamp(int position)
{
    return std::clamp(position, int(Min), int(Max));
}

int BrightnessSetting::stored()
{
    return clamp(SetupSettings::readInt("BrightConfig", Default));
}

int BrightnessSetting::storedForWake()
{
    return clamp(SetupSettings::readInt("BrightConfig", 0));
}

bool BrightnessSetting::store(int position)
{
    return SetupSettings::write({{"BrightConfig", position}});
}

int BrightnessSetting::backlightValue(int position)
{
    return 8192 - (clamp(position) << 13) / 183;
}

int BrightnessSetting::percent(int position)
{
    return (clamp(position) * 100 - 3800) / 145;
}
