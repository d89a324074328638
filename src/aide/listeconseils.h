#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The tips file: one tip a line, in file order, and the paging through it.
namespace ListeConseils {

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is
// dropped), Windows-1252 otherwise: files written on older systems read right.
QString decode(const QByteArray &octets);

// Lines ended by CR LF, LF or a lone CR. An empty line is a tip too; the end
// of the last line does not open one more. An empty text holds no tip.
QStringList decoupe(const QString &texte);

// The tips of the file; nullopt when the path is empty or the file cannot be
// opened (missing, a folder, unreadable).
std::optional<QStringList> lis(const QString &chemin);

// The first tip shown, 1 to nombre, from r in [0, 1); 0 when there is none.
int premier(double r, int nombre);

// The tip after courant, back to 1 after the last; 0 when there is none.
int suivant(int courant, int nombre);

// What the tip label shows when the file is missing.
QString messageFichierAbsent(const QString &nomFichier);

} // namespace ListeConseils
