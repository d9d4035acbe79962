#include "project/MenuText.h"

#include "common/NumberText.h"

bool MenuText::hasScrollBar() const
{
    return numtext::val(QStringView(flags).left(1)) == 1;
}

bool MenuText::isReadOnly() const
{
    return flags.size() >= 2 && flags[1] == u'1';
}
