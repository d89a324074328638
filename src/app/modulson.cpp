#include "app/modulson.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {
using Joue = void (*)(const char *);
using Libere = void (*)();

struct Module
{
    bool essaye = false;
    Joue joue = nullptr;
    Libere libere = nullptr;
};

Module &module()
{
    static Module m;
    return m;
}
} // namespace

void ModuleSon::joue(const QString &source)
{
    Module &m = module();
    if (!m.essaye) {
        m.essaye = true;
        // Beside the program's folder, as installed: prefix/bin/../lib/zelund.
        QLibrary bibliotheque(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZELUND_MODULE_SON)));
        // Stays loaded to the end: Qt Multimedia does not unload cleanly.
        bibliotheque.setLoadHints(QLibrary::PreventUnloadHint);
        m.joue = reinterpret_cast<Joue>(bibliotheque.resolve("zelund_joue_son"));
        m.libere = reinterpret_cast<Libere>(bibliotheque.resolve("zelund_libere_son"));
    }
    if (m.joue)
        m.joue(source.toUtf8().constData());
}

void ModuleSon::libere()
{
    if (module().libere)
        module().libere();
}
