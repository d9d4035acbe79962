#include "project/ItemField.h"

namespace itemfield {

ButtonFields changed(const MenuButton &before, const MenuButton &after)
{
    ButtonFields fields;
    fields.setFlag(ButtonField::Position, before.left != after.left || before.top != after.top);
    fields.setFlag(ButtonField::NormalImage, before.normalImage != after.normalImage);
    fields.setFlag(ButtonField::HoverImage, before.hoverImage != after.hoverImage);
    fields.setFlag(ButtonField::ClickImage, before.clickImage != after.clickImage);
    fields.setFlag(ButtonField::Kind, before.kind != after.kind || before.otherKind != after.otherKind);
    fields.setFlag(ButtonField::Code, before.code != after.code);
    fields.setFlag(ButtonField::HoverCode, before.hoverCode != after.hoverCode);
    fields.setFlag(ButtonField::Transparency,
                   before.transparent != after.transparent || before.transparentColour != after.transparentColour);
    return fields;
}

TextFields changed(const MenuText &before, const MenuText &after)
{
    TextFields fields;
    fields.setFlag(TextField::Content, before.text != after.text);
    fields.setFlag(TextField::Colours, before.backColour != after.backColour || before.textColour != after.textColour);
    fields.setFlag(TextField::Font, before.fontName != after.fontName || before.fontSize != after.fontSize ||
                                        before.bold != after.bold || before.italic != after.italic ||
                                        before.strikethrough != after.strikethrough ||
                                        before.underline != after.underline);
    fields.setFlag(TextField::Geometry, before.top != after.top || before.left != after.left ||
                                            before.width != after.width || before.height != after.height);
    fields.setFlag(TextField::Flags, before.flags != after.flags);
    fields.setFlag(TextField::Presence, before.visible != after.visible || before.deleted != after.deleted);
    return fields;
}

} // namespace itemfield
