#pragma once

// The help's topics, one page each; the values are the pages' numbers
// (aide/sujetN.html), the contents page being aide/index.html.
enum class SujetAide { Sommaire = 0, FenetrePrincipale = 1, Compteur = 2, Configuration = 3, BoiteOutils = 4 };
