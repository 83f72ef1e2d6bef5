#!/usr/bin/env python3
"""Writes the bot trainers of the roster under bots/, one XML file each.

Run from the repository root:  /usr/bin/python3 tools/gen_bots.py
Each bot's team is given below as species numbers of the library "BASE" (data/creatures/base.xml); the
script reads that file to check every number and to pick each member's four moves among the moves its
species can learn (a fixed draw per bot, so running the script twice writes the same files). The game
rewrites these files after the bots' battles (streak, history, matchups): running the script again
resets those records. Texts are written as ISO-8859-1 bytes, escaped for XML.
"""

import os
import random
import re
import sys
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BOTS = os.path.join(ROOT, "bots")
SPECIES_FILE = os.path.join(ROOT, "data", "creatures", "base.xml")
HEADER = '<?xml version="1.0" encoding="iso-8859-1" ?>\n'

# name, sprite (a trainer picture, 1..16), credo, tags, team. A member is a species number, or a
# (number, form) pair for a form of the species.
ROSTER = [
    ("Armand Cendrier", 3, "Le feu ne recule jamais, il avance.", ["Red"],
     [1, 50, 59, 43, 58, 3]),
    ("Odile Marnier", 7, "La marée emporte toujours les imprudents.", ["Blue"],
     [5, 39, 45, 60, 51, 6]),
    ("Basile Fougerol", 2, "Patience et racines font les grandes forêts.", ["Red"],
     [8, 24, 38, 52, 57, 9]),
    ("Célestine Orage", 11, "Un éclair ne frappe jamais deux fois... sauf moi.", ["Blue"],
     [10, 27, 44, 55, 11, 67]),
    ("Gaspard Frimas", 5, "Le froid garde tout, même la victoire.", ["Red"],
     [12, 42, 54, (36, "Neige"), 13, 6]),
    ("Mathilde Rochebrune", 9, "Solide comme le roc, têtue comme la montagne.", ["Blue"],
     [15, 48, 35, 61, 16, 39]),
    ("Ernest Volutte", 4, "Le vent tourne, et moi avec lui.", ["Red"],
     [18, 41, 46, 63, 19, 58]),
    ("Léonie Crépuscule", 13, "Dans l'ombre, on voit mieux ses adversaires.", ["Blue"],
     [20, 49, 60, 31, 21, 65]),
    ("Aurélien Clairval", 6, "Chaque aube est une nouvelle chance de gagner.", ["Red"],
     [22, (22, "Nocturne"), 46, 53, 23, 64]),
    ("Prosper Ferblanc", 8, "Un bon boulon vaut mieux qu'un long discours.", ["Blue"],
     [26, 47, 33, 61, 27, 66]),
    ("Noémie Songevive", 12, "Je sais déjà ce que tu vas jouer.", ["Red", "Blue"],
     [28, 29, 51, 56, 63, 68]),
    ("Hector Crocfer", 10, "Mordre d'abord, réfléchir ensuite !", ["Red"],
     [30, 40, 47, 50, 31, 9]),
    ("Ysaline Vitrail", 14, "Pure comme le cristal, tranchante comme lui.", ["Blue"],
     [34, 44, 54, 35, 68, 23]),
    ("Maître Primaël", 16, "Reviens quand tu auras battu tous les autres.", [],
     [69, 65, 66, 67, 64, (59, "Cendre")]),
]


def read_species():
    """number -> {form name or "": [moves]} from the library file (no root element: read by pattern)."""
    text = open(SPECIES_FILE, encoding="iso-8859-1").read()
    species = {}
    for block in re.findall(r"<creature>(.*?)</creature>", text, re.S):
        number = int(re.search(r"<number>\s*(\d+)\s*</number>", block).group(1))
        form = re.search(r"<form[^>]*>(.*?)</form>", block)
        moves = re.findall(r"<move>(.*?)</move>", block)
        name = re.search(r"<name>(.*?)</name>", block).group(1)
        species.setdefault(number, {})[form.group(1) if form else ""] = (name, moves)
    return species


def esc(text):
    return escape(text, {'"': "&quot;", "'": "&apos;"})


def file_name(name):
    table = str.maketrans("àâäçéèêëîïôöùûüÿ", "aaaceeeeiioouuuy")
    plain = name.lower().translate(table)
    return re.sub(r"[^a-z0-9]+", "_", plain).strip("_") + ".xml"


def main():
    species = read_species()
    os.makedirs(BOTS, exist_ok=True)
    written = []
    for name, sprite, credo, tags, team in ROSTER:
        if len(team) != 6:
            sys.exit("bot %s: a team needs six members" % name)
        draw = random.Random(name)
        lines = [HEADER, "<zelkbot>\n", "<name>%s</name>\n" % esc(name), "<credo>%s</credo>\n" % esc(credo),
                 "<streak>0</streak>\n", "<sprite>%d</sprite>\n" % sprite, "<historic></historic>\n"]
        for member in team:
            number, form = member if isinstance(member, tuple) else (member, "")
            if number not in species or form not in species[number]:
                sys.exit("bot %s: no species %d %s in BASE" % (name, number, form))
            creature, moves = species[number][form]
            if len(moves) < 1:
                sys.exit("bot %s: species %d has no move" % (name, number))
            picked = sorted(draw.sample(range(len(moves)), min(4, len(moves))))
            lines.append("<zelkin>\n")
            lines.append('<number form="%s">%d</number>\n' % (esc(form), number) if form
                         else "<number>%d</number>\n" % number)
            lines.append("<name>%s</name>\n" % esc(creature))
            for index in picked:
                lines.append("<move>%s</move>\n" % esc(moves[index]))
            lines.append("</zelkin>\n")
        for tag in tags:
            lines.append("<tag>%s</tag>\n" % esc(tag))
        lines.append("</zelkbot>\n")
        path = os.path.join(BOTS, file_name(name))
        if path in written:
            sys.exit("two bots share the file %s" % path)
        written.append(path)
        with open(path, "wb") as out:
            out.write("".join(lines).encode("iso-8859-1"))
    print("%d bots written to %s" % (len(written), BOTS))


if __name__ == "__main__":
    main()
