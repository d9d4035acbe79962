#include "project/MenuText.h"

#include "common/NumberText.h"

#include <QFont>

bool MenuText::hasScrollBar() const
{
    return numtext::val(QStringView(flags).left(1)) == 1;
}

bool MenuText::isReadOnly() const
{
    return flags.size() >= 2 && flags[1] == u'1';
}

QFont MenuText::font() const
{
    QFont f(fontName);
    f.setPointSizeF(fontSize > 0 ? fontSize : 8);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStrikeOut(strikethrough);
    f.setUnderline(underline);
    return f;
}
