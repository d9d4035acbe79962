#include "prompt/gui/QtDialogLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace qtdialoglanguage {

QStringList folders(const QString &programFolder)
{
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(programFolder).filePath(u"linux-runtime/lib/translations"_s)};
}

bool install(const QString &language, const QStringList &folders, QObject *owner)
{
    if (language.isEmpty() || language == u"en"_s)
        return true;
    // qtbase carries the dialogs, their buttons and the names of keys.
    for (const QString &folder : folders) {
        auto *translator = new QTranslator(owner);
        if (translator->load(u"qtbase_"_s + language, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

} // namespace qtdialoglanguage
