#include "cli/VbsCommand.h"

#include "cli/CommandLine.h"

#include "common/Cp1252.h"
#include "vbscript/ScriptEngine.h"

#include <QFile>
#include <QStringDecoder>

#include <cstdio>
#include <iostream>
#include <string>

using namespace Qt::StringLiterals;

namespace {

void printLine(FILE *stream, const std::u16string &text)
{
    const QByteArray bytes = QString::fromStdU16String(text).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

class ConsoleHost : public vbs::ScriptHost
{
public:
    int msgBox(const std::u16string &prompt, int, const std::u16string &) override
    {
        printLine(stdout, prompt);
        return 1;
    }

    std::u16string inputBox(const std::u16string &, const std::u16string &, const std::u16string &) override
    {
        std::string line;
        if (!std::getline(std::cin, line))
            return {};
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return QString::fromUtf8(line).toStdU16String();
    }
};

QString decodeScript(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
    return cp1252::decode(bytes);
}

} // namespace

int runVbsCommand(const CommandLine &line)
{
    const QString &path = line.argument(0);
    // Scripts follow the user's locale and language, as they do when Windows runs them.
    const vbs::Locale &locale = vbs::Locale::fromEnvironment();
    const bool english = locale.language() == vbs::Language::English;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printLine(stderr, ((english ? u"Cannot read "_s : u"Impossible de lire "_s) + path).toStdU16String());
        return 1;
    }
    const std::u16string source = decodeScript(file.readAll()).toStdU16String();

    vbs::ScriptEngine engine;
    ConsoleHost host;
    engine.setHost(&host);
    engine.setLocale(locale);
    // The main thread has megabytes of stack here; allow deeper recursion than the default.
    engine.limits().maxStackBytes = 4u << 20;
    auto wscript = std::make_shared<vbs::DispatchObject>(u"WScript");
    wscript->addMethod(u"Echo", [&engine](std::span<vbs::Variant> args) {
        std::u16string line;
        for (size_t i = 0; i < args.size(); ++i) {
            if (i)
                line += u' ';
            line += engine.toText(args[i]);
        }
        printLine(stdout, line);
        return vbs::Variant();
    });
    engine.addObject(u"WScript", wscript);
    try {
        engine.addCode(source);
    } catch (const vbs::ScriptError &error) {
        const std::u16string number = QString::number(error.number()).toStdU16String();
        const std::u16string line = QString::number(error.line()).toStdU16String();
        printLine(stderr, english ? u"Error " + number + u": " + error.description() + u" (line " + line + u")"
                                  : u"Erreur " + number + u" : " + error.description() + u" (ligne " + line + u")");
        return 1;
    }
    return 0;
}
