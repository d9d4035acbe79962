#pragma once

#include <QString>

// The few process-wide facts about the running designer.
namespace appid {

// Used by the task bar and as the title of message boxes that have none of their own.
QString applicationTitle();
// "ZEP v2.0 - créateur de menus"; a language pack gives the part after " - ".
QString windowCaption(const QString &description = {});
// The main window's title: its caption, then the project's file name and a mark while
// it has unsaved changes ("ZEP v2.0 - créateur de menus — Mon CD.zep *").
QString documentTitle(const QString &caption, const QString &projectPath, bool modified);
// The folder of the program file, ending with "/".
QString programFolder();
QString programFileName();
// A folder as the designer keeps it: ending with a separator.
QString withTrailingSeparator(const QString &folder);

} // namespace appid
