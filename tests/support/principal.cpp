#include "support/principal.h"

#include "support/fauxplateforme.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {
std::vector<Principal::Fabrique> &fabriques()
{
    static std::vector<Principal::Fabrique> liste;
    return liste;
}
} // namespace

int Principal::enregistre(Fabrique fabrique)
{
    fabriques().push_back(std::move(fabrique));
    return static_cast<int>(fabriques().size());
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
    for (const auto &fabrique : fabriques())
        echecs += QTest::qExec(fabrique().get(), argc, argv);
    return echecs == 0 ? 0 : 1;
}
