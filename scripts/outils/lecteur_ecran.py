#!/usr/bin/python3
"""Drives Zelund + by the keyboard and accessible actions alone, and prints
what a screen reader reads: each window's controls, the focus after each key,
the date, the Moon and the days of the mini-calendar.

Run by scripts/lecteur-ecran inside Xvfb, a session bus and the
accessibility bus."""
import subprocess
import sys
import time

import pyatspi

ATTENTE = 0.6


def application():
    for _ in range(40):
        bureau = pyatspi.Registry.getDesktop(0)
        for i in range(bureau.childCount):
            a = bureau.getChildAtIndex(i)
            if a is not None and 'zelund' in (a.name or '').lower():
                return a
        time.sleep(0.5)
    sys.exit("ERREUR : Zelund + n'apparaît pas sur le bus d'accessibilité.")


def montre(o):
    return o.getState().contains(pyatspi.STATE_SHOWING)


def enfants(o):
    for i in range(o.childCount):
        e = o.getChildAtIndex(i)
        if e is not None:
            yield e


def actions(o):
    try:
        a = o.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i) for i in range(a.nActions)]


def une_ligne(texte):
    """A text of several lines (a tooltip) read on one line."""
    return ' / '.join(l.strip() for l in texte.splitlines() if l.strip())


def annonce(o):
    """One line, as a screen reader speaks an object: name, role, state."""
    etats = o.getState()
    morceaux = [une_ligne(o.name or '') or '(sans nom)', o.getRoleName()]
    # A list names itself by its value; its label says what it is.
    for r in o.getRelationSet():
        if r.getRelationType() == pyatspi.RELATION_LABELLED_BY and r.getNTargets():
            morceaux.insert(0, r.getTarget(0).name)
    if o.description and o.description != o.name:
        morceaux.append('« %s »' % une_ligne(o.description))
    if not etats.contains(pyatspi.STATE_ENABLED) and o.getRole() != pyatspi.ROLE_SEPARATOR:
        morceaux.append('grisé')
    try:
        texte = o.queryText().getText(0, -1)
        if texte and texte != o.name:
            morceaux.append('texte « %s »' % une_ligne(texte))
    except NotImplementedError:
        pass
    noms = [a for a in actions(o) if a not in ('SetFocus', 'setFocus')]
    if noms:
        morceaux.append('actions : ' + ', '.join(noms))
    return ' ; '.join(morceaux)


def lis(o, profondeur=0, max_cellules=None):
    """The tree under o, what is shown only; frame strips counted, not read."""
    bandes = 0
    cellules = 0
    for e in enfants(o):
        if not montre(e):
            continue
        if e.getRole() == pyatspi.ROLE_SEPARATOR:
            bandes += 1
            continue
        if e.getRole() == pyatspi.ROLE_TABLE_CELL:
            cellules += 1
            if max_cellules is not None and cellules > max_cellules and 'aujourd' not in (e.name or ''):
                continue
        print('  ' * (profondeur + 1) + annonce(e))
        bandes += lis(e, profondeur + 1, max_cellules)
    if profondeur == 0 and bandes:
        print('  (%d bandes de cadre, lues comme séparateurs et passées)' % bandes)
    return bandes


def fenetres(app):
    return [f for f in enfants(app) if montre(f)]


def fenetre(app, titre):
    for _ in range(20):
        for f in fenetres(app):
            if titre in (f.name or ''):
                return f
        time.sleep(0.3)
    return None


def cherche(o, predicat):
    if predicat(o):
        return o
    for e in enfants(o):
        if montre(e) or e.getRole() == pyatspi.ROLE_TABLE_CELL:
            r = cherche(e, predicat)
            if r is not None:
                return r
    return None


def focus(app):
    for f in fenetres(app):
        o = cherche(f, lambda x: x.getState().contains(pyatspi.STATE_FOCUSED))
        if o is not None:
            return o
    return None


def touche(nom):
    subprocess.run(['xdotool', 'key', '--clearmodifiers', nom], check=True)
    time.sleep(ATTENTE)


def appuie(o, action='Press'):
    a = o.queryAction()
    for i in range(a.nActions):
        if a.getName(i) == action:
            a.doAction(i)
            time.sleep(ATTENTE)
            return
    sys.exit('ERREUR : %s n’a pas d’action %s' % (o.name, action))


