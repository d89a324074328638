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

ATTENTE = 1.0


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


def par_debut(racine, debut):
    return cherche(racine, lambda x: (x.name or '').startswith(debut))


def active(titre):
    subprocess.run(['xdotool', 'search', '--name', titre, 'windowactivate', '--sync'],
                   check=False, capture_output=True)
    time.sleep(ATTENTE)


def focalise(o):
    """The focus on o, as a screen reader's "focus this" does; the keys then go to it."""
    o.queryComponent().grabFocus()
    time.sleep(ATTENTE)


def valeur(o):
    try:
        return o.queryValue().currentValue
    except NotImplementedError:
        return None


def lis_focus(app, etiquette):
    f = focus(app)
    print('%-24s %s' % (etiquette, annonce(f) if f else '(aucun focus)'))


def lis_table(t):
    """A day grid as a screen reader walks a table: size, weekdays, selected day."""
    try:
        table = t.queryTable()
    except NotImplementedError:
        print('  (pas une table)')
        return
    entetes = [table.getColumnDescription(c) for c in range(table.nColumns)]
    print('  table « %s » : %d lignes, %d colonnes ; colonnes : %s'
          % (t.name, table.nRows, table.nColumns, ', '.join(e or '-' for e in entetes)))
    premiere = table.getAccessibleAt(0, table.nColumns - 1)
    if premiere is not None:
        print('  case (1, %d) : %s' % (table.nColumns, annonce(premiere)))
    for e in enfants(t):
        if e.getState().contains(pyatspi.STATE_SELECTED):
            print('  case choisie :', annonce(e))


def touches(app, o, noms, lire=None):
    """Keys typed on o, each followed by what the screen reader reads then."""
    focalise(o)
    for nom in noms:
        touche(nom)
        cible = lire() if lire else o
        print('  %-12s -> %s ; valeur %s' % (nom, annonce(cible), valeur(cible)))


