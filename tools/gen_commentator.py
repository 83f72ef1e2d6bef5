"""The commentator's phrases, written to data/commentator.xml by tools/gen_data.py.

Each row: condition word, special word (None for none), val1, val2, hype, phrase.
The commentator first looks for a phrase matching all five numbers, then the same with hype 0, then one with
the condition and special only and val1 = val2 = hype = 0: every (condition, special) the battle asks for
therefore has a row with 0, 0, 0, the fallback.
Hype: 0 normal, 1 the crowd is on fire, 2 the crowd is asleep (the usual state after a few turns, so a
row at hype 2 wins over the plain rows every time: repeat the plain phrases there).
"""

from xml.sax.saxutils import escape

P = []


def add(cond, special, v1, v2, hype, *texts):
    for t in texts:
        P.append((cond, special, v1, v2, hype, t))


# ---- WAIT: opening of a turn. val1 = leader's HP class, val2 = the other's (0 middle, 1 low, 2 high).
add("WAIT", None, 0, 0, 0, "Les deux camps se jaugent...", "Quel sera le prochain coup de [TRAINER] ?",
    "[ZLKN] et [ZLKN2] se tournent autour.")
add("WAIT", None, 0, 0, 1, "Le public retient son souffle !", "Quelle ambiance dans les tribunes !")
# A calm crowd is the usual state once the first turns are over: keep the plain phrases in the mix.
add("WAIT", None, 0, 0, 2, "Le public commence à bailler...", "Un peu de spectacle, s'il vous plaît !",
    "Les deux camps se jaugent...", "Quel sera le prochain coup de [TRAINER] ?",
    "[ZLKN] et [ZLKN2] se tournent autour.")
add("WAIT", None, 2, 2, 0, "Aucune égratignure de part et d'autre, tout reste à faire.",
    "[ZLKN] et [ZLKN2] sont encore frais comme des gardons.")
add("WAIT", None, 2, 1, 0, "[ZLKN] domine largement, [ZLKN2] est au bord du gouffre !",
    "[TRAINER2] doit réagir, et vite !")
add("WAIT", None, 2, 1, 1, "[ZLKN2] vacille, la foule sent la fin approcher !")
add("WAIT", None, 2, 0, 0, "[ZLKN] garde l'avantage sur [ZLKN2].")
add("WAIT", None, 0, 1, 0, "[ZLKN2] est dans le rouge, la pression monte pour [TRAINER2].")
add("WAIT", None, 1, 1, 0, "Les deux créatures sont à bout de forces !", "Le prochain coup sera décisif !")
add("WAIT", None, 1, 1, 1, "Incroyable, tout se joue maintenant !")
add("WAIT", None, 0, 2, 0, "[ZLKN2] est encore en pleine forme, rien n'est joué.")
add("WAIT", "FIRST_TURN", 0, 0, 0, "Et c'est parti pour le premier tour !", "Le combat commence, que le meilleur gagne !")
add("WAIT", "FIRST_TURN", 2, 2, 0, "[ZLKN] et [ZLKN2] entrent dans la danse !")
add("WAIT", "FIRST_TURN", 2, 2, 1, "Premier tour devant des tribunes en feu !")
add("WAIT", "FIRST_TURN", 2, 2, 2, "Premier tour... dans un calme olympien.", "[ZLKN] et [ZLKN2] entrent dans la danse !")
# after a knock-out: val1 = lead class (0 even, 1 ahead, 2 well ahead), val2 = 2 last creature, 1 first K.O.
add("WAIT", "POST_KO", 0, 0, 0, "Il reste [X] créatures de chaque côté.", "Le compte est de [X] partout.")
add("WAIT", "POST_KO", 1, 0, 0, "[TRAINER] mène [X] à [X2].", "Avantage [TRAINER], [X] créatures contre [X2].")
add("WAIT", "POST_KO", 2, 0, 0, "[TRAINER] creuse l'écart : [X3] créatures d'avance !")
add("WAIT", "POST_KO", 1, 1, 0, "Premier avantage pour [TRAINER] !")
add("WAIT", "POST_KO", 1, 2, 0, "[TRAINER2] n'a plus qu'une seule créature !", "Dernier espoir pour [TRAINER2] !")
add("WAIT", "POST_KO", 2, 2, 0, "[TRAINER2] est dos au mur avec une seule créature face à [X] !")
add("WAIT", "POST_KO", 0, 2, 0, "Une créature de chaque côté : c'est la finale avant la finale !")
add("WAIT", "POST_KO", 2, 2, 1, "La foule scande le nom de [TRAINER] !")

# ---- SUPER_WAIT: nobody has decided for a long time.
add("SUPER_WAIT", None, 0, 0, 0, "On attend une décision...", "Le chronomètre tourne !",
    "Il faudrait peut-être se décider !", "Le public s'impatiente.")

