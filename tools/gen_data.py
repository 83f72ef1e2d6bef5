#!/usr/bin/env python3
"""Writes the game's own data set under data/ (types, subtypes, abilities, buffs, moves, creatures,
stadiums, rulesets, trainers, commentator phrases).

Run from the repository root:  python3 tools/gen_data.py
The generated XML files are committed; edit this script and run it again rather than editing them by hand,
so that the balance tables below stay the one place where numbers live. Texts are written as ISO-8859-1
bytes, as the game reads them.
"""

import os
import random
import sys
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")
HEADER = '<?xml version="1.0" encoding="ISO-8859-1"?>\n'
# Blood animations name particle descriptions of data/particles/ (the data check and the lint test read
# those names when no window is there). Set to False to ship the species without them.
SHIP_BLOOD = True


def write(rel, body):
    path = os.path.join(DATA, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write((HEADER + body).encode("iso-8859-1"))


def esc(text):
    return escape(text, {'"': "&quot;"})


# --------------------------------------------------------------------------------------------------
# Types. The order is stable on purpose: a type's id is its row on the small type-icon image.
# --------------------------------------------------------------------------------------------------
TYPES = [
    ("Brut", "eclats_bruts"),
    ("Braise", "flammeches"),
    ("Maree", "embruns"),
    ("Sylve", "feuilles_tourbillon"),
    ("Foudre", "etincelles"),
    ("Givre", "flocons"),
    ("Roche", "gravats"),
    ("Rafale", "bourrasque"),
    ("Ombre", "fumee_noire"),
    ("Aurore", "rayons_dores"),
    ("Venin", "bulles_toxiques"),
    ("Acier", "limaille"),
    ("Psyche", "ondes_mentales"),
    ("Fauve", "griffures"),
    ("Spectre", "feux_follets"),
    ("Cristal", "prismes"),
]
TYPE_NAMES = [t[0] for t in TYPES]

# attacker -> {defender: multiplier}; every pair not listed is 1.0.
CHART = {
    "Brut": {"Roche": 0.5, "Acier": 0.5, "Spectre": 0.0},
    "Braise": {"Sylve": 2.0, "Givre": 2.0, "Acier": 2.0, "Maree": 0.5, "Roche": 0.5, "Braise": 0.5, "Cristal": 0.5},
    "Maree": {"Braise": 2.0, "Roche": 2.0, "Maree": 0.5, "Sylve": 0.5, "Givre": 0.5},
    "Sylve": {"Maree": 2.0, "Roche": 2.0, "Braise": 0.5, "Sylve": 0.5, "Rafale": 0.5, "Venin": 0.5, "Acier": 0.5},
    "Foudre": {"Maree": 2.0, "Rafale": 2.0, "Sylve": 0.5, "Foudre": 0.5, "Roche": 0.0},
    "Givre": {"Sylve": 2.0, "Rafale": 2.0, "Fauve": 2.0, "Braise": 0.5, "Givre": 0.5, "Acier": 0.5, "Maree": 0.5},
    "Roche": {"Braise": 2.0, "Givre": 2.0, "Rafale": 2.0, "Foudre": 2.0, "Fauve": 0.5, "Acier": 0.5, "Sylve": 0.5},
    "Rafale": {"Sylve": 2.0, "Fauve": 2.0, "Roche": 0.5, "Acier": 0.5, "Foudre": 0.5},
    "Ombre": {"Psyche": 2.0, "Spectre": 2.0, "Aurore": 0.5, "Ombre": 0.5, "Fauve": 0.5},
    "Aurore": {"Ombre": 2.0, "Spectre": 2.0, "Venin": 2.0, "Aurore": 0.5, "Braise": 0.5, "Cristal": 0.5},
    "Venin": {"Sylve": 2.0, "Fauve": 2.0, "Venin": 0.5, "Roche": 0.5, "Spectre": 0.5, "Acier": 0.0},
    "Acier": {"Givre": 2.0, "Roche": 2.0, "Cristal": 2.0, "Braise": 0.5, "Maree": 0.5, "Foudre": 0.5, "Acier": 0.5},
    "Psyche": {"Fauve": 2.0, "Venin": 2.0, "Psyche": 0.5, "Acier": 0.5, "Ombre": 0.0},
    "Fauve": {"Brut": 2.0, "Givre": 2.0, "Roche": 2.0, "Ombre": 2.0, "Acier": 2.0,
              "Venin": 0.5, "Rafale": 0.5, "Psyche": 0.5, "Spectre": 0.0},
    "Spectre": {"Spectre": 2.0, "Psyche": 2.0, "Ombre": 0.5, "Aurore": 0.5, "Brut": 0.0},
    "Cristal": {"Spectre": 2.0, "Ombre": 2.0, "Givre": 2.0, "Acier": 0.5, "Roche": 0.5, "Cristal": 0.5},
}

SUBTYPES = ["Contact", "Projectile", "Sonore", "Aura"]


def gen_types():
    out = []
    for name, anim in TYPES:
        lines = ["<type>", "\t<name>%s</name>" % name]
        for defender in TYPE_NAMES:
            ratio = CHART[name].get(defender)
            if ratio is not None:
                lines.append('\t<effectiveness ratio="%.1f">%s</effectiveness>' % (ratio, defender))
        lines.append("\t<animation>%s</animation>" % anim)
        lines.append("</type>")
        out.append("\n".join(lines))
    write("types/types.xml", "\n".join(out) + "\n")
    subs = []
    anims = {"Contact": "impact", "Projectile": "trainee", "Sonore": "ondes_sonores", "Aura": "halo"}
    for s in SUBTYPES:
        subs.append("<subtype>\n\t<name>%s</name>\n\t<animation>%s</animation>\n</subtype>" % (s, anims[s]))
    write("subtypes/subtypes.xml", "\n".join(subs) + "\n")


# --------------------------------------------------------------------------------------------------
# Effect-command helpers. Every Damage, Heal and ModifyStat carries a reason, so that "var:reason"
# always tells a check event why it fires (the engine itself writes ATTACK for the hit of a move).
# --------------------------------------------------------------------------------------------------
def setv(var, value):
    """Sets a free variable even when it already holds the value (SetVariable refuses equal values)."""
    return ('<SetVariable name="var:%s" value="0"/><SetVariable name="var:%s" value="%s"/>' % (var, var, value))


def frac(var, who, div, rnd="up"):
    """var = max HP of who / div."""
    return setv(var, "var:%s:max_hp" % who) + '<DivideVariable name="var:%s" value="%s" round="%s"/>' % (var, div, rnd)


def attrs(**kw):
    parts = []
    for key in ("name", "value", "target", "chance", "duration", "comparator", "tag", "round", "reason"):
        if kw.get(key) is not None:
            parts.append('%s="%s"' % (key, esc(str(kw[key]))))
    return (" " + " ".join(parts)) if parts else ""


def cmd(element, msg=None, inner="", **kw):
    if msg:
        return "<%s%s>%s</%s>" % (element, attrs(**kw), esc(msg), element)
    if inner:
        return "<%s%s>%s</%s>" % (element, attrs(**kw), inner, element)
    return "<%s%s/>" % (element, attrs(**kw))


STAT_WORDS = {"att": "l'attaque", "def": "la défense", "spe_att": "l'attaque spéciale",
              "spe_def": "la défense spéciale", "vit": "la vitesse", "crit": "le sens critique",
              "eva": "l'esquive", "pre": "la précision"}


def stat(word, value, target=False, chance=None):
    who = "[TARGET]" if target else "[SOURCE]"
    if value > 0:
        verb = "monte" if value == 1 else "monte beaucoup"
    else:
        verb = "baisse" if value == -1 else "baisse beaucoup"
    msg = "%s de %s %s !" % (STAT_WORDS[word].capitalize(), who, verb)
    return cmd("ModifyStat", msg, name=word, value=value, target="target" if target else None,
               chance=chance, reason="STAT")


def status(name, chance=None, target=True, msg=None, value=None):
    msgs = {"Brulure": "[TARGET] est brûlé !", "Poison": "[TARGET] est empoisonné !",
            "Paralysie": "[TARGET] est paralysé !", "Sommeil": "[TARGET] s'endort !",
            "Gel": "[TARGET] est pris dans la glace !", "Vertige": "[TARGET] est pris de vertige !"}
    if msg is None:
        msg = msgs[name]
        if not target:
            msg = msg.replace("[TARGET]", "[SOURCE]")
    return cmd("AddStatut", msg, name=name, target="target" if target else None, chance=chance, value=value)


def heal_frac(div, msg="[SOURCE] récupère des forces."):
    return frac("val_1", "source", div) + cmd("Heal", msg, value="var:val_1", reason="SOIN")


def recoil(div):
    return (setv("val_2", "var:damage") + '<DivideVariable name="var:val_2" value="%d" round="up"/>' % div
            + cmd("Damage", "[SOURCE] subit le contrecoup !", value="var:val_2", reason="RECUL"))


def drain(div):
    return (setv("val_2", "var:damage") + '<DivideVariable name="var:val_2" value="%d" round="up"/>' % div
            + cmd("Heal", "[SOURCE] absorbe l'énergie de [TARGET].", value="var:val_2", reason="DRAIN"))


def crit_boost(amount):
    return ("MOVE_DECLARE", None, 0,
            '<AdditionVariable name="var:critical_ratio" value="%s"/>' % amount)


def has(var, values, comparator, inner):
    return cmd("StringCompare", inner=inner, name=var, value=values, comparator=comparator)


def num(var, value, comparator, inner):
    return cmd("NumberCompare", inner=inner, name=var, value=value, comparator=comparator)


def trig(when, body, actor=None, priority=None):
    a = ' when="%s"' % when
    if actor:
        a += ' actor="%s"' % actor
    if priority is not None:
        a += ' priority="%s"' % priority
    return "\t<trigger%s>%s</trigger>" % (a, body)


# --------------------------------------------------------------------------------------------------
# Abilities
# --------------------------------------------------------------------------------------------------
ABILITIES = [
    # name, IA_value, category, triggers [(when, actor, priority, body)], tags
    ("Carapace Dure", 20, "Positive",
     [("CHECK_BEFORE_DMG", "source", None,
       has("var:reason", "ATTACK", "equal", '<MultiplyVariable name="var:result" value="0.8" round="down"/>'))],
     ["defense"]),
    ("Colere Froide", 18, "Positive",
     [("CHECK_STAT_ATT", "source", 1,
       num("var:source:percent_hp", "33", "infequal", '<MultiplyVariable name="var:result" value="1.5"/>'))],
     ["rage"]),
    ("Regard Glacant", 22, "Positive",
     [("AFTER_SWITCH", "source", 2,
       cmd("DisplayMessage", "Le regard de [SOURCE] glace le sang de [TARGET] !") + stat("att", -1, True))],
     ["entree"]),
    ("Seve Vive", 16, "Positive",
     [("END_TURN", "source", None,
       num("var:source:percent_hp", "100", "inf", frac("val_1", "source", 16)
           + cmd("Heal", "La sève de [SOURCE] referme ses blessures.", value="var:val_1", reason="SOIN")))],
     ["soin"]),
    ("Elan Croissant", 24, "Positive",
     [("END_TURN", "source", None, stat("vit", 1))], ["vitesse"]),
    ("Ecorce Epineuse", 15, "Positive",
     [("AFTER_HIT", "target", None,
       has("var:subtype_move", "Contact", "has", frac("val_3", "source", 8)
           + cmd("Damage", "[SOURCE] se pique sur l'écorce de [TARGET] !", value="var:val_3", reason="EPINES")))],
     ["contact"]),
    ("Peau Statique", 15, "Positive",
     [("AFTER_HIT", "target", None,
       has("var:subtype_move", "Contact", "has",
           status("Paralysie", chance=29, target=False, msg="L'électricité de [TARGET] paralyse [SOURCE] !")))],
     ["contact"]),
    ("Oeil Affute", 14, "Positive",
     [("MOVE_DECLARE", "source", None, '<AdditionVariable name="var:critical_ratio" value="12"/>')],
     ["critique"]),
    ("Absorption Marine", 25, "Positive",
     [("CHECK_IMMUNITY", "source", 5,
       has("var:type_move", "Maree", "has", frac("val_1", "source", 4)
           + cmd("Heal", "[SOURCE] boit l'attaque et reprend des forces !", value="var:val_1", reason="SOIN")
           + '<SetVariable name="var:result" value="1"/>'))],
     ["immunite"]),
    ("Ignifuge", 12, "Positive",
     [("CHECK_EFFECTIVENESS", "source", None,
       has("var:type_move", "Braise", "has", '<MultiplyVariable name="var:result" value="0.5"/>'))],
     ["defense"]),
    ("Metabolisme", 14, "Positive",
     [("PREP_NEW_TURN", "source", None,
       cmd("RemoveStatut", "Le métabolisme de [SOURCE] chasse son mal !", chance=29))],
     ["soin"]),
    ("Brume Natale", 10, "Neutral",
     # Abilities are only in play once their creature is sent out, so the fog comes with it.
     [("AFTER_SWITCH", "source", 1, cmd("AddGlobal", "Une brume épaisse se lève autour de [SOURCE].",
                                         name="Brouillard", duration=5))],
     ["meteo"]),
    ("Veille Eternelle", 12, "Positive",
     [("CHECK_BEFORE_ADD_STATUT", "source", 3,
       has("var:newbuff:name", "Sommeil", "has",
           cmd("DisplayMessage", "[SOURCE] ne dort jamais !") + "<Cancel/>"))],
     ["immunite"]),
    ("Esprit Clair", 16, "Positive",
     [("CHECK_BEFORE_ADD_BUFF", "source", 3,
       has("var:newbuff:tag", "malus", "has",
           cmd("DisplayMessage", "L'esprit clair de [SOURCE] repousse l'entrave.") + "<Cancel/>"))],
     ["immunite"]),
    ("Frappe Lourde", 20, "Positive",
     [("DMG_CALC", "source", None,
       num("var:power_move", "60", "infequal", '<MultiplyVariable name="var:damage" value="1.5" round="down"/>'))],
     ["puissance"]),
    ("Obstination", 8, "Positive",
     [("MOVE_MISS", "source", None, stat("pre", 1))], ["precision"]),
    ("Mimetisme", 12, "Neutral",
     [("MOVE_DECLARE", "source", -1,
       has("var:type_move", ",".join(TYPE_NAMES), "has",
           has("var:source:type", "var:type_move", "hasnt",
               cmd("ChangeType", "[SOURCE] change de couleur !", value="var:type_move"))))],
     ["type"]),
    ("Instinct de Survie", 15, "Positive",
     [("CHECK_STAT_SPEED", "source", None,
       num("var:source:percent_hp", "25", "inf", '<MultiplyVariable name="var:result" value="2"/>'))],
     ["vitesse"]),
    ("Derniere Volonte", 10, "Positive",
     [("BEFORE_SWITCH", "source", None,
       num("var:source:hp", "0", "equal", cmd("AddBuff", "Un vent de vengeance souffle derrière [SOURCE] !",
                                                name="Vent Arriere", duration=3)))],
     ["equipe"]),
    ("Regeneration", 18, "Positive",
     [("BEFORE_SWITCH", "source", None,
       num("var:source:hp", "0", "sup", heal_frac(3, "[SOURCE] se régénère en rentrant.")))],
     ["soin"]),
    ("Emprise", 20, "Positive",
     [("CHECK_CHANGE_ORDER", "target", 2, '<SetVariable name="var:result" value="0"/>')],
     ["piege"]),
    ("Chance Insolente", 12, "Positive",
     [("CHECK_STAT_EVA", "source", None, '<MultiplyVariable name="var:result" value="1.2"/>')],
     ["esquive"]),
    ("Appetit", 8, "Positive",
     [("CHECK_BEFORE_HEAL", "source", None, '<MultiplyVariable name="var:result" value="1.5" round="down"/>')],
     ["soin"]),
]


def gen_abilities():
    out = []
    for name, ia, cat, triggers, tags in ABILITIES:
        lines = ["<ability>", "\t<name>%s</name>" % name, "\t<category>%s</category>" % cat,
                 "\t<IA_value>%d</IA_value>" % ia]
        for when, actor, prio, body in triggers:
            lines.append(trig(when, body, actor, prio))
        lines.append("\t<animation>aura_talent</animation>")
        for t in tags:
            lines.append("\t<tag>%s</tag>" % t)
        lines.append("</ability>")
        out.append("\n".join(lines))
    write("abilities/abilities.xml", "\n".join(out) + "\n")


# --------------------------------------------------------------------------------------------------
# Buffs: the six primary statuses, then creature, team and field-wide buffs.
# --------------------------------------------------------------------------------------------------
def immune(types):
    return trig("BEFORE_ADD", has("var:source:type", types, "has", "<Cancel/>"))


def value_for_bots(v):
    return trig("BUFF_VALUE", '<SetVariable name="var:result" value="%d"/>' % v)


STATUSES = [
    ("Brulure", "BRULURE", "statut_brulure", [
        immune("Braise"),
        trig("END_TURN", "<SelfAnim/>" + frac("val_4", "source", 16)
             + cmd("Damage", "[SOURCE] souffre de sa brûlure.", value="var:val_4", reason="BRULURE"), "source"),
        trig("CHECK_STAT_ATT", '<MultiplyVariable name="var:result" value="0.5"/>', "source"),
        value_for_bots(-25)]),
    ("Poison", "POISON", "statut_poison", [
        immune("Venin,Acier"),
        trig("END_TURN", "<SelfAnim/>" + frac("val_4", "source", 8)
             + cmd("Damage", "Le poison ronge [SOURCE].", value="var:val_4", reason="POISON"), "source"),
        value_for_bots(-25)]),
    ("Paralysie", "PARALYSIE", "statut_paralysie", [
        immune("Foudre"),
        trig("BEFORE_MOVE", cmd("SetVariable", "[SOURCE] est paralysé ! Il ne peut pas bouger.",
                                name="var:can_move", value="0", chance=24), "source", 5),
        trig("CHECK_STAT_SPEED", '<MultiplyVariable name="var:result" value="0.5"/>', "source"),
        value_for_bots(-20)]),
    ("Sommeil", "SOMMEIL", "statut_sommeil", [
        trig("BEFORE_MOVE",
             '<AdditionVariable name="var:self:value" value="1"/>'
             + num("var:self:value", "4", "supequal", cmd("RemoveStatut", "[SOURCE] se réveille !") + "<EndEffect/>")
             + cmd("SetVariable", "[SOURCE] dort à poings fermés.", name="var:can_move", value="0"),
             "source", 10),
        value_for_bots(-30)]),
    ("Gel", "GEL", "statut_gel", [
        immune("Givre"),
        trig("BEFORE_MOVE",
             cmd("SubEffect", inner=cmd("RemoveStatut", "[SOURCE] se libère de la glace !") + "<EndEffect/>",
                 chance=19)
             + cmd("SetVariable", "[SOURCE] est gelé et ne peut rien faire.", name="var:can_move", value="0"),
             "source", 10),
        trig("AFTER_HIT", has("var:type_move", "Braise", "has",
                              cmd("RemoveStatut", "La chaleur fait fondre la glace de [TARGET] !", target="target")),
             "target"),
        value_for_bots(-35)]),
    ("Vertige", "VERTIGE", "statut_vertige", [
        trig("BEFORE_MOVE",
             '<AdditionVariable name="var:self:value" value="1"/>'
             + num("var:self:value", "4", "supequal",
                   cmd("RemoveStatut", "[SOURCE] retrouve ses esprits.") + "<EndEffect/>")
             + cmd("SubEffect", chance=32, inner=cmd("DisplayMessage", "[SOURCE] titube et se blesse !")
                   + frac("val_4", "source", 8)
                   + cmd("Damage", value="var:val_4", reason="VERTIGE")
                   + '<SetVariable name="var:can_move" value="0"/>'),
             "source", 4),
        value_for_bots(-15)]),
]

OTHER_BUFFS = [
    # name, category (None = no nature), spot, teambuff, tags, triggers, IA
    ("Garde Haute", "Positive", "posture", False, ["bonus"],
     [trig("CHECK_STAT_DEF", '<MultiplyVariable name="var:result" value="1.5"/>', "source"), value_for_bots(15)], 10),
    ("Concentration", "Positive", "posture", False, ["bonus"],
     [trig("MOVE_DECLARE", '<AdditionVariable name="var:critical_ratio" value="25"/>', "source"),
      value_for_bots(12)], 10),
    ("Fureur", "Positive", "posture", False, ["bonus"],
     [trig("CHECK_STAT_ATT", '<MultiplyVariable name="var:result" value="1.3"/>', "source"),
      trig("CHECK_STAT_DEF", '<MultiplyVariable name="var:result" value="0.8"/>', "source"), value_for_bots(12)], 10),
    ("Entrave", "Negative", None, False, ["malus", "piege"],
     [trig("CHECK_CHANGE_ORDER", '<SetVariable name="var:result" value="0"/>', "source"), value_for_bots(-12)], -10),
    ("Racines", "Positive", None, False, ["bonus"],
     [trig("END_TURN", frac("val_1", "source", 16)
           + cmd("Heal", "Les racines de [SOURCE] puisent dans le sol.", value="var:val_1", reason="SOIN"), "source"),
      trig("CHECK_CHANGE_ORDER", '<SetVariable name="var:result" value="0"/>', "source"), value_for_bots(10)], 8),
    ("Vrilles Voraces", "Negative", None, False, ["malus"],
     [trig("END_TURN", frac("val_4", "source", 8)
           + cmd("Damage", inner=cmd("Heal", "Les vrilles drainent [SOURCE] au profit de [TARGET].",
                                     target="target", value="var:return_value", reason="DRAIN"),
                 value="var:val_4", reason="VRILLES"), "source"),
      trig("BEFORE_ADD", has("var:source:type", "Sylve", "has", "<Cancel/>")), value_for_bots(-20)], -15),
    ("Recharge", "Negative", None, False, ["malus"],
     [trig("BEFORE_MOVE", cmd("SetVariable", "[SOURCE] doit reprendre son souffle.", name="var:can_move",
                              value="0") + "<Die/>", "source", 20)], -5),
    ("Voile Miroir", "Positive", "posture", False, ["bonus", "protection"],
     [trig("CHECK_BEFORE_DMG", has("var:reason", "ATTACK", "equal",
                                   cmd("DisplayMessage", "Le voile miroir de [SOURCE] renvoie le coup dans le vide !")
                                   + "<Cancel/>"), "source", 50)], 5),
    ("Marque", None, None, False, ["marque"],
     [trig("CHECK_STAT_EVA", '<MultiplyVariable name="var:result" value="0.5"/>', "source")], 0),
    # Team buffs.
    ("Mur Prismatique", "Positive", "mur", True, ["bonus", "mur"],
     [trig("CHECK_BEFORE_DMG", has("var:reason", "ATTACK", "equal",
                                   num("var:move_cat", "2", "equal",
                                       '<MultiplyVariable name="var:result" value="0.5" round="down"/>')), "source"),
      value_for_bots(20)], 15),
    ("Rempart", "Positive", "mur", True, ["bonus", "mur"],
     [trig("CHECK_BEFORE_DMG", has("var:reason", "ATTACK", "equal",
                                   num("var:move_cat", "1", "equal",
                                       '<MultiplyVariable name="var:result" value="0.5" round="down"/>')), "source"),
      value_for_bots(20)], 15),
    ("Vent Arriere", "Positive", None, True, ["bonus"],
     [trig("CHECK_STAT_SPEED", '<MultiplyVariable name="var:result" value="2"/>', "source"), value_for_bots(18)], 12),
    ("Chausse-Trappes", "Negative", None, True, ["malus", "piege"],
     [trig("AFTER_SWITCH", frac("val_4", "source", 8)
           + cmd("Damage", "[SOURCE] marche sur des chausse-trappes !", value="var:val_4", reason="PIEGE"), "source"),
      value_for_bots(-20)], -15),
    # Field-wide buffs (added with AddGlobal; their triggers fire for both sides).
    ("Soleil Ardent", "Neutral", "meteo", False, ["meteo"],
     [trig("DMG_CALC", has("var:type_move", "Braise", "has",
                           '<MultiplyVariable name="var:damage" value="1.5" round="down"/>')
           + has("var:type_move", "Maree", "has", '<MultiplyVariable name="var:damage" value="0.5" round="down"/>'),
           "source")], 0),
    ("Averse", "Neutral", "meteo", False, ["meteo"],
     [trig("DMG_CALC", has("var:type_move", "Maree", "has",
                           '<MultiplyVariable name="var:damage" value="1.5" round="down"/>')
           + has("var:type_move", "Braise", "has", '<MultiplyVariable name="var:damage" value="0.5" round="down"/>'),
           "source")], 0),
    ("Tempete de Sable", "Neutral", "meteo", False, ["meteo"],
     [trig("END_TURN", has("var:source:type", "Roche,Acier,Cristal", "hasnt",
                           frac("val_4", "source", 16)
                           + cmd("Damage", "Le sable fouette [SOURCE].", value="var:val_4", reason="METEO")),
           "source")], 0),
    ("Brouillard", "Neutral", "meteo", False, ["meteo"],
     [trig("CHECK_STAT_PRE", '<MultiplyVariable name="var:result" value="0.8"/>', "source")], 0),
    ("Champ Ionise", "Neutral", "terrain", False, ["terrain"],
     [trig("DMG_CALC", has("var:type_move", "Foudre", "has",
                           '<MultiplyVariable name="var:damage" value="1.3" round="down"/>'), "source")], 0),
    ("Ferveur du Zenith", "Positive", None, False, ["terrain"],
     [trig("DMG_CALC", '<MultiplyVariable name="var:damage" value="1.2" round="down"/>', "source")], 0),
]


def gen_buffs():
    out = []
    for name, code, anim, triggers in STATUSES:
        lines = ["<buff>", "\t<name>%s</name>" % name, "\t<category>Negative</category>",
                 "\t<primary>%s</primary>" % code, "\t<IA_value>-20</IA_value>"]
        lines += triggers
        lines.append("\t<animation>%s</animation>" % anim)
        lines += ["\t<tag>statut</tag>", "\t<tag>malus</tag>", "</buff>"]
        out.append("\n".join(lines))
    write("buffs/statuts.xml", "\n".join(out) + "\n")
    out = []
    for name, cat, spot, team, tags, triggers, ia in OTHER_BUFFS:
        lines = ["<buff>", "\t<name>%s</name>" % name]
        if cat:
            lines.append("\t<category>%s</category>" % cat)
        lines.append("\t<IA_value>%d</IA_value>" % ia)
        if team:
            lines.append("\t<teambuff/>")
        if spot:
            lines.append("\t<spot>%s</spot>" % spot)
        lines += triggers
        lines.append("\t<animation>aura_effet</animation>")
        for t in tags:
            lines.append("\t<tag>%s</tag>" % t)
        lines.append("</buff>")
        out.append("\n".join(lines))
    write("buffs/effets.xml", "\n".join(out) + "\n")


# --------------------------------------------------------------------------------------------------
# Moves
# --------------------------------------------------------------------------------------------------
PHY, SPE, STA = "physique", "special", "statut"
MOVES = []


def mv(name, typ, cat, power, prec, pp, effect="", prio=None, hits=None, crit=None, sub=None, direction=None,
       attr=None, tags=(), triggers=()):
    MOVES.append(dict(name=name, type=typ, cat=cat, power=power, prec=prec, pp=pp, effect=effect, prio=prio,
                      hits=hits, crit=crit, sub=sub, dir=direction, attr=attr, tags=list(tags),
                      triggers=list(triggers)))


def fixed_damage(amount, msg):
    return cmd("Damage", msg, target="target", value=amount, reason="FIXE")


# The engine falls back on "Lutte" when a creature has nothing left to use: it must exist.
mv("Lutte", None, PHY, 50, 0, 1, frac("val_2", "source", 4)
   + cmd("Damage", "[SOURCE] s'épuise dans la lutte !", value="var:val_2", reason="RECUL"),
   sub="Contact", attr="Struggle", tags=["defaut"])

# Brut
mv("Coup Franc", "Brut", PHY, 40, 100, 35, prio=1, sub="Contact", tags=["rapide"])
mv("Charge Massive", "Brut", PHY, 85, 95, 20, recoil(3), sub="Contact")
mv("Martelage", "Brut", PHY, 20, 90, 20, hits=5, sub="Contact")
mv("Cri Percant", "Brut", STA, 0, 100, 40, stat("att", -1, True), sub="Sonore", direction="Ennemy")
mv("Somme Reparateur", "Brut", STA, 0, 0, 10,
   cmd("RemoveStatut") + frac("val_1", "source", 1)
   + cmd("Heal", "[SOURCE] se soigne entièrement.", value="var:val_1", reason="SOIN")
   + status("Sommeil", target=False, value="1", msg="[SOURCE] s'endort pour récupérer."), direction="Self")
mv("Hurlement Ancien", "Brut", SPE, 90, 100, 10, status("Vertige", chance=9), sub="Sonore", direction="Zone")
mv("Frappe Titanesque", "Brut", PHY, 150, 90, 5, cmd("AddBuff", name="Recharge", duration=2), sub="Contact",
   tags=["puissant"])
mv("Elan Decisif", "Brut", PHY, 70, 100, 20, crit=3, sub="Contact", triggers=[crit_boost(15)])
mv("Marquage", "Brut", STA, 0, 100, 20, cmd("AddBuff", "[TARGET] est marqué !", name="Marque", target="target",
                                            duration=4), direction="Target")
mv("Coup de Grace", "Brut", PHY, 60, 100, 10, sub="Contact",
   triggers=[("DMG_CALC", None, 0, has("var:target:buff_list", "Marque", "has",
                                        '<MultiplyVariable name="var:damage" value="2" round="down"/>'))])
mv("Onde Juste", "Brut", STA, 0, 100, 15,
   cmd("Damage", "[TARGET] encaisse une onde parfaitement mesurée.", target="target", value="var:source:level",
       reason="FIXE"), attr="Level")
mv("Coup Mesure", "Brut", STA, 0, 90, 20, fixed_damage(20, "[TARGET] perd exactement vingt points."), attr="20")
mv("Chant Apaisant", "Brut", STA, 0, 0, 10,
   cmd("RemoveStatut", "Le chant apaise [SOURCE].") + heal_frac(4), sub="Sonore", direction="Ally")

# Braise
mv("Flammeche", "Braise", SPE, 40, 100, 25, status("Brulure", chance=9), sub="Projectile")
mv("Jet Ardent", "Braise", SPE, 90, 100, 15, status("Brulure", chance=9))
mv("Fournaise", "Braise", SPE, 120, 85, 5, status("Brulure", chance=29) + stat("spe_att", -2), direction="Zone")
mv("Poing Tison", "Braise", PHY, 75, 100, 15, status("Brulure", chance=9), sub="Contact")
mv("Charge Incandescente", "Braise", PHY, 120, 100, 15, recoil(3) + status("Brulure", chance=9), sub="Contact")
mv("Feu Rieur", "Braise", STA, 0, 85, 15, status("Brulure"))
mv("Appel du Zenith", "Braise", STA, 0, 0, 5,
   cmd("AddGlobal", "Le soleil se met à cogner !", name="Soleil Ardent", duration=5), direction="Field")
mv("Double Braise", "Braise", PHY, 35, 95, 20, hits=2, sub="Contact")
mv("Explosion Rouge", "Braise", PHY, 200, 100, 5,
   cmd("Damage", "[SOURCE] se consume dans l'explosion !", value="var:source:max_hp", reason="EXPLOSION"),
   direction="Zone", attr="Selfdestruct", tags=["puissant"])

# Maree
mv("Gicleur", "Maree", SPE, 40, 100, 25, sub="Projectile")
mv("Vague Lourde", "Maree", SPE, 90, 100, 15, direction="Zone")
mv("Torrent Abyssal", "Maree", SPE, 110, 80, 5, stat("pre", -1, True, chance=19))
mv("Coup de Houle", "Maree", PHY, 80, 100, 10, stat("def", -1, True, chance=19), sub="Contact")
mv("Bulles Glissantes", "Maree", SPE, 25, 100, 30, hits=5, sub="Projectile")
mv("Appel des Nuages", "Maree", STA, 0, 0, 5,
   cmd("AddGlobal", "Une averse s'abat sur le terrain !", name="Averse", duration=5), direction="Field")
mv("Brume Curative", "Maree", STA, 0, 0, 10, heal_frac(2), direction="Self")
mv("Geyser Aveuglant", "Maree", SPE, 65, 95, 15, stat("pre", -1, True, chance=49))
mv("Brume Epaisse", "Maree", STA, 0, 0, 10,
   cmd("AddGlobal", "Un brouillard épais recouvre le terrain.", name="Brouillard", duration=5), direction="Field")

# Sylve
mv("Fouet Liane", "Sylve", PHY, 45, 100, 25, sub="Contact")
mv("Lame Foliaire", "Sylve", PHY, 90, 100, 15, crit=3, sub="Contact", triggers=[crit_boost(20)])
mv("Rayon Chlorophylle", "Sylve", SPE, 120, 100, 10, prio=-1)
mv("Spores Dormantes", "Sylve", STA, 0, 75, 15, status("Sommeil", value="var:d2"), sub="Aura")
mv("Semis Vorace", "Sylve", STA, 0, 90, 10,
   cmd("AddBuff", "Des vrilles voraces s'enroulent autour de [TARGET] !", name="Vrilles Voraces", target="target"))
mv("Absorption Seve", "Sylve", SPE, 75, 100, 10, drain(2))
mv("Enracinement", "Sylve", STA, 0, 0, 20, cmd("AddBuff", "[SOURCE] plante ses racines.", name="Racines"),
   direction="Self")
mv("Pluie de Graines", "Sylve", PHY, 25, 100, 30, hits=5, sub="Projectile")

# Foudre
mv("Decharge", "Foudre", SPE, 40, 100, 30, status("Paralysie", chance=9))
mv("Arc Electrique", "Foudre", SPE, 90, 100, 15, status("Paralysie", chance=9))
mv("Foudre Celeste", "Foudre", SPE, 110, 70, 10, status("Paralysie", chance=29))
mv("Poing Volt", "Foudre", PHY, 75, 100, 15, status("Paralysie", chance=9), sub="Contact")
mv("Onde Paralysante", "Foudre", STA, 0, 90, 20, status("Paralysie"), sub="Aura")
mv("Eclair Furtif", "Foudre", PHY, 40, 100, 30, prio=1, sub="Contact", tags=["rapide"])
mv("Retour Eclair", "Foudre", SPE, 70, 100, 20,
   cmd("PrepareChange", "[SOURCE] revient vers son dresseur à la vitesse de l'éclair !"))
mv("Champ Magnetique", "Foudre", STA, 0, 0, 10,
   cmd("AddGlobal", "Le terrain se charge d'électricité !", name="Champ Ionise", duration=5), direction="Field")

# Givre
mv("Souffle Glace", "Givre", SPE, 40, 100, 25, status("Gel", chance=9))
mv("Blizzard Hurlant", "Givre", SPE, 110, 70, 5, status("Gel", chance=9), direction="Zone")
mv("Rayon Givrant", "Givre", SPE, 90, 100, 10, status("Gel", chance=9))
mv("Morsure Polaire", "Givre", PHY, 65, 95, 15, status("Gel", chance=9), sub="Contact")
mv("Eclats de Glace", "Givre", PHY, 25, 100, 30, hits=5, sub="Projectile")
mv("Givre Sec", "Givre", SPE, 70, 100, 20, status("Gel", chance=9), attr="Freeze Dry",
   triggers=[("CHECK_EFFECTIVENESS", None, 0, has("var:types_defensive", "Maree", "has",
                                                   '<MultiplyVariable name="var:result" value="4"/>'))])
mv("Cercueil de Givre", "Givre", STA, 0, 30, 5,
   cmd("Damage", "[TARGET] est enfermé dans un cercueil de givre !", target="target", value="var:target:hp",
       reason="FATAL"), attr="OHKO", tags=["fatal"])
mv("Glace Vive", "Givre", PHY, 40, 100, 30, prio=1, sub="Projectile", tags=["rapide"])

# Roche
mv("Jet de Pierres", "Roche", PHY, 50, 90, 15, sub="Projectile")
mv("Eboulement", "Roche", PHY, 75, 90, 10, stat("vit", -1, True, chance=29), direction="Zone")
mv("Frappe Tellurique", "Roche", PHY, 100, 100, 10, direction="Zone")
mv("Carapace de Roc", "Roche", STA, 0, 0, 20, stat("def", 2), direction="Self")
mv("Semis de Pieges", "Roche", STA, 0, 0, 20,
   cmd("AddBuff", "Des chausse-trappes jonchent le camp adverse !", name="Chausse-Trappes", target="target"),
   direction="E_Team")
mv("Vent de Sable", "Roche", STA, 0, 0, 10,
   cmd("AddGlobal", "Une tempête de sable se lève !", name="Tempete de Sable", duration=5), direction="Field")
mv("Tete de Granit", "Roche", PHY, 130, 80, 5, recoil(2), sub="Contact", tags=["puissant"])
mv("Secousse", "Roche", PHY, 60, 100, 20, stat("eva", -1, True, chance=29))

# Rafale
mv("Bourrasque", "Rafale", SPE, 40, 100, 35)
mv("Lame d'Air", "Rafale", SPE, 75, 95, 15, crit=3, triggers=[crit_boost(15)])
mv("Cyclone", "Rafale", SPE, 110, 70, 10, status("Vertige", chance=29), direction="Zone")
mv("Pique Plongeant", "Rafale", PHY, 80, 100, 20, sub="Contact")
mv("Souffle Porteur", "Rafale", STA, 0, 0, 15,
   cmd("AddBuff", "Un vent favorable pousse l'équipe de [SOURCE] !", name="Vent Arriere", duration=4),
   direction="Team")
mv("Souffle Repoussant", "Rafale", STA, 0, 100, 20,
   cmd("ForceChange", "[TARGET] est emporté par le vent !", target="target"), prio=-6)
mv("Plumes Rasoir", "Rafale", PHY, 20, 100, 25, hits=3, sub="Projectile")
mv("Rafale Eclair", "Rafale", PHY, 50, 100, 20, prio=2, sub="Contact", tags=["rapide"])

# Ombre
mv("Morsure Noire", "Ombre", PHY, 60, 100, 25, stat("def", -1, True, chance=19), sub="Contact")
mv("Coup Bas", "Ombre", PHY, 70, 100, 5, prio=1, sub="Contact", tags=["rapide"])
mv("Onde Tenebreuse", "Ombre", SPE, 80, 100, 15, status("Vertige", chance=19))
mv("Traque", "Ombre", PHY, 40, 100, 20, sub="Contact", attr="Pursuit",
   triggers=[("DMG_CALC", None, 0, num("var:target:move_turn", "0", "equal",
                                        '<MultiplyVariable name="var:damage" value="2" round="down"/>'))])
mv("Malediction Sourde", "Ombre", STA, 0, 100, 10,
   cmd("AddBuff", "[TARGET] ne peut plus fuir !", name="Entrave", target="target") + stat("def", -1, True))
mv("Effacement", "Ombre", STA, 0, 100, 10, cmd("ChangeAbility", "Le talent de [TARGET] s'efface !",
                                               target="target"))
mv("Complot", "Ombre", STA, 0, 0, 20, stat("spe_att", 2), direction="Self")
mv("Coupe-Gorge", "Ombre", PHY, 70, 100, 15, crit=4, sub="Contact", triggers=[crit_boost(10)])

# Aurore
mv("Eclat Solaire", "Aurore", SPE, 40, 100, 30, sub="Projectile")
mv("Rayon Sacre", "Aurore", SPE, 90, 100, 15, stat("spe_def", -1, True, chance=19))
mv("Jugement de l'Aube", "Aurore", SPE, 120, 85, 5, direction="Zone", tags=["puissant"])
mv("Prisme Protecteur", "Aurore", STA, 0, 0, 20,
   cmd("AddBuff", "Un mur prismatique protège l'équipe de [SOURCE].", name="Mur Prismatique", duration=5),
   direction="Team")
mv("Benediction", "Aurore", STA, 0, 0, 10, cmd("RemoveStatut") + heal_frac(2), direction="Self")
mv("Eblouissement", "Aurore", STA, 0, 100, 20, stat("pre", -1, True), sub="Aura")
mv("Lance de Lumiere", "Aurore", PHY, 80, 100, 15, crit=3, sub="Projectile", triggers=[crit_boost(10)])
mv("Aube Nouvelle", "Aurore", STA, 0, 0, 10,
   cmd("RemoveGlobal", "Une aube nouvelle chasse les éléments du terrain.", tag="meteo"), direction="Field")

# Venin
mv("Dard Toxique", "Venin", PHY, 15, 100, 35, status("Poison", chance=29), sub="Projectile")
mv("Crachat Acide", "Venin", SPE, 40, 100, 30, stat("spe_def", -1, True, chance=9), sub="Projectile")
mv("Bombe Venin", "Venin", SPE, 90, 100, 10, status("Poison", chance=29))
mv("Nuage Toxique", "Venin", STA, 0, 90, 15, status("Poison"), direction="Zone")
mv("Croc Vicieux", "Venin", PHY, 80, 100, 15, status("Poison", chance=29), sub="Contact")
mv("Souillure", "Venin", STA, 0, 100, 15,
   cmd("AddType", "[TARGET] est souillé par le venin !", target="target", value="Venin"))
mv("Siphon Toxique", "Venin", SPE, 60, 100, 15, drain(2))
mv("Pluie Acide", "Venin", SPE, 20, 95, 20, hits=5, sub="Projectile")

# Acier
mv("Griffe d'Acier", "Acier", PHY, 50, 95, 35, stat("att", 1, chance=9), sub="Contact")
mv("Tete de Fer", "Acier", PHY, 80, 100, 15, stat("def", -1, True, chance=29), sub="Contact")
mv("Canon Lourd", "Acier", SPE, 80, 100, 10, stat("spe_def", -1, True, chance=9), sub="Projectile")
mv("Blindage", "Acier", STA, 0, 0, 15, stat("def", 2), direction="Self")
mv("Forteresse", "Acier", STA, 0, 0, 20,
   cmd("AddBuff", "Un rempart protège l'équipe de [SOURCE].", name="Rempart", duration=5), direction="Team")
mv("Poing Meteore", "Acier", PHY, 90, 90, 10, stat("att", 1, chance=19), sub="Contact")
mv("Roue Dentee", "Acier", PHY, 50, 85, 15, hits=2, sub="Contact")
mv("Charge Blindee", "Acier", PHY, 60, 100, 20, attr="Inverse Def", sub="Contact",
   triggers=[("MOVE_DECLARE", None, 0, '<SetVariable name="var:stat_def" value="var:target:spe_def"/>')])

# Psyche
mv("Onde Mentale", "Psyche", SPE, 50, 100, 25, status("Vertige", chance=9))
mv("Vague Cerebrale", "Psyche", SPE, 90, 100, 10, stat("spe_def", -1, True, chance=9))
mv("Hypnose Douce", "Psyche", STA, 0, 60, 20, status("Sommeil", value="var:d2"))
mv("Meditation", "Psyche", STA, 0, 0, 20, stat("spe_att", 1) + stat("spe_def", 1), direction="Self")
mv("Echo du Futur", "Psyche", STA, 0, 100, 10,
   cmd("DisplayMessage", "[SOURCE] projette sa pensée dans le futur...")
   + cmd("AddEvent", inner=cmd("DisplayMessage", "L'écho du futur frappe [TARGET] !")
         + setv("val_3", "var:source:spe_att") + '<DivideVariable name="var:val_3" value="2" round="down"/>'
         + cmd("Damage", target="target", value="var:val_3", reason="ECHO")))
mv("Transfert d'Esprit", "Psyche", STA, 0, 100, 10,
   cmd("ChangeType", "[SOURCE] prend la nature de [TARGET] !", value="var:target:type"))
mv("Repli Mental", "Psyche", STA, 0, 0, 20, cmd("PrepareChange", "[SOURCE] se replie mentalement."),
   prio=-6, direction="Self")
mv("Focalisation", "Psyche", STA, 0, 0, 20,
   cmd("AddBuff", "[SOURCE] se concentre intensément.", name="Concentration", duration=5), direction="Self")

# Fauve
mv("Coup de Patte", "Fauve", PHY, 40, 100, 35, sub="Contact")
mv("Ruee Sauvage", "Fauve", PHY, 100, 85, 10, sub="Contact", attr="Recoil Miss",
   triggers=[("MOVE_MISS", None, 0, frac("val_2", "source", 2)
              + cmd("Damage", "[SOURCE] s'écrase lourdement au sol !", value="var:val_2", reason="RECUL"))])
mv("Griffes Croisees", "Fauve", PHY, 45, 100, 20, hits=2, crit=3, sub="Contact", triggers=[crit_boost(8)])
mv("Rugissement Bestial", "Fauve", STA, 0, 0, 20, stat("att", 2), sub="Sonore", direction="Self")
mv("Furie Aveugle", "Fauve", PHY, 110, 100, 10, cmd("LockMove", "[SOURCE] s'emballe !", value=2), sub="Contact")
mv("Rage Vitale", "Fauve", PHY, 1, 100, 10, sub="Contact", attr="HP_Based",
   triggers=[("MOVE_DECLARE", None, 0, setv("power_move", "var:source:percent_hp")
              + '<MultiplyVariable name="var:power_move" value="1.5" round="down"/>')])
mv("Croc Broyeur", "Fauve", PHY, 80, 100, 15, stat("def", -1, True, chance=19), sub="Contact")
mv("Ecrasement Final", "Fauve", PHY, 150, 100, 5, prio=-3, sub="Contact", tags=["puissant"])
mv("Posture Defensive", "Fauve", STA, 0, 0, 20,
   cmd("AddBuff", "[SOURCE] adopte une posture défensive.", name="Garde Haute", duration=5), direction="Self")
mv("Transe Guerriere", "Fauve", STA, 0, 0, 15,
   cmd("AddBuff", "[SOURCE] entre en transe !", name="Fureur", duration=4), direction="Self")

# Spectre
mv("Lueur Spectrale", "Spectre", SPE, 40, 100, 30)
mv("Griffe Spectrale", "Spectre", PHY, 70, 100, 15, crit=3, sub="Contact", triggers=[crit_boost(12)])
mv("Boule d'Ame", "Spectre", SPE, 80, 100, 15, stat("spe_def", -1, True, chance=19), sub="Projectile")
mv("Malefice", "Spectre", STA, 0, 100, 15, status("Vertige"), sub="Aura")
mv("Voile Fantome", "Spectre", STA, 0, 0, 20, stat("eva", 1), direction="Self")
mv("Fauche-Vie", "Spectre", STA, 0, 90, 10,
   setv("val_3", "var:target:hp") + '<DivideVariable name="var:val_3" value="2" round="up"/>'
   + cmd("Damage", "La faux spectrale fauche la moitié de la vie de [TARGET] !", target="target",
         value="var:val_3", reason="FIXE"), attr="Half Damage")
mv("Toucher Glacial", "Spectre", SPE, 1, 100, 15, attr="True Damage",
   triggers=[("DMG_CALC", None, 0, '<SetVariable name="var:damage" value="30"/>')])
mv("Hantise", "Spectre", SPE, 65, 100, 15, status("Vertige", chance=29), direction="Ennemy")

# Cristal
mv("Eclat Prismatique", "Cristal", SPE, 50, 100, 25, sub="Projectile")
mv("Lance de Cristal", "Cristal", PHY, 85, 90, 10, crit=3, sub="Projectile", triggers=[crit_boost(12)])
mv("Resonance", "Cristal", SPE, 90, 100, 10, status("Vertige", chance=9), sub="Sonore")
mv("Mue Cristalline", "Cristal", STA, 0, 0, 10,
   cmd("ChangeType", "[SOURCE] se couvre de cristal !", value="Cristal") + stat("def", 1), direction="Self")
mv("Parade Miroir", "Cristal", STA, 0, 0, 10,
   cmd("AddBuff", "[SOURCE] se protège derrière un voile miroir !", name="Voile Miroir", duration=1),
   prio=4, direction="Self")
mv("Pluie d'Eclats", "Cristal", SPE, 20, 100, 20, hits=5, sub="Projectile")
mv("Tranche Exacte", "Cristal", STA, 0, 100, 15, fixed_damage(40, "[TARGET] perd exactement quarante points."),
   attr="40")
mv("Onde Prismatique", "Cristal", SPE, 70, 100, 15, stat("spe_att", 1, chance=29), direction="Zone")


def gen_moves():
    out = []
    for m in MOVES:
        lines = ["<move>", "\t<name>%s</name>" % esc(m["name"])]
        if m["type"]:
            lines.append("\t<type>%s</type>" % m["type"])
        lines.append("\t<category>%s</category>" % m["cat"])
        lines.append("\t<pp>%d</pp>" % m["pp"])
        if m["power"]:
            lines.append("\t<power>%d</power>" % m["power"])
        lines.append("\t<precision>%d</precision>" % m["prec"])
        if m["prio"] is not None:
            lines.append('\t<priority value="%d"/>' % m["prio"])
        if m["hits"] is not None:
            lines.append('\t<hits value="%d"/>' % m["hits"])
        if m["crit"] is not None:
            lines.append('\t<critical value="%d"/>' % m["crit"])
        if m["sub"]:
            lines.append("\t<subtype>%s</subtype>" % m["sub"])
        lines.append("\t<direction>%s</direction>" % (m["dir"] or "Target"))
        if m["attr"]:
            lines.append("\t<attribut>%s</attribut>" % m["attr"])
        if m["effect"]:
            lines.append("\t<effect>%s</effect>" % m["effect"])
        else:
            lines.append("\t<effect/>")
        for when, actor, prio, body in m["triggers"]:
            lines.append(trig(when, body, actor, prio if prio else None))
        for t in m["tags"]:
            lines.append("\t<tag>%s</tag>" % t)
        lines.append("</move>")
        out.append("\n".join(lines))
    write("moves/moves.xml", "\n".join(out) + "\n")


# --------------------------------------------------------------------------------------------------
# Species
# --------------------------------------------------------------------------------------------------
# Stat profiles: weights of HP, attack, defence, special attack, special defence, speed.
PROFILES = {
    "bal": (1.0, 1.0, 1.0, 1.0, 1.0, 1.0),
    "att": (1.0, 1.4, 0.9, 0.7, 0.8, 1.2),
    "spe": (0.9, 0.7, 0.8, 1.45, 1.1, 1.05),
    "tank": (1.3, 0.9, 1.45, 0.7, 1.1, 0.55),
    "wall": (1.2, 0.7, 1.1, 0.9, 1.45, 0.65),
    "fast": (0.85, 1.15, 0.75, 1.1, 0.75, 1.4),
    "hp": (1.6, 1.0, 0.9, 0.9, 0.9, 0.7),
}

# number, name, types, total, profile, shape, colour, size, rarity, personality, tags, abilities, blood
SPECIES = [
    (1, "Braisillon", ["Braise"], 310, "fast", "FIRE", "RED", "S", None, None, ["compagnon"],
     ["Ignifuge", "Elan Croissant"], "sang_rouge"),
    (2, "Fournacle", ["Braise"], 410, "att", "FIRE", "RED", "M", None, None, ["compagnon"],
     ["Ignifuge", "Elan Croissant"], "sang_rouge"),
    (3, "Pyrodonte", ["Braise", "Roche"], 530, "att", "DRAGON", "DARK_RED", "XL", None, "Menacing",
     ["compagnon"], ["Ignifuge", "Carapace Dure", "Colere Froide"], "sang_rouge"),
    (4, "Gouttelin", ["Maree"], 314, "bal", "TADPOLE", "BLUE", "S", None, None, ["compagnon", "aquatique"],
     ["Absorption Marine", "Seve Vive"], None),
    (5, "Ondulard", ["Maree"], 415, "wall", "FISH", "BLUE", "M", None, None, ["compagnon", "aquatique"],
     ["Absorption Marine"], None),
    (6, "Abyssaure", ["Maree", "Givre"], 530, "spe", "DRAGON", "DARK_BLUE", "XL", None, None,
     ["compagnon", "aquatique"], ["Absorption Marine", "Carapace Dure"], "sang_bleu"),
    (7, "Pousseron", ["Sylve"], 318, "bal", "GRASS", "GREEN", "S", None, None, ["compagnon"],
     ["Seve Vive", "Ecorce Epineuse"], "seve_verte"),
    (8, "Feuillard", ["Sylve"], 420, "tank", "GRASS", "GREEN", "M", None, None, ["compagnon"],
     ["Seve Vive", "Ecorce Epineuse"], "seve_verte"),
    (9, "Sylvaurus", ["Sylve", "Fauve"], 530, "att", "TREE", "DARK_GREEN", "XL", None, None, ["compagnon"],
     ["Ecorce Epineuse", "Frappe Lourde", "Seve Vive"], "seve_verte"),
    (10, "Etincelot", ["Foudre"], 330, "fast", "ZAPPLET", "ORANGE", "XS", None, "Acrobat", [],
     ["Peau Statique", "Elan Croissant"], None),
    (11, "Voltigre", ["Foudre", "Fauve"], 495, "fast", "CAT", "ORANGE", "L", None, None, [],
     ["Peau Statique", "Instinct de Survie"], "sang_rouge"),
    (12, "Flocinet", ["Givre"], 320, "spe", "BALL", "CYAN", "S", None, None, [],
     ["Veille Eternelle", "Chance Insolente"], None),
    (13, "Glacerf", ["Givre", "Rafale"], 500, "spe", "DOG", "CYAN", "L", None, None, [],
     ["Regard Glacant", "Chance Insolente"], "sang_bleu"),
    (14, "Caillouche", ["Roche"], 300, "tank", "ROCK", "GREY", "S", None, "Lazy", [],
     ["Carapace Dure", "Obstination"], "poussiere_grise"),
    (15, "Rocailleux", ["Roche"], 405, "tank", "ROCK", "GREY", "M", None, None, [],
     ["Carapace Dure", "Obstination"], "poussiere_grise"),
    (16, "Montagrond", ["Roche", "Acier"], 505, "tank", "TOLLUMP", "BROWN", "XXL", None, None, [],
     ["Carapace Dure", "Frappe Lourde"], "poussiere_grise"),
    (17, "Piaulet", ["Rafale", "Brut"], 290, "fast", "BIRD", "BROWN", "XS", None, None, ["volant"],
     ["Oeil Affute", "Obstination"], None),
    (18, "Ventaile", ["Rafale", "Brut"], 400, "fast", "BIRD", "BROWN", "M", None, None, ["volant"],
     ["Oeil Affute", "Elan Croissant"], None),
    (19, "Zephyrion", ["Rafale", "Aurore"], 505, "fast", "BIRD", "ORANGE", "L", None, None, ["volant"],
     ["Oeil Affute", "Regard Glacant"], None),
    (20, "Ombrelin", ["Ombre"], 330, "fast", "BAT", "BLACK", "S", None, None, ["nocturne", "volant"],
     ["Chance Insolente", "Emprise"], None),
    (21, "Nocturon", ["Ombre", "Spectre"], 485, "spe", "BAT", "PURPLE", "M", None, "Menacing", ["nocturne"],
     ["Emprise", "Chance Insolente"], None),
    (22, "Lucioline", ["Aurore"], 340, "spe", "BUTTERFLY", "ORANGE", "XS", None, "Fairy", ["volant"],
     ["Metabolisme", "Veille Eternelle"], None),
    (23, "Aurelys", ["Aurore", "Psyche"], 495, "spe", "FEE", "PINK", "M", None, None, [],
     ["Esprit Clair", "Metabolisme"], None),
    (24, "Toxiflore", ["Venin", "Sylve"], 360, "wall", "FLOWER", "PURPLE", "S", None, None, [],
     ["Seve Vive", "Metabolisme"], "seve_verte"),
    (25, "Venimorse", ["Venin"], 455, "att", "COBRA", "PURPLE", "L", None, "Snake", [],
     ["Regard Glacant", "Instinct de Survie"], "sang_vert"),
    (26, "Ferrailleur", ["Acier"], 345, "tank", "INSECT", "GREY", "S", None, None, [],
     ["Carapace Dure", "Obstination"], None),
    (27, "Boulonix", ["Acier", "Foudre"], 480, "spe", "GLYPHIC", "GREY", "M", None, None, [],
     ["Peau Statique", "Carapace Dure"], None),
    (28, "Songelin", ["Psyche"], 325, "spe", "DROWSEL", "PINK", "S", None, None, [],
     ["Veille Eternelle", "Esprit Clair"], None),
    (29, "Reveuse", ["Psyche", "Spectre"], 490, "spe", "DROWSEL", "PURPLE", "M", None, "Psychic", [],
     ["Esprit Clair", "Emprise"], None),
    (30, "Crocmou", ["Fauve"], 330, "att", "DOG", "BROWN", "S", None, None, [],
     ["Frappe Lourde", "Colere Froide"], "sang_rouge"),
    (31, "Crocalame", ["Fauve", "Ombre"], 500, "att", "DOG", "BLACK", "L", None, "Menacing", [],
     ["Colere Froide", "Regard Glacant", "Frappe Lourde"], "sang_rouge"),
    (32, "Spectrelle", ["Spectre"], 335, "spe", "GHOST", "PURPLE", "S", None, None, ["nocturne"],
     ["Chance Insolente", "Mimetisme"], "ectoplasme"),
    (33, "Hantelame", ["Spectre", "Acier"], 490, "att", "PUPPET", "GREY", "M", None, None, ["nocturne"],
     ["Carapace Dure", "Derniere Volonte"], "ectoplasme"),
    (34, "Quartzy", ["Cristal"], 325, "wall", "GLYPHIC", "CYAN", "XS", None, None, [],
     ["Carapace Dure", "Esprit Clair"], None),
    (35, "Geodrake", ["Cristal", "Roche"], 505, "tank", "DRAGON", "PINK", "XL", None, None, [],
     ["Carapace Dure", "Regard Glacant"], None),
    (36, "Mulotin", ["Brut"], 270, "fast", "MOLE", "BROWN", "XS", None, None, [],
     ["Instinct de Survie", "Appetit"], "sang_rouge"),
    (37, "Ratagrin", ["Brut"], 410, "fast", "MOLE", "BROWN", "M", None, None, [],
     ["Instinct de Survie", "Appetit", "Frappe Lourde"], "sang_rouge"),
    (38, "Mousseron", ["Sylve", "Venin"], 350, "wall", "FLOWER", "GREEN", "S", None, None, [],
     ["Seve Vive", "Appetit"], "seve_verte"),
    (39, "Tortivase", ["Maree", "Roche"], 470, "tank", "TURTLE", "DARK_GREEN", "L", None, "Lazy",
     ["aquatique"], ["Carapace Dure", "Absorption Marine"], None),
    (40, "Ecailleon", ["Maree", "Fauve"], 475, "att", "FISH", "BLUE", "L", None, None, ["aquatique"],
     ["Frappe Lourde", "Absorption Marine"], "sang_bleu"),
    (41, "Hulotine", ["Rafale", "Psyche"], 440, "spe", "BIRD", "GREY", "M", None, "Psychic", ["volant", "nocturne"],
     ["Oeil Affute", "Veille Eternelle"], None),
    (42, "Serpivre", ["Givre", "Venin"], 450, "att", "SNAKE", "CYAN", "L", None, None, [],
     ["Regard Glacant", "Mimetisme"], "sang_vert"),
    (43, "Lumignon", ["Braise", "Spectre"], 380, "spe", "GHOST", "ORANGE", "S", None, None, ["nocturne"],
     ["Ignifuge", "Mimetisme"], "ectoplasme"),
    (44, "Ampoulix", ["Foudre", "Cristal"], 420, "spe", "ZAPPLET", "CYAN", "S", None, None, [],
     ["Peau Statique", "Esprit Clair"], None),
    (45, "Crapaudor", ["Maree", "Venin"], 430, "hp", "TADPOLE", "DARK_GREEN", "M", None, None, ["aquatique"],
     ["Absorption Marine", "Appetit"], "sang_vert"),
    (46, "Papillune", ["Rafale", "Aurore"], 395, "spe", "BUTTERFLY", "PINK", "S", None, "Fairy", ["volant"],
     ["Metabolisme", "Chance Insolente"], None),
    (47, "Scarabronze", ["Acier", "Fauve"], 465, "att", "INSECT", "BROWN", "M", None, None, [],
     ["Carapace Dure", "Frappe Lourde"], None),
    (48, "Taupinet", ["Roche", "Fauve"], 360, "att", "MOLE", "BROWN", "S", None, None, [],
     ["Obstination", "Frappe Lourde"], "poussiere_grise"),
    (49, "Chatombre", ["Ombre", "Brut"], 420, "fast", "CAT", "BLACK", "S", None, None, ["nocturne"],
     ["Chance Insolente", "Instinct de Survie"], "sang_rouge"),
    (50, "Caninfer", ["Braise", "Fauve"], 470, "att", "DOG", "DARK_RED", "L", None, "Menacing", [],
     ["Regard Glacant", "Ignifuge"], "sang_rouge"),
    (51, "Medusine", ["Maree", "Psyche"], 445, "wall", "POULP", "PINK", "M", None, None, ["aquatique"],
     ["Absorption Marine", "Esprit Clair"], None),
    (52, "Golemousse", ["Sylve", "Roche"], 455, "tank", "TOLLUMP", "DARK_GREEN", "XL", None, "Lazy", [],
     ["Carapace Dure", "Seve Vive"], "seve_verte"),
    (53, "Fantomiel", ["Spectre", "Aurore"], 440, "spe", "GHOST", "ORANGE", "S", None, "Ghost", ["nocturne"],
     ["Metabolisme", "Derniere Volonte"], "ectoplasme"),
    (54, "Glaciane", ["Givre", "Cristal"], 460, "wall", "FEE", "CYAN", "M", None, "Fairy", [],
     ["Veille Eternelle", "Carapace Dure"], None),
    (55, "Orageon", ["Foudre", "Rafale"], 470, "fast", "BIRD", "ORANGE", "L", None, None, ["volant"],
     ["Peau Statique", "Elan Croissant"], None),
    (56, "Mimicri", ["Brut", "Psyche"], 380, "bal", "PUPPET", "PINK", "S", None, None, [],
     ["Mimetisme", "Esprit Clair"], None),
    (57, "Boulepine", ["Sylve"], 390, "tank", "BALL", "GREEN", "S", None, None, [],
     ["Ecorce Epineuse", "Regeneration"], "seve_verte"),
    (58, "Cendrile", ["Braise", "Rafale"], 430, "fast", "BIRD", "RED", "M", None, None, ["volant"],
     ["Ignifuge", "Regeneration"], "sang_rouge"),
    (59, "Dunaure", ["Roche", "Braise"], 440, "att", "SNAKE", "ORANGE", "L", None, None, [],
     ["Obstination", "Ignifuge"], "poussiere_grise"),
    (60, "Abysseau", ["Maree", "Ombre"], 460, "att", "FISH", "DARK_BLUE", "L", None, "Menacing", ["aquatique"],
     ["Emprise", "Absorption Marine"], "sang_bleu"),
    (61, "Escargolem", ["Acier", "Maree"], 400, "tank", "SHELL", "GREY", "M", None, "Lazy", ["aquatique"],
     ["Carapace Dure", "Regeneration"], None),
    (62, "Oeuflet", ["Brut"], 250, "hp", "EGG", "PINK", "XXS", None, None, [],
     ["Appetit", "Regeneration"], None),
    (63, "Vornithe", ["Psyche", "Rafale"], 470, "spe", "VORNITH", "PURPLE", "M", None, None, ["volant"],
     ["Esprit Clair", "Oeil Affute"], None),
    (64, "Solenhart", ["Aurore", "Braise"], 600, "spe", "PHIX", "ORANGE", "XXL", "Legende", None,
     ["legendaire", "volant"], ["Brume Natale", "Metabolisme"], None),
    (65, "Nyxarion", ["Ombre", "Psyche"], 600, "att", "ORV", "BLACK", "XXL", "Legende", None, ["legendaire"],
     ["Emprise", "Regard Glacant"], "ectoplasme"),
    (66, "Tellurion", ["Roche", "Acier"], 600, "tank", "NESS", "BROWN", "XXXL", "Legende", "Lazy", ["legendaire"],
     ["Carapace Dure", "Frappe Lourde"], "poussiere_grise"),
    (67, "Zephyralis", ["Rafale", "Foudre"], 620, "fast", "STAR", "CYAN", "XL", "Mythique", None,
     ["legendaire", "volant"], ["Elan Croissant", "Peau Statique"], None),
    (68, "Cristellia", ["Cristal", "Psyche"], 620, "spe", "FEE", "PINK", "L", "Mythique", "Fairy", ["legendaire"],
     ["Esprit Clair", "Brume Natale"], None),
    (69, "Primordis", ["Brut"], 680, "bal", "ZELKIN", "GREY", "XXL", "Fabuleux", None, ["legendaire", "origine"],
     ["Mimetisme", "Regeneration", "Esprit Clair"], None),
]

# Forms: number of the species they belong to, form name, sprite cell, types, total, profile, colour.
FORMS = [
    (36, "Mulotin des Neiges", "Neige", 70, ["Brut", "Givre"], 290, "fast", "CYAN", None),
    (22, "Lucioline Nocturne", "Nocturne", 71, ["Aurore", "Ombre"], 350, "spe", "PURPLE", None),
    (59, "Dunaure Cendre", "Cendre", 72, ["Roche", "Spectre"], 450, "att", "GREY", None),
    (69, "Primordis Eveille", "Eveil", 73, ["Brut", "Aurore"], 700, "att", "ORANGE", "Fabuleux"),
]

STATUS_MOVES_GENERIC = ["Cri Percant", "Chant Apaisant", "Marquage", "Coup Mesure", "Onde Juste"]


def moves_by_type():
    by = {}
    for m in MOVES:
        if m["type"]:
            by.setdefault(m["type"], []).append(m)
    return by


def pick_moves(rng, types, profile, total):
    by = moves_by_type()
    prefer = SPE if profile in ("spe", "wall") else PHY
    chosen = []

    def take(pool, n, want=None):
        pool = [m for m in pool if m["name"] not in chosen and (want is None or m["cat"] in want)]
        rng.shuffle(pool)
        # Weaker species learn the lighter moves first.
        pool.sort(key=lambda m: (m["power"] > 95 and total < 420, m["cat"] == STA))
        for m in pool[:n]:
            chosen.append(m["name"])

    take(by[types[0]], 2, [prefer])
    take(by[types[0]], 1, [PHY, SPE])
    take(by[types[0]], 1, [STA])
    if len(types) > 1:
        take(by[types[1]], 2, [PHY, SPE])
        take(by[types[1]], 1, [STA])
    else:
        take(by[types[0]], 1, [PHY, SPE, STA])
    take(by["Brut"], 1, [PHY])
    take([m for m in MOVES if m["name"] in STATUS_MOVES_GENERIC], 1)
    if total >= 450:
        take([m for t in types for m in by[t] if m["power"] >= 100], 1)
    return chosen


def split_stats(total, profile):
    w = PROFILES[profile]
    raw = [total * x / sum(w) for x in w]
    stats = [max(15, int(round(v))) for v in raw]
    stats[0] += total - sum(stats)
    return stats  # hp, att, def, spa, spd, vit


def creature_xml(name, number, types, total, profile, shape, colour, size, rarity, perso, tags, abilities, blood,
                 moves, form=None):
    hp, att, de, spa, spd, vit = split_stats(total, profile)
    lines = ["<creature>", "\t<name>%s</name>" % name, "\t<number>%d</number>" % number,
             "\t<stat_hp>%d</stat_hp>" % hp, "\t<stat_att>%d</stat_att>" % att, "\t<stat_def>%d</stat_def>" % de,
             "\t<stat_spe_att>%d</stat_spe_att>" % spa, "\t<stat_spe_def>%d</stat_spe_def>" % spd,
             "\t<stat_vit>%d</stat_vit>" % vit]
    for t in types:
        lines.append("\t<type>%s</type>" % t)
    lines.append('\t<minisprite color="%s">%s</minisprite>' % (colour, shape))
    if perso:
        lines.append("\t<personnality>%s</personnality>" % perso)
    lines.append("\t<size>%s</size>" % size)
    if rarity:
        lines.append("\t<statut>%s</statut>" % rarity)
    for m in moves:
        lines.append("\t<move>%s</move>" % esc(m))
    for a in abilities:
        lines.append("\t<ability>%s</ability>" % a)
    for t in tags:
        lines.append("\t<tag>%s</tag>" % t)
    if blood and SHIP_BLOOD:
        lines.append("\t<blood>%s</blood>" % blood)
    if form:
        lines.append('\t<form sprite_number="%d">%s</form>' % (form[1], form[0]))
    lines.append("</creature>")
    return "\n".join(lines), total


SPECIES_TOTALS = {}


def gen_creatures():
    rng = random.Random(20240611)
    out = ["<library>\n\t<name>BASE</name>\n\t<code>BASE</code>\n\t<file>zelkins_base.png</file>\n"
           "\t<form-file>zelkins_base.png</form-file>\n\t<zlkn_per_line>16</zlkn_per_line>\n"
           "\t<zlkn_width>64</zlkn_width>\n\t<zlkn_height>64</zlkn_height>\n\t<zlkn_face>0</zlkn_face>\n</library>"]
    by_number = {}
    for sp in SPECIES:
        number, name, types, total, profile, shape, colour, size, rarity, perso, tags, abilities, blood = sp
        moves = pick_moves(rng, types, profile, total)
        xml, _ = creature_xml(name, number, types, total, profile, shape, colour, size, rarity, perso, tags,
                              abilities, blood, moves)
        out.append(xml)
        by_number[number] = sp
        SPECIES_TOTALS[number] = (total, rarity or "", "")
    for number, name, form_name, cell, types, total, profile, colour, rarity in FORMS:
        base = by_number[number]
        moves = pick_moves(rng, types, profile, total)
        xml, _ = creature_xml(name, number, types, total, profile, base[5], colour, base[7], rarity, base[9],
                              base[10] + ["forme"], base[11], base[12], moves, form=(form_name, cell))
        out.append(xml)
    write("creatures/base.xml", "\n".join(out) + "\n")


# --------------------------------------------------------------------------------------------------
# Stadiums, rulesets, trainers
# --------------------------------------------------------------------------------------------------
STADIUMS = [
    ("Arene des Prairies", "stade_prairies.png", 30, "1,2,3,4", 70, ["10,0,16,1", "0,6,1,8"], None,
     [trig("END_TURN", cmd("SubEffect", chance=9, inner=frac("val_1", "source", 16)
                           + cmd("Heal", "Une brise fraîche des prairies revigore [SOURCE].", value="var:val_1",
                                 reason="STADE")), "source")]),
    ("Cratere Ardent", "stade_cratere.png", 45, "5,6,7", 85, ["0,0,1,2", "22,12,26,14"], None,
     [trig("START_MATCH", cmd("AddGlobal", "La chaleur du cratère écrase le terrain !", name="Soleil Ardent",
                              duration=3), "source")]),
    ("Lagon des Brumes", "stade_lagon.png", 25, "8,9,2", 60, ["5,11,9,14", "17,0,21,1"], None,
     [trig("START_MATCH", cmd("AddGlobal", "La brume du lagon envahit l'arène.", name="Brouillard", duration=4),
           "source")]),
    ("Cirque de Glace", "stade_glace.png", 35, "10,11,3", 75, ["12,11,14,14"], None,
     [trig("CHECK_STAT_SPEED", has("var:source:type", "Givre", "has",
                                   '<MultiplyVariable name="var:result" value="1.2"/>'), "source", 1)]),
    ("Ruines Oubliees", "stade_ruines.png", 20, "12,13,14", 90, ["0,0,4,3", "22,0,26,3", "5,13,21,14"], None,
     [trig("AFTER_SWITCH", has("var:source:type", "Spectre,Ombre", "has",
                               cmd("DisplayMessage", "Les ruines murmurent le nom de [SOURCE]...")), "source")]),
    ("Sanctuaire du Zenith", "stade_zenith.png", 60, "15,16", 95, ["0,0,26,0"], True,
     [trig("START_MATCH", cmd("DisplayMessage", "Le sanctuaire s'illumine : que le combat ultime commence !")
           + cmd("AddGlobal", name="Ferveur du Zenith"), "source", 10)]),
]


def gen_stadiums():
    out = []
    for name, f, hype, sup, prio, zones, ultimate, triggers in STADIUMS:
        lines = ["<stadium>", "\t<name>%s</name>" % name, "\t<file>%s</file>" % f, "\t<hype>%d</hype>" % hype,
                 '\t<supporters priority="%d">%s</supporters>' % (prio, sup)]
        if ultimate:
            lines.append("\t<ultimate/>")
        for z in zones:
            lines.append("\t<nogo_zone>%s</nogo_zone>" % z)
        lines += triggers
        lines.append("</stadium>")
        out.append("\n".join(lines))
    write("stadiums/stadiums.xml", "\n".join(out) + "\n")


RULESETS = [
    # file, name, elements, triggers
    ("a_libre.xml", "Libre", [], []),
    ("b_ligue.xml", "Ligue Classique", ["<base_level>50</base_level>", "<max_sum_stats>560</max_sum_stats>",
                                        "<no_legendaries/>", "<no_mythics/>", "<no_fabulous/>"],
     [trig("START_MATCH", cmd("DisplayMessage", "Règles de la Ligue : aucune créature légendaire admise."),
           "source")]),
    ("c_espoirs.xml", "Coupe des Espoirs", ["<base_level>30</base_level>", "<max_sum_stats>480</max_sum_stats>",
                                            "<no_autobalance/>", "<no_forms/>", "<no_fabulous/>",
                                            "<balance_min_power>400</balance_min_power>"],
     [trig("END_TURN", num("var:field:turn", "10", "sup",
                           frac("val_4", "source", 16)
                           + cmd("Damage", "La fatigue gagne [SOURCE].", value="var:val_4", reason="REGLE")),
           "source")]),
    ("d_titans.xml", "Epreuve des Titans", ["<base_level>70</base_level>", "<min_sum_stats>420</min_sum_stats>",
                                             "<balance_min_power>560</balance_min_power>"],
     [trig("START_MATCH", cmd("AddGlobal", "Les titans s'affrontent : la ferveur gagne l'arène !",
                              name="Ferveur du Zenith", duration=3), "source")]),
]


def gen_rulesets():
    for fname, name, elems, triggers in RULESETS:
        lines = ["<ruleset>", "\t<name>%s</name>" % name] + ["\t" + e for e in elems] + triggers + ["</ruleset>"]
        write("rulesets/" + fname, "\n".join(lines) + "\n")


TRAINERS = [
    (1, "Basile", "Un pas après l'autre, jusqu'au sommet.", False),
    (2, "Capucine", "Mes créatures d'abord, la victoire ensuite.", False),
    (3, "Eloi", "J'ai appris plus de mes défaites que de mes victoires.", False),
    (4, "Margaux", "La patience est ma meilleure attaque.", False),
    (5, "Timothée", "Rien ne vaut un bon coup de chaud !", False),
    (6, "Ysaline", "Le vent tourne toujours en ma faveur.", False),
    (7, "Gaspard", None, False),
    (8, "Nour", "On ne gagne pas sans y croire.", False),
    (9, "Lisandre", "Chaque créature a son moment de gloire.", False),
    (10, "Oscar", "Attention, je mords !", False),
    (11, "Romy", None, False),
    (12, "Félicien", "Le calme avant la tempête.", False),
    (13, "Maître Aldebert", "Trente ans d'arène, et toujours debout.", True),
    (14, "Dame Séraphine", "La lumière finit toujours par percer.", True),
    (15, "Le Veilleur", "Je connais chacun de vos coups.", True),
    (16, "Championne Isaure", "Viens, et montre-moi ce que tu vaux.", True),
]


def gen_trainers():
    out = []
    for tid, name, credo, unique in TRAINERS:
        lines = ["<trainer>", "\t<name>%s</name>" % esc(name), "\t<id>%d</id>" % tid]
        if credo:
            lines.append("\t<credo>%s</credo>" % esc(credo))
        if unique:
            lines.append("\t<unique/>")
        lines.append("</trainer>")
        out.append("\n".join(lines))
    write("trainers.xml", "\n".join(out) + "\n")


# --------------------------------------------------------------------------------------------------
# Checks on the authored tables themselves (the lint test checks the loaded result).
# --------------------------------------------------------------------------------------------------
def admitted(rule_elems):
    mx, mn, legend = 9999, 0, True
    mythic, fab, forms = True, True, True
    for e in rule_elems:
        if e.startswith("<max_sum_stats>"):
            mx = int(e[15:e.index("</")])
        if e.startswith("<min_sum_stats>"):
            mn = int(e[15:e.index("</")])
        legend &= e != "<no_legendaries/>"
        mythic &= e != "<no_mythics/>"
        fab &= e != "<no_fabulous/>"
        forms &= e != "<no_forms/>"
    rank = {"": 0, "Legende": 1, "Mythique": 2, "Fabuleux": 3}
    allow = {1: legend, 2: mythic, 3: fab}
    numbers = set()
    for sp in SPECIES:
        total, rarity = sp[3], rank[sp[8] or ""]
        if mn <= total <= mx and all(allow[k] for k in range(1, rarity + 1)):
            numbers.add(sp[0])
    return numbers


def self_check():
    names = [m["name"] for m in MOVES]
    assert len(names) == len(set(names)), "duplicate move name"
    assert len(MOVES) >= 100, len(MOVES)
    for t in TYPE_NAMES:
        assert any(m["type"] == t for m in MOVES), t
    for _, name, elems, _ in RULESETS:
        count = len(admitted(elems))
        assert count >= 37, (name, count)
    numbers = [sp[0] for sp in SPECIES]
    assert numbers == list(range(1, len(SPECIES) + 1)), "species must be numbered 1..n"
    ability_names = {a[0] for a in ABILITIES}
    for sp in SPECIES:
        for a in sp[11]:
            assert a in ability_names, a


def main():
    self_check()
    gen_types()
    gen_abilities()
    gen_buffs()
    gen_moves()
    gen_creatures()
    gen_stadiums()
    gen_rulesets()
    gen_trainers()
    import gen_commentator  # noqa: E402 (the phrases live in their own file)
    gen_commentator.generate(write)
    print("moves %d, species %d (+%d forms), abilities %d, buffs %d, types %d, stadiums %d, rulesets %d, "
          "trainers %d" % (len(MOVES), len(SPECIES), len(FORMS), len(ABILITIES), len(STATUSES) + len(OTHER_BUFFS),
                           len(TYPES), len(STADIUMS), len(RULESETS), len(TRAINERS)))
    for _, name, elems, _ in RULESETS:
        print("  ruleset %-20s admits %d species numbers" % (name, len(admitted(elems))))


if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    main()
