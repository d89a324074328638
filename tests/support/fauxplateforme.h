#pragma once

#include "base/plateforme.h"
#include "base/reglages.h"

#include <QList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

// A platform with a fixed clock that records what the program asked of it.
class FauxPlateforme : public Plateforme
{
public:
    struct Message
    {
        QString texte;
        Boutons boutons;
        Icone icone;
        QString titre;
        Reponse parDefaut;
    };
    struct Lancement
    {
        QString programme;
        QStringList arguments;
    };

    QDateTime horloge{QDate(2001, 11, 18), QTime(21, 5, 7)};
    bool autreInstance = false;
    std::deque<Reponse> reponses; // answers, in order; default button when empty
    QList<Message> messages;
    QStringList programmesPresents;
    QList<Lancement> lancements;
    QStringList pressePapiers;
    QList<int> sons;
    std::deque<std::optional<quint32>> couleursChoisies; // cancelled when empty
    QList<quint32> departsCouleur;
    QStringList adresses;

    // Each launch as one command line, "programme arg1 arg2".
    QStringList commandes() const;

    QDateTime maintenant() const override { return horloge; }
    bool autreInstanceActive() override { return autreInstance; }
    Reponse message(const QString &texte, Boutons boutons, Icone icone, const QString &titre,
                    Reponse parDefaut) override
    {
        messages << Message{texte, boutons, icone, titre, parDefaut};
        return prochain(reponses, parDefaut);
    }
    bool lanceProgramme(const QString &programme, const QStringList &arguments) override
    {
        if (programmeDisponible(programme))
            lancements << Lancement{programme, arguments};
        return programmeDisponible(programme);
    }
    bool programmeDisponible(const QString &programme) const override { return programmesPresents.contains(programme); }
    void copiePressePapiers(const QString &texte) override { pressePapiers << texte; }
    void joueSon(int numero) override { sons << numero; }
    std::optional<quint32> choisitCouleur(quint32 depart) override
    {
        departsCouleur << depart;
        return prochain(couleursChoisies, std::optional<quint32>());
    }
    bool ouvreAdresse(const QString &adresse) override
    {
        adresses << adresse;
        return true;
    }

private:
    template<typename T>
    static T prochain(std::deque<T> &file, T sinon)
    {
        if (!file.empty()) {
            sinon = file.front();
            file.pop_front();
        }
        return sinon;
    }
};

// Installs a fake platform and a settings store in a temporary file, and
// resets the shared variables; undoes it all when it goes.
class Banc
{
public:
    Banc();
    ~Banc();
    Banc(const Banc &) = delete;
    Banc &operator=(const Banc &) = delete;

    FauxPlateforme plateforme;
    Reglages &reglages() { return *m_reglages; }
    QString fichierReglages() const;
    // What the settings file holds, read afresh by QSettings: "section/key=value", sorted.
    QStringList contenuFichier() const;
    // A value as the file holds it, through a reader of its own (never the
    // program's store, whose memory could hold what never reached the file).
    QString relu(const QString &section, const QString &cle) const;
    bool present(const QString &section, const QString &cle) const;
    QByteArray octets() const;

private:
    QList<class FenetreZelund *> m_avant;
    QTemporaryDir m_dossier;
    std::unique_ptr<Reglages> m_reglages;
};
