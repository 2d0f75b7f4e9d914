#include "shell/Theme.h"

namespace Theme {

const TColorSet &Dark()
{
    static const TColorSet set{QColor(22, 31, 40), QColor(35, 45, 57), QColor(255, 255, 255)};
    return set;
}

const TColorSet &Light()
{
    static const TColorSet set{QColor(155, 160, 165), QColor(195, 200, 205), QColor(0, 0, 0)};
    return set;
}

TColorSet &Current()
{
    static TColorSet current = Dark();
    return current;
}

namespace {
bool darkFlag = true;
}

bool IsDark()
{
    return darkFlag;
}

void SetDark(bool dark)
{
    darkFlag = dark;
}

QColor DarkShade()
{
    return Current().Background;
}

} // namespace Theme