# ---- MOVE: a move is used. val1: 0 normal, 1 very strong, 2 no damage; val2: 1 second move of the turn,
# 2 answers a move that hit.
add("MOVE", None, 0, 0, 0, "[ZLKN] passe à l'attaque avec [MOVE] !", "[MOVE], bien vu !", "[ZLKN] lance [MOVE].")
add("MOVE", None, 1, 0, 0, "[MOVE] ! [ZLKN] sort l'artillerie lourde !", "Attention, [MOVE] arrive !")
add("MOVE", None, 1, 0, 1, "[MOVE] ! Les tribunes explosent !")
add("MOVE", None, 2, 0, 0, "[ZLKN] prépare quelque chose avec [MOVE]...", "Un choix tactique : [MOVE].")
add("MOVE", None, 0, 1, 0, "[ZLKN] réplique aussitôt avec [MOVE] !")
add("MOVE", None, 0, 2, 0, "[ZLKN] encaisse et répond par [MOVE] !", "La riposte de [ZLKN] ne se fait pas attendre !")
add("MOVE", None, 1, 2, 0, "Touché, [ZLKN] répond avec [MOVE], et ça va faire mal !")
add("MOVE", None, 2, 2, 0, "[ZLKN] ignore le coup et utilise [MOVE].")
add("MOVE", "FIRST_TURN", 0, 0, 0, "Premier coup du match pour [ZLKN] : [MOVE] !")
add("MOVE", "FIRST_TURN", 1, 0, 0, "D'entrée, [ZLKN] frappe fort avec [MOVE] !")
add("MOVE", "FIRST_TURN", 2, 0, 0, "[ZLKN] ouvre le match en douceur avec [MOVE].")

# ---- DAMAGE: a hit. special: effectiveness; val1: 1 scratch, 2 big, 3 huge; val2: critical hit.
add("DAMAGE", None, 0, 0, 0, "[ZLKN1] touche [ZLKN2].", "Joli coup de [ZLKN1] !", "[ZLKN2] encaisse.")
add("DAMAGE", None, 1, 0, 0, "À peine une égratignure pour [ZLKN2].", "[ZLKN2] n'a presque rien senti.")
add("DAMAGE", None, 2, 0, 0, "Ouch ! [ZLKN2] a pris très cher !", "Gros dégâts sur [ZLKN2] !")
add("DAMAGE", None, 2, 0, 1, "Quel impact ! Le public est debout !")
add("DAMAGE", None, 3, 0, 0, "Dévastateur ! [ZLKN2] a presque tout perdu en un coup !")
add("DAMAGE", None, 0, 1, 0, "Coup critique de [ZLKN1] !", "En plein dans le mille !")
add("DAMAGE", None, 2, 1, 0, "Un critique monstrueux de [ZLKN1] !")
add("DAMAGE", None, 3, 1, 0, "Coup critique dévastateur ! [ZLKN2] ne s'en remettra pas !")
add("DAMAGE", "SUPER_EFFECTIVE", 0, 0, 0, "Super efficace !", "[ZLKN1] a trouvé la faille de [ZLKN2] !")
add("DAMAGE", "SUPER_EFFECTIVE", 2, 0, 0, "Super efficace et dévastateur pour [ZLKN2] !")
add("DAMAGE", "SUPER_EFFECTIVE", 3, 0, 0, "[ZLKN2] est balayé par ce coup super efficace !")
add("DAMAGE", "SUPER_EFFECTIVE", 2, 0, 1, "Super efficace ! Le public est en délire !")
add("DAMAGE", "NOT_EFFECTIVE", 0, 0, 0, "Pas très efficace...", "[ZLKN2] résiste bien à ce genre d'attaque.")
add("DAMAGE", "NOT_EFFECTIVE", 1, 0, 0, "[ZLKN2] s'en moque complètement.")
add("DAMAGE", "IMMUNITY", 0, 0, 0, "Aucun effet ! Mauvais choix d'attaque.", "Ça ne lui fait rien du tout !")
add("DAMAGE", "MISS", 0, 0, 0, "Raté !", "L'attaque passe à côté !", "Dans le vide !")
add("DAMAGE", "MISS", 0, 0, 1, "Raté ! Le public hurle de frustration !")
add("DAMAGE", "SELF_DAMAGE", 0, 0, 0, "[ZLKN1] frappe son propre camp !", "Aïe, ça se retourne contre [ZLKN1] !")
add("DAMAGE", "STATUT", 0, 0, 0, "[ZLKN2] souffre de son état.")

