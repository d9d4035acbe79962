#include "app/core/WebLinks.h"

#include "prompt/Prompter.h"

using namespace Qt::StringLiterals;

namespace {

// Every character that would end or change the query is escaped; a space becomes "%20".
QString queryValue(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

WebLinks::WebLinks(const QString &site, Prompter &prompter, OpenUrl openUrl)
    : m_site(site), m_prompter(prompter), m_openUrl(std::move(openUrl))
{
}

QUrl WebLinks::page(const QString &path, const QString &query) const
{
    return QUrl(m_site + u"zep/"_s + path + u'?' + query, QUrl::StrictMode);
}

QUrl WebLinks::faq() const
{
    return page(u"page.php"_s, u"ext=php&q=faq"_s);
}

QUrl WebLinks::examples() const
{
    return page(u"page.php"_s, u"ext=php&q=galerie"_s);
}

QUrl WebLinks::tips() const
{
    return page(u"page.php"_s, u"ext=php&q=trucs_astuces"_s);
}

QUrl WebLinks::bugReport(const QString &description) const
{
    return page(u"br.php"_s, u"bug="_s + queryValue(description));
}

QUrl WebLinks::versionCheck(const QString &version, const QString &language) const
{
    return page(u"version.php"_s, u"moi="_s + queryValue(version) + u"&langue="_s + queryValue(language));
}

void WebLinks::reportBug(const BugTexts &texts)
{
    const QString description = m_prompter.input({texts.prompt, texts.title, QString()});
    if (!description.isEmpty())
        m_openUrl(bugReport(description));
}
