#pragma once

// The camera names its fonts "wenquanyi" and "unifont"; on this system they
// are Debian's WenQuanYi Zen Hei and GNU Unifont. install() maps the names
// once, so every QFont("wenquanyi", …) in the code finds the real family.
class FontFamilies
{
public:
    static void install();

private:
    FontFamilies() = delete;
};
