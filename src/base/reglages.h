#pragma once

#include "base/fichierreglages.h"

#include <QMap>
#include <QString>
#include <span>

// The per-user settings store: section, key, text. It is the ini file QSettings
// would write (~/.config/Zelund/Zelund.conf on Linux), every value read as the
// text that stands in the file. Every write reaches the file at once, because
// two running copies share it and nothing is saved at exit; a write re-reads
// the file and changes only its own keys there, so what another program wrote
// meanwhile stays. lit() gives what was read at start or by relit(), with this
// run's own changes on it.
class Reglages
{
public:
    // The user's store.
    Reglages();
    // A store in the given file (tests).
    explicit Reglages(const QString &fichier);

    QString lit(const QString &section, const QString &cle, const QString &defaut = QString()) const;
    bool contient(const QString &section, const QString &cle) const;
    void ecrit(const QString &section, const QString &cle, const QString &texte);

    struct Ecriture
    {
        QString section;
        QString cle;
        QString texte;
        bool operator==(const Ecriture &) const = default;
    };
    // Values that belong together reach the file in one write, so another copy
    // never reads half of them (and the disk is flushed once, not each time).
    void ecrit(std::span<const Ecriture> ecritures);
    void effaceTout();
    QString fichier() const;

    // Takes in what stands in the file now, for a window that shows the
    // store's values when it opens; changes not yet written stay on top.
    void relit();
    // Makes the file, empty, when it is missing and the run may write there.
    // True when a store file one can open stands there afterwards.
    bool cree();

    // Something stands where the store should be but cannot be read as one (no
    // read permission, a directory, a pipe, a device, a folder that is a file,
    // over a megabyte): the run goes on with the defaults and never writes there.
    bool illisible() const { return m_illisible; }

    // The store the program uses; tests install their own.
    static Reglages &courant();
    static void installe(Reglages *reglages);

private:
    void enregistre(bool creer = false);
    void echec();

    QString m_fichier;
    FichierReglages m_disque;
    bool m_illisible = false;
    QMap<QString, QString> m_valeurs; // what lit() gives
    // Changes the file does not hold yet, kept for the next write that succeeds.
    QMap<QString, QString> m_enAttente;
    bool m_effacementEnAttente = false;
    bool m_echecDit = false;
};
