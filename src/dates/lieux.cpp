#include "dates/lieux.h"

#include "dates/astronomie.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <cmath>

namespace Dates {

namespace {

bool coordonneesValides(double latitude, double longitude)
{
    return std::isfinite(latitude) && std::isfinite(longitude) && std::abs(latitude) <= 90.0
           && std::abs(longitude) <= 180.0;
}

// Great-circle distance in km.
double distance(double lat1, double lon1, double lat2, double lon2)
{
    constexpr double RayonTerreKm = 6371.0;
    const double c = std::sin(rad(lat1)) * std::sin(rad(lat2))
                     + std::cos(rad(lat1)) * std::cos(rad(lat2)) * std::cos(rad(lon2 - lon1));
    return RayonTerreKm * std::acos(std::clamp(c, -1.0, 1.0));
}

} // namespace

QString Lieu::libelle() const
{
    return departement.isEmpty() || nom.isEmpty() ? nom : QStringLiteral("%1 (%2)").arg(nom, departement);
}

Lieu lieuParDefaut()
{
    return {QStringLiteral("Paris"), QStringLiteral("Paris"), 48.8566, 2.3522, QByteArrayLiteral("Europe/Paris")};
}

LectureLieux lisLieux(const QString &texte)
{
    LectureLieux l;
    const QStringList lignes = texte.split(QLatin1Char('\n'));
    for (int i = 0; i < lignes.size(); ++i) {
        const QString ligne = lignes[i].trimmed();
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char('#')))
            continue;
        const QStringList c = ligne.split(QLatin1Char(';'));
        bool okLat = false, okLon = false;
        Lieu lieu;
        if (c.size() == 5) {
            lieu = {c[0].trimmed(), c[1].trimmed(), c[2].trimmed().toDouble(&okLat), c[3].trimmed().toDouble(&okLon),
                    c[4].trimmed().toUtf8()};
        }
        if (c.size() != 5 || lieu.nom.isEmpty() || !okLat || !okLon
            || !coordonneesValides(lieu.latitude, lieu.longitude) || !QTimeZone::isTimeZoneIdAvailable(lieu.fuseau)) {
            l.lignesRefusees << i + 1;
            continue;
        }
        l.lieux.push_back(std::move(lieu));
    }
    return l;
}

QString cleRecherche(const QString &nom)
{
    const QString decompose = nom.normalized(QString::NormalizationForm_D);
    QString cle;
    cle.reserve(decompose.size());
    for (const QChar c : decompose) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QLatin1Char('-') || c == QLatin1Char('\'') || c == QChar(0x2019))
            cle += QLatin1Char(' ');
        else
            cle += c;
    }
    return cle.toCaseFolded().simplified();
}

std::vector<Lieu> chercheLieux(const std::vector<Lieu> &lieux, const QString &saisie)
{
    const QString cle = cleRecherche(saisie);
    std::vector<Lieu> exacts, debuts;
    for (const Lieu &l : lieux) {
        const QString nom = cleRecherche(l.nom);
        const QString libelle = cleRecherche(l.libelle());
        if (nom == cle || libelle == cle)
            exacts.push_back(l);
        else if (nom.startsWith(cle) || libelle.startsWith(cle))
            debuts.push_back(l);
    }
    exacts.insert(exacts.end(), debuts.begin(), debuts.end());
    return exacts;
}

Recherche trouveLieu(const std::vector<Lieu> &lieux, const QString &nom)
{
    const QString cle = cleRecherche(nom);
    Recherche r;
    if (cle.isEmpty())
        return r;
    const std::vector<Lieu> trouves = chercheLieux(lieux, nom);
    std::vector<Lieu> exacts;
    for (const Lieu &l : trouves)
        if (cleRecherche(l.nom) == cle || cleRecherche(l.libelle()) == cle)
            exacts.push_back(l);
    const std::vector<Lieu> &retenus = exacts.empty() ? trouves : exacts;
    if (retenus.size() == 1)
        r.lieu = retenus.front();
    else
        for (const Lieu &l : retenus)
            r.candidats << l.libelle();
    return r;
}

std::optional<Lieu> lisCoordonnees(const QString &texte, const std::vector<Lieu> &lieux)
{
    static const QRegularExpression forme(
        QStringLiteral("^\\s*([-+]?\\d{1,2}(?:\\.\\d+)?)\\s*,\\s*([-+]?\\d{1,3}(?:\\.\\d+)?)\\s*$"));
    const QRegularExpressionMatch m = forme.match(texte);
    if (!m.hasMatch())
        return std::nullopt;
    Lieu lieu;
    lieu.latitude = m.captured(1).toDouble();
    lieu.longitude = m.captured(2).toDouble();
    if (!coordonneesValides(lieu.latitude, lieu.longitude))
        return std::nullopt;
    constexpr double RayonVoisinageKm = 300.0;
    double plusPres = RayonVoisinageKm;
    for (const Lieu &l : lieux) {
        const double d = distance(lieu.latitude, lieu.longitude, l.latitude, l.longitude);
        if (d <= plusPres) {
            plusPres = d;
            lieu.fuseau = l.fuseau;
        }
    }
    if (lieu.fuseau.isEmpty())
        lieu.fuseau = QTimeZone(int(std::lround(lieu.longitude / 15.0)) * 3600).id();
    return lieu;
}

LieuDemande lieuDemande(const QString &texte, const std::vector<Lieu> &lieux)
{
    if (const auto coordonnees = lisCoordonnees(texte, lieux))
        return {coordonnees, {}};
    if (texte.contains(QRegularExpression(QStringLiteral("^\\s*[-+]?\\d"))))
        return {std::nullopt,
                QStringLiteral("coordonnées « %1 » refusées : écrivez LAT,LON en degrés décimaux, latitude "
                               "de -90 à 90 et longitude de -180 à 180, par exemple 48.85,2.35.")
                    .arg(texte)};
    if (lieux.empty())
        return {std::nullopt, QStringLiteral("la liste des villes (Lieux.txt) est introuvable ou vide : donnez les "
                                             "coordonnées LAT,LON du lieu.")};
    const Recherche r = trouveLieu(lieux, texte);
    if (r.lieu)
        return {r.lieu, {}};
    if (r.candidats.isEmpty())
        return {std::nullopt,
                QStringLiteral("lieu « %1 » inconnu : donnez une ville de la liste ou ses coordonnées LAT,LON.")
                    .arg(texte)};
    return {std::nullopt,
            QStringLiteral("lieu « %1 » ambigu : %2.").arg(texte, r.candidats.join(QStringLiteral(", ")))};
}

} // namespace Dates
