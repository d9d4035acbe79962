#include "common/ZepError.h"

using namespace Qt::StringLiterals;

QString errorDescription(int number)
{
    switch (static_cast<ErrorCode>(number)) {
    case ErrorCode::None: return QString();
    case ErrorCode::Overflow: return u"Dépassement de capacité"_s;
    case ErrorCode::OutOfMemory: return u"Mémoire insuffisante"_s;
    case ErrorCode::SubscriptOutOfRange: return u"Indice en dehors de la plage"_s;
    case ErrorCode::TypeMismatch: return u"Type incompatible"_s;
    case ErrorCode::BadFileName: return u"Nom ou numéro de fichier incorrect"_s;
    case ErrorCode::FileNotFound: return u"Fichier introuvable"_s;
    case ErrorCode::DiskFull: return u"Disque plein"_s;
    case ErrorCode::InputPastEnd: return u"Lecture au-delà de la fin du fichier"_s;
    case ErrorCode::PermissionDenied: return u"Permission refusée"_s;
    case ErrorCode::PathFileAccess: return u"Erreur d'accès au chemin/fichier"_s;
    case ErrorCode::PathNotFound: return u"Chemin introuvable"_s;
    case ErrorCode::InvalidPicture: return u"Image incorrecte"_s;
    case ErrorCode::Internal: return u"Erreur interne"_s;
    }
    return u"Erreur d'application"_s;
}

ZepError::ZepError(ErrorCode code)
    : number(static_cast<int>(code)), description(errorDescription(number))
{
}

ZepError::ZepError(ErrorCode code, QString detail)
    : number(static_cast<int>(code)), description(std::move(detail))
{
}

ZepError ZepError::about(ErrorCode code, const QString &subject)
{
    return ZepError(code, errorDescription(static_cast<int>(code)) + u" : "_s + subject);
}