def main():
    app = application()
    time.sleep(1.5)
    print('== Au démarrage, fenêtres :', ', '.join('%s (%s)' % (f.name, f.getRoleName()) for f in fenetres(app)))
    conseils = fenetre(app, 'Conseil')
    if conseils is not None:
        print('\n== Conseil du jour : « %s », %s' % (conseils.name, conseils.getRoleName()))
        lis(conseils)
        suivant = par_nom(conseils, 'Conseil suivant')
        focalise(suivant)
        touche('space')
        touche('shift+Tab')
        lis_focus(app, 'Espace, Maj+Tab')
        print('-- Échap sur le conseil du jour')
        touche('Escape')
    principale = fenetre(app, 'Zelund')
    active('^Zelund$')
    print('\n== Fenêtre principale : « %s », %s' % (principale.name, principale.getRoleName()))
    lis(principale, max_cellules=3)

    print('\n== Tab, de contrôle en contrôle (la grille des jours est un seul arrêt)')
    for _ in range(5):
        touche('Tab')
        lis_focus(app, 'Tab')

    print('\n== La grille des jours, lue comme une table')
    grille = cherche(principale, lambda x: x.getRole() == pyatspi.ROLE_TABLE)
    lis_table(grille)
    focalise(grille.getChildAtIndex(17))
    for nom, cle in [('Flèche droite', 'Right'), ('Flèche bas', 'Down'), ('Page suivante', 'Next'),
                     ('Ctrl+Page précédente', 'ctrl+Prior'), ('Flèche haut', 'Up'), ('Début', 'Home')]:
        touche(cle)
        lis_focus(app, nom)
        # The date button's name follows its caption.
        print('%-24s bouton de la date : %s' % ('', grille.parent.getChildAtIndex(0).name))
    lis_table(grille)

    print('\n== Ctrl+E sur un jour : l’éphéméride, puis Échap')
    focalise(grille.getChildAtIndex(17))
    touche('ctrl+e')
    ephemeride = fenetre(app, 'Éphéméride')
    if ephemeride is None:
        print('  (pas de fenêtre « Éphéméride »)')
    else:
        print('Fenêtre : « %s », %s' % (ephemeride.name, ephemeride.getRoleName()))
        lis(ephemeride)
        lis_focus(app, 'Ctrl+E')
        texte = focus(app)
        if texte is not None:
            try:
                print('\n'.join('  | ' + l for l in texte.queryText().getText(0, -1).splitlines()[:8]))
            except NotImplementedError:
                pass
        touche('shift+Tab')
        lis_focus(app, 'Maj+Tab')
        touche('Escape')
        lis_focus(app, 'Échap')
        print('fenêtres ouvertes :', ', '.join(f.name for f in fenetres(app)))

    print('\n== Touche Menu sur la bande du mois et de l’année, puis Espace')
    bande = par_nom(principale, "Choisir le mois et l'année")
    focalise(bande)
    touche('Menu')
    lis_focus(app, 'après Menu')
    touche('Menu')
    touche('space')
    lis_focus(app, 'après Espace')
    touches(app, focus(app), ['Down', 'Up'], lambda: focus(app))

    print('\n== La colonne de la Lune : Espace sur « Phases de la Lune »')
    lune = par_nom(principale, 'Phases de la Lune')
    focalise(lune)
    touche('space')
    lis_focus(app, 'Phases de la Lune')
    for e in enfants(principale):
        if montre(e) and e.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_PANEL, pyatspi.ROLE_IMAGE) \
                and e.name and e.name != principale.name:
            print('  ', annonce(e))
    image = cherche(principale, lambda x: x.getRole() == pyatspi.ROLE_IMAGE and montre(x))
    if image is not None:
        print('  ', annonce(image))

    print('\n== Le compteur : Espace sur « Compteur », deux dates, le résultat')
    compteur = par_nom(principale, 'Compteur')
    focalise(compteur)
    touche('space')
    lis_focus(app, 'Compteur')
    focalise(grille.getChildAtIndex(24))
    touche('Right')
    focalise(par_debut(principale, 'Deuxième date') or par_debut(principale, 'Deuxi'))
    touche('space')
    lis_focus(app, 'Deuxième date')
    touche('Tab')
    lis_focus(app, 'Tab : le résultat')

    print('\n== Configuration (action « Press », qui répond aussitôt)')
    appuie(par_nom(principale, 'Configuration'))
    config = fenetre(app, 'Configuration')
    print('Fenêtre : « %s », %s' % (config.name, config.getRoleName()))
    lis(config)
    appuie(par_nom(config, 'Couleur du ciel'))
    for barre in ('Rouge', 'Vert', 'Bleu'):
        print(' barre', barre)
        touches(app, par_nom(config, barre), ['Right', 'Next', 'End'])
    appuie(par_nom(config, 'OK, valider la couleur'))
    for barre in ('Année de début', 'Année de fin'):
        print(' barre', barre)
        touches(app, par_nom(config, barre), ['Left', 'Prior', 'Home'])
    print(' options de démarrage')
    touches(app, par_nom(config, 'Normal'), ['Down', 'Down', 'Up'], lambda: focus(app))
    appuie(par_nom(config, 'Annuler'))
    print('fenêtres ouvertes :', ', '.join(f.name for f in fenetres(app)))

    print('\n== Action « Press » sur « Zelund + : boîte à outils »')
    appuie(par_debut(principale, 'Zelund +'))
    boite = fenetre(app, 'Boîte à outils')
    print('Fenêtre : « %s », %s' % (boite.name, boite.getRoleName()))
    lis(boite)

    outils = [('Calendrier', 'Calendrier'), ('Mini-calendrier', 'Mini-calendrier'),
              ('Horloge analogique', 'Horloge'), ('Jour de la semaine', 'Jour de la semaine'),
              ('Jours fériés', 'Jours fériés'), ('2010', '2010'), ('3ème millénaire', 'millénaire')]
    for bouton, titre in outils:
        print('\n== Action « Press » sur « %s »' % bouton)
        appuie(par_debut(boite, bouton))
        f = fenetre(app, titre)
        if f is None:
            print('  (pas de fenêtre « %s »)' % titre)
            continue
        print('Fenêtre : « %s », %s' % (f.name, f.getRoleName()))
        lis(f, max_cellules=3)
        t = cherche(f, lambda x: x.getRole() == pyatspi.ROLE_TABLE)
        if t is not None:
            lis_table(t)
        active(f.name)
        touche('Tab')
        lis_focus(app, 'Tab')
        touche('Up')
        lis_focus(app, 'Flèche haut')
        touche('Tab')
        lis_focus(app, 'Tab')
        print('  coché dans la boîte :', par_debut(boite, bouton).getState().contains(pyatspi.STATE_CHECKED))
        touche('Escape')
        print('Échap : fenêtres ouvertes :', ', '.join(f.name for f in fenetres(app)))

    print('\n== La fortune ?')
    appuie(par_debut(boite, 'La fortune'))
    loterie = fenetre(app, 'La fortune')
    lis(loterie)
    lance = par_nom(loterie, 'Première boule')
    focalise(lance)
    for _ in range(3):
        touche('space')
        print('  Espace ->', annonce(lance))
    print('\n== Nombre de boules et de partants')
    appuie(par_nom(loterie, 'Nombre de boules et de partants'))
    donne = [f for f in fenetres(app) if f.getRole() == pyatspi.ROLE_DIALOG]
    if donne:
        print('Fenêtre : « %s », %s' % (donne[0].name, donne[0].getRoleName()))
        lis(donne[0])
        barre = lambda nom: cherche(donne[0], lambda x: x.name == nom and x.getRole() == pyatspi.ROLE_SCROLL_BAR)
        touches(app, barre('Nb boules'), ['Down', 'Down'])
        touches(app, barre('Partants'), ['Down', 'Next'])
        appuie(par_debut(donne[0], "C'est parti"))
        loterie = fenetre(app, 'La fortune')
        lis(loterie)
    active('La fortune')
    touche('Escape')

    print('\n== À propos (menu, puis « A propos »)')
    appuie(par_debut(principale, 'Menu'))
    appuie(par_debut(principale, 'A propos'))
    apropos = fenetre(app, 'propos')
    if apropos is not None:
        print('Fenêtre : « %s », %s' % (apropos.name, apropos.getRoleName()))
        lis(apropos)
        active(apropos.name)
        touche('Escape')

    print('\n== L’aide (action « Press » sur l’aide de la fenêtre)')
    appuie(par_debut(principale, "Appel de l'aide"))
    aide = fenetre(app, 'Aide')
    if aide is not None:
        page = cherche(aide, lambda x: x.getRole() == pyatspi.ROLE_DOCUMENT_FRAME)
        print('Page :', page.name if page else '(aucune)', '; ', page.getRoleName() if page else '')
        if page is not None:
            texte = page.queryText().getText(0, -1)
            print('\n'.join('  | ' + l for l in texte.splitlines()[:12]))
        active(aide.name)
        touche('Escape')

    print('\n== Action « Press » sur « Fermer » : fin du programme')
    appuie(par_nom(principale, 'Fermer'))


if __name__ == '__main__':
    main()
