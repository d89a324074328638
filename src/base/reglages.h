#pragma once

#include <QSettings>
#include <QString>
#include <memory>
#include <span>

// The per-user settings store: section, key, text. Every write reaches the
// file at once, because two running copies share it and nothing is saved at exit.
class Reglages
{
public:
    // The user's store: ~/.config/Zelund/Zelund.conf on Linux.
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

    // The store the program uses; tests install their own.
    static Reglages &courant();
    static void installe(Reglages *reglages);

private:
    static QString chemin(const QString &section, const QString &cle);
    std::unique_ptr<QSettings> m_settings;
};