def par_nom(racine, nom):
    return cherche(racine, lambda x: x.name == nom)


def main():
    app = application()
    time.sleep(1.5)
    print('== Au démarrage, fenêtres :', ', '.join(f.name for f in fenetres(app)))
    if fenetre(app, 'Conseil du jour'):
        print('-- Échap sur le conseil du jour')
        touche('Escape')
    principale = fenetre(app, 'Zelund')
    print('\n== Fenêtre principale : « %s »' % principale.name)
    lis(principale)

    print('\n== Tab, de contrôle en contrôle')
    for _ in range(4):
        touche('Tab')
        f = focus(app)
        print('focus :', annonce(f) if f else '(aucun)')

    print('\n== La date depuis la grille des jours')
    for nom, cle in [('Flèche droite', 'Right'), ('Flèche bas', 'Down'), ('Page suivante', 'Next'),
                     ('Ctrl+Page précédente', 'ctrl+Prior'), ('Flèche haut', 'Up'), ('Début', 'Home')]:
        touche(cle)
        f = focus(app)
        boutons = [e for e in enfants(cherche(principale, lambda x: x.getRole() == pyatspi.ROLE_PANEL
                                              and x.childCount > 30) or principale)]
        legende = boutons[0].name if boutons else ''
        # The Moon's caption: the strip that reads as text, beside the title.
        lune = [e.name for e in enfants(principale)
                if e.getRole() == pyatspi.ROLE_LABEL and montre(e) and e.name and e.name != 'Zelund']
        print('%-22s focus : %s' % (nom, f.name if f else '(aucun)'))
        print('%-22s date  : %s ; lune : %s' % ('', legende, ', '.join(lune)))

    print('\n== Touche Menu sur la bande du mois et de l’année, puis Espace')
    for _ in range(40):
        f = focus(app)
        if f is not None and f.name == 'Choisir le mois et l\'année':
            break
        touche('Tab')
    touche('Menu')
    f = focus(app)
    print('après Menu   :', annonce(f) if f else '(aucun)')
    touche('Menu')
    touche('space')
    f = focus(app)
    print('après Espace :', annonce(f) if f else '(aucun)')

    print('\n== Action « Press » sur « Zelund + » : la boîte à outils')
    appuie(par_nom(principale, 'Zelund +'))
    boite = fenetre(app, 'Boîte à outils')
    print('Fenêtre : « %s »' % boite.name)
    lis(boite)

    print('\n== Action « Press » sur « Mini-calendrier »')
    appuie(par_nom(boite, 'Mini-calendrier'))
    mini = fenetre(app, 'Mini-calendrier')
    print('Fenêtre : « %s »' % mini.name)
    lis(mini, max_cellules=3)
    subprocess.run(['xdotool', 'search', '--name', 'Mini-calendrier', 'windowactivate', '--sync'],
                   check=False, capture_output=True)
    time.sleep(ATTENTE)
    touche('Next')
    table = cherche(mini, lambda x: x.getRole() == pyatspi.ROLE_TABLE)
    print('Page suivante : %s, %d jours, le premier « %s »'
          % (table.name, table.childCount, table.getChildAtIndex(0).name))
    touche('Escape')
    print('Échap : fenêtres ouvertes :', ', '.join(f.name for f in fenetres(app)))

    print('\n== Action « Press » sur « Horloge analogique »')
    appuie(par_nom(boite, 'Horloge analogique'))
    horloge = fenetre(app, 'Horloge analogique')
    lis(horloge)
    subprocess.run(['xdotool', 'search', '--name', 'Horloge analogique', 'windowactivate', '--sync'],
                   check=False, capture_output=True)
    time.sleep(ATTENTE)
    touche('Escape')
    print('Échap : fenêtres ouvertes :', ', '.join(f.name for f in fenetres(app)))

    print('\n== Échap sur la boîte à outils')
    subprocess.run(['xdotool', 'search', '--name', 'Boîte à outils', 'windowactivate', '--sync'],
                   check=False, capture_output=True)
    time.sleep(ATTENTE)
    touche('Escape')
    print('fenêtres ouvertes :', ', '.join(f.name for f in fenetres(app)))

    print('\n== Action « Press » sur « Fermer » : fin du programme')
    appuie(par_nom(principale, 'Fermer'))


if __name__ == '__main__':
    main()
