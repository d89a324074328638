#pragma once

#include <QString>
#include <QStringList>

// The store's sections, keys and values as the file spells them, written out
// here rather than read from the program, so that a misspelling there shows.
namespace Cles {
inline const QString SectionCouleurs = QStringLiteral("Couleurs de l'interface");
inline const QStringList CouleursCles = {QStringLiteral("Début du dégradé"),
                                         QStringLiteral("Fin du dégradé"),
                                         QStringLiteral("Texte des boutons"),
                                         QStringLiteral("'Lumière' des boutons"),
                                         QStringLiteral("Autres textes"),
                                         QStringLiteral("Fond des fenêtres"),
                                         QStringLiteral("Visualisation, dossiers, etc.")};
inline const QString Ciel = QStringLiteral("Couleur du ciel");
inline const QString Etoiles = QStringLiteral("Couleur des étoiles");
inline const QString Couleur = QStringLiteral("Couleur");
inline const QString AnneeDebut = QStringLiteral("Année de début");
inline const QString AnneeFin = QStringLiteral("Année de fin");
inline const QString Valeur = QStringLiteral("Valeur");
inline const QString StyleSection = QStringLiteral("Style d'affichage au démarrage");
inline const QString Style = QStringLiteral("Style");
inline const QString InfoBulles = QStringLiteral("Affichage des info-bulles");
inline const QString Conseils = QStringLiteral("Conseils du jour");
inline const QString ConseilDemarrage = QStringLiteral("Conseil au démarrage");
inline const QString Calculs = QStringLiteral("Calculs de dates");
inline const QString Region = QStringLiteral("Région");
inline const QString Unite = QStringLiteral("Unité");
inline const QString AnneeFinDefaut = QStringLiteral("2100");
inline const QString Oui = QStringLiteral("Oui");
inline const QString Non = QStringLiteral("Non");
} // namespace Cles
