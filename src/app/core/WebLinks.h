#pragma once

#include "common/Phrases.h"

#include <QString>
#include <QUrl>

#include <functional>

class Prompter;

// The bug report's input box; a language pack replaces both.
struct BugReportTexts
{
    QString prompt = Phrases::text(Phrase::DescribeBug);
    QString title = QStringLiteral("Report de bug");
};

// The addresses of the product's web site behind the "&?" menu.
class WebLinks
{
public:
    using OpenUrl = std::function<void(const QUrl &url)>;

    // site: the web site's address, ending with "/".
    WebLinks(const QString &site, Prompter &prompter, OpenUrl openUrl);

    QUrl faq() const;      // "&F.A.Q."
    QUrl examples() const; // "&Télécharger des exemples"
    QUrl tips() const;     // "Tru&cs et astuces"
    QUrl bugReport(const QString &description) const;
    // version: major.minor.revision; language: the active pack's name, empty for French.
    QUrl versionCheck(const QString &version, const QString &language) const;

    using BugTexts = BugReportTexts;

    // "Signaler un bug": asks for the description; an empty answer opens nothing.
    void reportBug(const BugTexts &texts = {});
    void open(const QUrl &url) { m_openUrl(url); }

private:
    QUrl page(const QString &path, const QString &query) const;

    QString m_site;
    Prompter &m_prompter;
    OpenUrl m_openUrl;
};
