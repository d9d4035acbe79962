#include "build/CompileRequest.h"

#include "common/PathText.h"
#include "project/MenuProject.h"

using namespace Qt::StringLiterals;

QString CompileRequest::defaultProjectName(const MenuProject &project)
{
    if (project.path().isEmpty())
        return u"Projet1"_s;
    const QString name = pathtext::nameOf(project.path());
    return name.left(qMax<qsizetype>(0, name.size() - 4));
}

QString CompileRequest::defaultAuthor(const MenuProject &project)
{
    const AuthorInfo &author = project.author();
    if (author.email.isEmpty())
        return author.name;
    return author.name + u" ("_s + author.email + u')';
}

CompileRequest CompileRequest::defaultsFor(const MenuProject &project)
{
    CompileRequest request;
    request.projectName = defaultProjectName(project);
    request.author = defaultAuthor(project);
    return request;
}
