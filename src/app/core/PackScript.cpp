#include "app/core/PackScript.h"

#include "common/Cp1252.h"
#include "vbscript/ScriptEngine.h"

#include <QFile>
#include <QStringDecoder>

bool PackScript::runFile(const QString &path, const Objects &objects)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return run(QString::fromUtf8(bytes.mid(3)), objects);
    if (bytes.startsWith("\xFF\xFE"))
        return run(QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2)), objects);
    return run(cp1252::decode(bytes), objects);
}

bool PackScript::run(const QString &source, const Objects &objects)
{
    vbs::ScriptEngine engine;
    engine.limits().maxSteps = kStepBudget;
    for (const auto &[name, object] : objects)
        engine.addObject(name.toStdU16String(), object);
    try {
        engine.addCode(source.toStdU16String());
    } catch (const vbs::ScriptError &) {
        return false;
    }
    return true;
}