# ---- KO: val1: 0 by a hit, 1 by its own doing, 2 other, 3 in one blow; val2: star (or, first K.O., timing).
add("KO", None, 0, 0, 0, "[ZLKN] est K.O. !", "[ZLKN] s'effondre !", "C'est fini pour [ZLKN] !")
add("KO", None, 1, 0, 0, "[ZLKN] s'est épuisé tout seul !", "[ZLKN] est victime de lui-même !")
add("KO", None, 2, 0, 0, "[ZLKN] ne se relèvera pas.")
add("KO", None, 3, 0, 0, "En un seul coup ! [ZLKN2] a terrassé [ZLKN] !", "Mis K.O. d'un seul coup !")
add("KO", None, 0, 1, 0, "Quelle perte pour [TRAINER] : [ZLKN] était sa star !")
add("KO", None, 3, 1, 0, "La star de [TRAINER] tombe en un seul coup !")
add("KO", "FIRST_BLOOD", 0, 0, 0, "Premier K.O. du match ! [TRAINER2] prend l'avantage !")
add("KO", "FIRST_BLOOD", 0, 1, 0, "Premier K.O. dès le premier tour ! Incroyable !")
add("KO", "FIRST_BLOOD", 0, 2, 0, "Enfin un K.O. ! Il aura fallu [X] tours !")
add("KO", "FIRST_BLOOD", 3, 0, 0, "Premier sang, et d'un seul coup !")
add("KO", "FIRST_BLOOD", 1, 0, 0, "Premier K.O. du match... et [ZLKN] se l'inflige à lui-même !")
add("KO", "KILLING_SPREE", 0, 0, 0, "[ZLKN2] en est à [X] K.O. ! Qui va l'arrêter ?",
    "[X] victimes pour [ZLKN2] !")
add("KO", "KILLING_SPREE", 3, 0, 0, "[ZLKN2] est inarrêtable : [X] K.O. !")

# ---- ZLKN_CHANGE: a creature is withdrawn. val1: low HP; val2: star.
add("ZLKN_CHANGE", None, 0, 0, 0, "[TRAINER] rappelle [ZLKN].", "Changement tactique de [TRAINER].")
add("ZLKN_CHANGE", None, 1, 0, 0, "[TRAINER] met [ZLKN] à l'abri, il était temps !")
add("ZLKN_CHANGE", None, 0, 1, 0, "[TRAINER] rappelle sa star [ZLKN], surprenant !")
add("ZLKN_CHANGE", None, 1, 1, 0, "La star [ZLKN] rentre se reposer.")
add("ZLKN_CHANGE", "FIRST_TURN", 0, 0, 0, "Déjà un changement pour [TRAINER] !")

# ---- ZLKN_DISCOVER: a creature is sent out. val1: 1 already seen, 2 with a status, 3 low HP; val2: star.
add("ZLKN_DISCOVER", None, 0, 0, 0, "[TRAINER] envoie [ZLKN] !", "Voici [ZLKN] !", "[ZLKN] entre dans l'arène.")
add("ZLKN_DISCOVER", None, 1, 0, 0, "Revoilà [ZLKN] !", "[ZLKN] est de retour.")
add("ZLKN_DISCOVER", None, 2, 0, 0, "[ZLKN] revient, mais il n'est pas au mieux.")
add("ZLKN_DISCOVER", None, 3, 0, 0, "[ZLKN] revient à bout de souffle, quel risque !")
add("ZLKN_DISCOVER", None, 0, 1, 0, "Place à la star : [ZLKN] !")
add("ZLKN_DISCOVER", "FIRST_TURN", 0, 0, 0, "[TRAINER] ouvre avec [ZLKN] !", "En ouverture pour [TRAINER] : [ZLKN].")
add("ZLKN_DISCOVER", "LEGENDE", 0, 0, 0, "Incroyable ! [TRAINER] fait appel à [ZLKN], une créature de légende !",
    "Le public n'en croit pas ses yeux : [ZLKN] !")

# ---- KO_WAIT: waiting for a replacement. val1: a star is still standing.
add("KO_WAIT", None, 0, 0, 0, "Qui va remplacer la créature tombée ?", "Le dresseur doit choisir la suite.")
add("KO_WAIT", None, 1, 0, 0, "[ZLKN] attend son prochain adversaire de pied ferme.")
add("KO_WAIT", "FIRST_TURN", 0, 0, 0, "Déjà un remplacement à faire !")
add("KO_WAIT", "FIRST_TURN", 1, 0, 0, "[ZLKN] a déjà fait une victime !")

# ---- CANT_MOVE: the creature cannot act (asked with val1 5).
add("CANT_MOVE", None, 5, 0, 0, "[ZLKN] est bloqué !", "[ZLKN] ne peut rien faire ce tour-ci.")
add("CANT_MOVE", None, 0, 0, 0, "[ZLKN] reste immobile.")

