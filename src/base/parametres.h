#pragma once

#include "base/chargement.h"
#include "base/couleurs.h"
#include "dates/lieux.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class Reglages;

// Every setting of the program, typed: where the store keeps it, its default,
// what it accepts, the value the run uses, and a signal when that value
// changes. A setter writes the store only when the store does not already hold
// the new text; its run value changes whatever the store says.
class Parametres : public QObject
{
    Q_OBJECT
public:
    // The interface colours first, one key per Couleurs::Indice and in its order.
    enum class Cle {
        PremiereCouleur,
        Ciel = PremiereCouleur + Couleurs::Nombre,
        Etoiles,
        AnneeDebut,
        AnneeFin,
        Style,
        InfoBulles,
        ConseilDemarrage,
        RegionCalculs,
        UniteCalculs,
        // The almanac's place, set as a whole.
        LieuNom,
        LieuLatitude,
        LieuLongitude,
        LieuFuseau,
        Nombre
    };
    Q_ENUM(Cle)

    // What a stored text must be for the load to accept it.
    enum class Controle { Couleur, Rgb, Annee, Choix, Libre, Latitude, Longitude, Fuseau };

    struct Definition
    {
        QString section;
        QString cle;
        QString defaut; // the text a missing value reads as
        bool reecrit;   // a missing value is written back at load
        Controle controle;
        QStringList choix; // the texts the value may take, the default first
    };
    static const Definition &definition(Cle cle);
    static bool accepte(Cle cle, const QString &texte);
    static Cle couleur(int indice) { return static_cast<Cle>(int(Cle::PremiereCouleur) + indice); }

    // The start-up views, as the style's choices list them.
    enum class Style { Normal, Compteur, Lune };
    static std::optional<Style> style(const QString &texte);
    static QString texte(Style style);

    // Tests install their own, as they do the store.
    static Parametres &courant();

    // The values the load checked; nothing is written and nothing signalled:
    // each window reads them when it loads.
    void prend(const Base::ValeursChargees &v);
    // Back to the defaults, unsignalled (tests).
    void remetDefauts();

    const Couleurs::Schema &couleurs() const { return m_couleurs; }
    Base::Rgb ciel() const { return m_ciel; }
    Base::Rgb etoiles() const { return m_etoiles; }
    int anneeDebut() const { return m_anneeDebut; }
    int anneeFin() const { return m_anneeFin; }
    QString styleDemarrage() const { return m_style; }
    bool infoBulles() const { return m_infoBulles; }
    bool conseilDemarrage() const { return m_conseilDemarrage; }
    int regionCalculs() const { return m_regionCalculs; } // index in the region's choices
    int uniteCalculs() const { return m_uniteCalculs; }
    const Dates::Lieu &lieu() const { return m_lieu; }

    // Write::Non: the run takes the value, the store is left as it is (a
    // value the user left alone, which another program may have written).
    enum class Ecriture { SiChange, Non };

    void metCouleur(Couleurs::Indice indice, quint32 valeur);
    // Writes the colour's text as it stands (the picker was cancelled).
    void confirmeCouleur(Couleurs::Indice indice);
    void reinitialiseCouleurs();
    void metCiel(const Base::Rgb &ciel, Ecriture e = Ecriture::SiChange);
    void metEtoiles(const Base::Rgb &etoiles, Ecriture e = Ecriture::SiChange);
    void metAnneeDebut(int annee, Ecriture e = Ecriture::SiChange);
    void metAnneeFin(int annee, Ecriture e = Ecriture::SiChange);
    void metStyleDemarrage(const QString &style, Ecriture e = Ecriture::SiChange);
    void metInfoBulles(bool actives);
    void metConseilDemarrage(bool oui);
    // The run takes the stored text again ("Oui" when missing).
    void relisConseilDemarrage();
    void metRegionCalculs(int choix);
    void metUniteCalculs(int choix);
    // The four values of the place in one write; changee(LieuNom) once.
    void metLieu(const Dates::Lieu &lieu);
    // Paris, as the table's defaults give it.
    static Dates::Lieu lieuParDefaut();

    // The values set inside f reach the store in one write.
    void ensemble(const std::function<void()> &f);

signals:
    void changee(Parametres::Cle cle);

private:
    template<typename T>
    void met(Cle cle, T &valeur, const T &nouvelle, const QString &texte, Ecriture e = Ecriture::SiChange);
    void ecrit(Cle cle, const QString &texte);

    Couleurs::Schema m_couleurs = Couleurs::Schema::parDefaut();
    Base::Rgb m_ciel{119, 119, 119};
    Base::Rgb m_etoiles{255, 255, 255};
    int m_anneeDebut = 1700;
    int m_anneeFin = 2100;
    QString m_style = QStringLiteral("Normal");
    bool m_infoBulles = true;
    bool m_conseilDemarrage = true;
    int m_regionCalculs = 0;
    int m_uniteCalculs = 0;
    Dates::Lieu m_lieu = lieuParDefaut();

    int m_ensembles = 0;
    std::vector<std::pair<Cle, QString>> m_enAttente;
};
