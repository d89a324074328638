#include "ui/icones.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

#include <algorithm>

namespace Ui {

QImage imageDessinee(const QString &fichier)
{
    QImageReader lecteur(QStringLiteral(":/dessins/") + fichier, "png");
    lecteur.setAutoDetectImageFormat(false);
    return lecteur.read();
}

QIcon iconeDessinee(const QString &nom)
{
    QIcon icone;
    const QString prefixe = nom + QLatin1Char('-');
    // <nom>-<size>.png, one file per size, smallest first (the order the
    // window manager receives the window icon in).
    QStringList fichiers = QDir(QStringLiteral(":/dessins")).entryList({prefixe + QStringLiteral("*.png")});
    const auto taille = [&](const QString &f) { return QStringView(f).mid(prefixe.size()).chopped(4).toInt(); };
    std::ranges::sort(fichiers, {}, taille);
    for (const QString &fichier : fichiers)
        icone.addPixmap(QPixmap::fromImage(imageDessinee(fichier)));
    return icone;
}

} // namespace Ui
