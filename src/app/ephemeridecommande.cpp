#include "app/ephemeridecommande.h"

#include "base/donnees.h"
#include "dates/ephemeride.h"
#include "dates/lieux.h"
#include "moon/phasesvraies.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace App {

namespace {

inline constexpr int CodeRefus = 2;

Ephemeride refus(const QString &texte)
{
    return {CodeRefus, {}, QStringLiteral("zelund : ") + texte + QLatin1Char('\n')};
}

} // namespace

Ephemeride ephemerideLigneCommande(const QStringList &positionnels, const std::optional<QString> &lieu,
                                   const QDate &aujourdhui, const QString &texteLieux)
{
    if (positionnels.size() > 1)
        return refus(QStringLiteral("une seule date après --ephemeride (JJ/MM/AAAA)."));
    QDate jour = aujourdhui;
    if (!positionnels.isEmpty()) {
        const QString texte = positionnels.front().trimmed();
        static const QRegularExpression forme(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
        const QRegularExpressionMatch m = forme.match(texte);
        if (!m.hasMatch())
            return refus(
                QStringLiteral("date « %1 » illisible : écrivez-la JJ/MM/AAAA, par exemple 24/06/2002.").arg(texte));
        jour = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
        if (!jour.isValid())
            return refus(QStringLiteral("le %1 n'existe pas.").arg(texte));
    }
    if (!Dates::ephemerideDisponible(jour, Lune::PhasesAnneeMax))
        return refus(QStringLiteral("l'éphéméride va du 15/10/1582 au 31/12/%1 (calendrier grégorien).")
                         .arg(Lune::PhasesAnneeMax));

    Dates::Lieu choisi = Dates::lieuParDefaut();
    if (lieu) {
        const Dates::LieuDemande d = Dates::lieuDemande(*lieu, Dates::lisLieux(texteLieux).lieux);
        if (!d.lieu)
            return refus(d.refus);
        choisi = *d.lieu;
    }
    return {0, Dates::texteEphemeride(jour, choisi, &Lune::texteLune), {}};
}

Ephemeride ephemerideLigneCommande(const QStringList &positionnels, const std::optional<QString> &lieu)
{
    QString texte;
    if (lieu) {
        // The command line is read before any application object; finding
        // the data beside the program needs one.
        std::optional<QCoreApplication> application;
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char nom[] = "zelund";
            static char *argv[] = {nom, nullptr};
            application.emplace(argc, argv);
        }
        QFile fichier(Base::cheminDonnees(QStringLiteral("Lieux.txt")));
        if (fichier.open(QIODevice::ReadOnly))
            texte = QString::fromUtf8(fichier.readAll());
    }
    return ephemerideLigneCommande(positionnels, lieu, QDate::currentDate(), texte);
}

} // namespace App
