#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// Lets several QtTest classes share one executable: each .cpp registers its
// class with ZELUND_TEST(Classe), and the shared main runs them all.
namespace Principal {
using Fabrique = std::function<std::unique_ptr<QObject>()>;
int enregistre(Fabrique fabrique);
}

#define ZELUND_TEST(Classe)                                                                    \
    static const int enregistrement_##Classe =                                                 \
        Principal::enregistre([] { return std::unique_ptr<QObject>(new Classe); });
