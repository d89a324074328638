#include "base/donnees.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Base {

QString dossierDonnees()
{
    const QString impose = qEnvironmentVariable("ZELUND_DONNEES");
    if (!impose.isEmpty())
        return impose;
    // Beside the program: build-tree/bin/../share/zelund, or prefix/bin/../share/zelund.
    const QString voisin =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../" ZELUND_DATADIR_RELATIF));
    if (QFileInfo(voisin).isDir())
        return QDir::cleanPath(voisin);
    const QString systeme = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("zelund"),
                                                   QStandardPaths::LocateDirectory);
    return systeme;
}

QString cheminDonnees(const QString &nom)
{
    const QString dossier = dossierDonnees();
    return dossier.isEmpty() ? QString() : QDir(dossier).filePath(nom);
}

QString cheminAide(SujetAide sujet)
{
    const QString nom = sujet == SujetAide::Sommaire ? QStringLiteral("aide/index.html")
                                                     : QStringLiteral("aide/sujet%1.html").arg(int(sujet));
    const QString chemin = cheminDonnees(nom);
    return QFileInfo::exists(chemin) ? chemin : QString();
}

} // namespace Base
