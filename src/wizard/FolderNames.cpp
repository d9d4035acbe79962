#include "wizard/FolderNames.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

FolderNames::Claim FolderNames::claim(const QString &wanted, const QString &source)
{
    const QString from = source.isEmpty() ? QString() : QFileInfo(source).absoluteFilePath();
    const auto taken = m_sources.constFind(wanted.toLower());
    if (taken == m_sources.cend()) {
        m_sources.insert(wanted.toLower(), from);
        return {wanted, false};
    }
    if (!from.isEmpty() && *taken == from)
        return {wanted, true};

    const qsizetype dot = wanted.lastIndexOf(u'.');
    const QString stem = dot > 0 ? wanted.left(dot) : wanted;
    const QString suffix = dot > 0 ? wanted.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString name = stem + u'_' + QString::number(n) + suffix;
        const auto other = m_sources.constFind(name.toLower());
        if (other == m_sources.cend()) {
            m_sources.insert(name.toLower(), from);
            return {name, false};
        }
        if (!from.isEmpty() && *other == from)
            return {name, true};
    }
}
