#include "support/principal.h"

#include "support/fauxplateforme.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {
struct Entree
{
    const char *nom;
    Principal::Fabrique fabrique;
};
std::vector<Entree> &entrees()
{
    static std::vector<Entree> liste;
    return liste;
}
} // namespace

int Principal::enregistre(const char *nom, Fabrique fabrique)
{
    entrees().push_back({nom, std::move(fabrique)});
    return static_cast<int>(entrees().size());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelund-tests"));
    // Run outside ctest, the tests find the build tree's data beside themselves.
    const QDir donnees(QCoreApplication::applicationDirPath() + QStringLiteral("/../../share/zelund"));
    if (qEnvironmentVariableIsEmpty("ZELUND_DONNEES") && donnees.exists())
        qputenv("ZELUND_DONNEES", donnees.absolutePath().toLocal8Bit());
    int echecs = 0;
    for (const auto &e : entrees()) {
        auto objet = e.fabrique();
        echecs += QTest::qExec(objet.get(), argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}
