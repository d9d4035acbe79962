#include "app/core/AppearanceRule.h"

using namespace Qt::StringLiterals;

namespace {

struct Properties
{
    bool tabStop;
    bool background;
    bool textColour;
    bool font;
};

Properties propertiesOf(AppearanceRule::Kind kind)
{
    using Kind = AppearanceRule::Kind;
    switch (kind) {
    case Kind::TextField:
    case Kind::Button:
    case Kind::Choice:
    case Kind::Picture:
        return {true, true, true, true};
    case Kind::Label:
    case Kind::Frame:
        return {false, true, true, true};
    case Kind::Image:
    case Kind::NonVisual:
        break;
    }
    return {false, false, false, false};
}

} // namespace

QString AppearanceRule::keepDesignTag()
{
    return u"N_DESIGN"_s;
}

AppearanceRule::Look AppearanceRule::lookFor(const Appearance &appearance, const Control &control)
{
    const Properties has = propertiesOf(control.kind);
    Look look;
    // Tab stops go off even on controls that keep their design.
    if (has.tabStop)
        look.tabStop = false;
    if (control.tag == keepDesignTag())
        return look;
    if (has.background) {
        const bool field = control.kind == Kind::TextField || control.name.startsWith(u"Text"_s);
        look.background = field ? appearance.fieldBackground : appearance.windowBackground;
    }
    if (has.textColour)
        look.textColour = appearance.textColour;
    if (has.font)
        look.font = appearance.effectiveFont();
    return look;
}
