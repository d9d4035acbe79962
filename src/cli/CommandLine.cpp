#include "cli/CommandLine.h"

#include "cli/ConsoleOutput.h"

using namespace Qt::StringLiterals;

QStringList CommandSyntax::parts() const
{
    QStringList parts{u"zepc"_s, name};
    parts += arguments;
    for (const QString &option : options)
        parts << u'[' + option + u']';
    return parts;
}

QString CommandSyntax::synopsis() const
{
    return parts().join(u' ');
}

QString CommandSyntax::usage() const
{
    return u"usage: "_s + synopsis();
}

std::optional<CommandLine> CommandLine::parse(const CommandSyntax &syntax, const QStringList &arguments)
{
    const auto refuse = [&syntax](const QString &fault) -> std::optional<CommandLine> {
        console::error(u"zepc "_s + syntax.name + u": "_s + fault);
        console::error(syntax.usage());
        return std::nullopt;
    };
    enum class Kind { Flag, Valued, Unknown };
    const auto kindOf = [&syntax](const QString &argument) {
        for (const QString &option : syntax.options) {
            if (option == argument)
                return Kind::Flag;
            if (option.startsWith(argument + u' '))
                return Kind::Valued;
        }
        return Kind::Unknown;
    };
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const Kind kind = kindOf(argument);
        if (kind == Kind::Flag) {
            line.m_flags << argument;
        } else if (kind == Kind::Valued) {
            if (i + 1 >= arguments.size())
                return refuse(u"l'option "_s + argument + u" attend une valeur"_s);
            line.m_values.insert(argument, arguments[++i]);
        } else if (argument.size() > 1 && argument.startsWith(u'-')) {
            return refuse(u"option inconnue : "_s + argument);
        } else {
            line.m_positional << argument;
        }
    }
    if (line.m_positional.size() < syntax.arguments.size())
        return refuse(u"il manque "_s + syntax.arguments.mid(line.m_positional.size()).join(u' '));
    if (line.m_positional.size() > syntax.arguments.size())
        return refuse(u"argument en trop : "_s + line.m_positional[syntax.arguments.size()]);
    return line;
}
