#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <span>

class QSettings;

// The per-user settings store: section, key, text. It is the ini file QSettings
// writes (~/.config/Zelund/Zelund.conf on Linux), held by a QSettings whose
// format reads every value as the text that stands in the file, whatever Qt's
// typed notation ("@Variant(...)") it carries. Every write reaches the file at
// once, because two running copies share it and nothing is saved at exit.
class Reglages
{
public:
    // The user's store.
    Reglages();
    // A store in the given file (tests).
    explicit Reglages(const QString &fichier);
    ~Reglages();

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

    // Something stands where the store should be but cannot be read as one (no
    // read permission, a directory, a pipe, a device, a folder that is a file):
    // the run goes on with the defaults and never writes there.
    bool illisible() const { return !m_qt; }

    // The store the program uses; tests install their own.
    static Reglages &courant();
    static void installe(Reglages *reglages);

private:
    bool surFichier();

    QString m_fichier;
    // Null once the file cannot be used: the run's values then live in m_memoire.
    std::unique_ptr<QSettings> m_qt;
    QHash<QString, QString> m_memoire;
};