# ---- Presentation of the battle.
add("BEGIN_BEGIN", None, 0, 0, 0, "Bienvenue à tous pour ce nouveau combat !")
add("BEGIN_TRAINER_1", None, 0, 0, 0, "À ma gauche, [TRAINER] !")
add("BEGIN_TRAINER_2", None, 0, 0, 0, "Et à ma droite, [TRAINER2] !")

# ---- BEGIN_MATCH: the match starts.
add("BEGIN_MATCH", None, 0, 0, 0, "Que le combat commence !", "Les dresseurs sont prêts, c'est parti !")
add("BEGIN_MATCH", "TOURNAMENT", 0, 0, 0, "Un nouveau match du tournoi commence !")
add("BEGIN_MATCH", "SEMI_FINAL", 0, 0, 0, "Demi-finale ! Une place en finale est en jeu !")
add("BEGIN_MATCH", "FINAL", 0, 0, 0, "C'est la grande finale ! Tout se joue maintenant !")
add("BEGIN_MATCH", "ULTIMATE", 0, 0, 0, "Au Sanctuaire, seuls les meilleurs osent combattre !")

# ---- END_MATCH: the result. val1: 1 a winning run continues ([X] wins), 2 a run of [X] is broken.
add("END_MATCH", None, 0, 0, 0, "Victoire de [WINNER] !", "[WINNER] l'emporte face à [LOOSER] !")
add("END_MATCH", None, 1, 0, 0, "[WINNER] enchaîne : [X] victoires d'affilée !")
add("END_MATCH", None, 2, 0, 0, "[LOOSER] voit s'arrêter sa série de [X] victoires !")
add("END_MATCH", "TOURNAMENT", 0, 0, 0, "[WINNER] passe au tour suivant !")
add("END_MATCH", "SEMI_FINAL", 0, 0, 0, "[WINNER] file en demi-finale !")
add("END_MATCH", "FINAL", 0, 0, 0, "[WINNER] se qualifie pour la grande finale !")
add("END_MATCH", "CHAMPION", 0, 0, 0, "[WINNER] est sacré champion ! Quelle consécration !")
add("END_MATCH", "DRAW", 0, 0, 0, "Match nul ! Personne ne l'emporte !", "Égalité parfaite !")

# ---- END_WINNER: how the winner's team ended (special: 1 exhausted, 0 correct, 2 almost intact).
add("END_WINNER", None, 0, 0, 0, "Une victoire méritée.", "Du beau travail.")
add("END_WINNER", "POST_KO", 0, 0, 0, "Une victoire arrachée de justesse !")
add("END_WINNER", "NOT_EFFECTIVE", 0, 0, 0, "Une démonstration : l'équipe gagnante est presque intacte !")

# ---- MVP_DISCOVER and MVP_DESCRIPTION: the best creature of the battle.
add("MVP_DISCOVER", None, 0, 0, 0, "La créature du match : [ZLKN] !", "Mention spéciale pour [ZLKN] !")
add("MVP_DISCOVER", None, 1, 0, 0, "Pas de créature du match cette fois-ci.")
add("MVP_DESCRIPTION", None, 0, 0, 0, "[ZLKN] a fait des ravages chez l'adversaire.")
add("MVP_DESCRIPTION", None, 0, 1, 0, "[ZLKN] a tout balayé sur son passage, une performance historique !")
add("MVP_DESCRIPTION", None, 1, 0, 0, "[ZLKN] a tenu bon face à toutes les attaques.")
add("MVP_DESCRIPTION", None, 1, 1, 0, "[ZLKN] a été un roc, un véritable mur !")
add("MVP_DESCRIPTION", None, 2, 0, 0, "[ZLKN] a usé l'adversaire petit à petit.")
add("MVP_DESCRIPTION", None, 2, 1, 0, "[ZLKN] a dicté le rythme de tout le combat !")

# ---- FORFEIT: a side gives up, or both agree to a draw.
add("FORFEIT", None, 0, 0, 0, "[TRAINER] jette l'éponge !", "Abandon de [TRAINER] !")
add("FORFEIT", "DRAW", 0, 0, 0, "Les deux dresseurs s'accordent sur un match nul.")


def generate(write):
    out = []
    for cond, special, v1, v2, hype, text in P:
        a = 'condition="%s"' % cond
        if special:
            a += ' special="%s"' % special
        if v1:
            a += ' val1="%d"' % v1
        if v2:
            a += ' val2="%d"' % v2
        if hype:
            a += ' hype="%d"' % hype
        out.append("<commentator %s>%s</commentator>" % (a, escape(text)))
    write("commentator.xml", "\n".join(out) + "\n")
