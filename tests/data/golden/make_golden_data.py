#!/usr/bin/env python3
"""Writes the small fixed data set of the golden random map into this folder.

It reuses the line layouts of the shipped data set's generator with a few
entries of each kind. The output is committed; the golden map itself
(GoldenMap.txt) is written by the command-line tool, see README.txt.
    python3 tests/data/golden/make_golden_data.py
"""
import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "data"))
import make_default_data as d  # noqa: E402

MOD = os.path.join(HERE, "Golden")
DATA = os.path.join(MOD, "Data")


def stellar_objects():
    entries = [d.star("Yellow", "Medium", 1), d.star("Red", "Small", 2),
               d.planet("Small Rock None Planet", "Small", "Rock", "None", 3),
               d.planet("Medium Rock Oxygen Planet", "Medium", "Rock", "Oxygen", 4),
               d.planet("Large Gas Giant Hydrogen Planet", "Large", "Gas Giant", "Hydrogen", 5),
               d.simple("Medium Rock Asteroid Field", "Asteroids", "Asteroids_Rock.bmp", "Medium",
                        [d.obj("Asteroid Type", "Rock")], 6),
               d.simple("Ion Storm", "Storm", "Storm_Ion.bmp", "Medium", [], 7)]
    for index, (size, stability) in enumerate((("Small", "Stable"), ("Large", "Stable"), ("Large", "Unstable")), 8):
        name = f"{size} Warp Point" if stability == "Stable" else f"{size} Unstable Warp Point"
        entries.append(d.simple(name, "Warp Point", "WarpPoint.bmp", size, [d.obj("Warp Stability", stability)], index))
    lines = [d.SEPARATOR, "STELLAR OBJECT TYPES", d.SEPARATOR, ""]
    for entry in entries:
        lines += entry + [""]
    return lines


d.ABILITY_GROUPS = [
    ("Normal Planet", [(400, "Resource Bonus", "Rich mineral deposits", "Planet", 0, "10", "0"),
                       (200, "Population Growth", "Fertile lands", "Planet", 0, "5", "0")]),
    ("Normal Asteroids", [(500, "Resource Bonus", "Dense ore bodies", "Asteroids", 0, "15", "0")]),
    ("Normal Storm", [(1000, "Shield Drain", "Drains ship shields", "Sector", 0, "10", "0")]),
    ("Normal Star", [(300, "Solar Flares", "Violent flares damage ships", "System", 2, "5", "0")]),
]
d.BACKGROUNDS = ["Skybox_Blue.bmp", "Skybox_Red.bmp", "Skybox_Green.bmp"]
d.CHANCE_TYPES = d.CHANCE_TYPES[:1]
d.SYSTEM_TYPES = [
    ("Yellow Star System", "A yellow sun with a family of worlds.", "Normal", "Portrait_Normal_1.bmp", 0, True,
     "Standard Chances",
     [d.star_obj("Ring 1", "Medium", "Yellow"), d.planet_obj("Ring 3", "Small", "Rock", "None"),
      d.planet_obj("Circle Radius 7, 7", "Large", "Gas Giant", "Hydrogen"),
      d.asteroid_obj("Ring 9", "Medium", "Rock")]),
    ("Red Dwarf System", "A dim red star and a warm planet.", "Normal", "Portrait_Normal_2.bmp", 1, True,
     "Standard Chances",
     [d.star_obj("Ring 1", "Small", "Red"), d.planet_obj("Offset 0 Radius 3", "Medium", "Rock", "Oxygen"),
      d.storm_obj("Any")]),
    ("Empty Nebula", "Thin gas and one storm.", "Nebulae", "Portrait_Nebulae_1.bmp", 0, False,
     "Standard Chances", [d.storm_obj("Same As 0"), d.asteroid_obj("Coord -3,2", "Medium", "Rock")]),
]
d.QUADRANT_TYPES = [
    ("Golden Quadrant", "A yellow sun at a fixed place, a mix around it.", 5,
     [("Yellow Star System", 20, 20)],
     [("Yellow Star System", 500), ("Red Dwarf System", 300), ("Empty Nebula", 200)]),
]
NAMES = ["Arcas", "Bellan", "Corvo", "Dessa", "Eldor", "Fimbra", "Gaspar", "Hollin", "Istra", "Jorune",
         "Kessel", "Lumen", "Mirra", "Nadir", "Orrin", "Pallas", "Quill", "Rhenna", "Sabik", "Tamsin"]


def main():
    d.write(os.path.join(HERE, "DizIzuzuri.ini"),
            ["[Data Directory]", "Golden/Data", "[Map Compiler Path]", ".", "[Map Folder]", "Golden/Maps",
             "[Multiple Objects in same Sector]", "False"])
    d.write(os.path.join(MOD, "Mod_Definition.txt"),
            [d.SEPARATOR, "MOD DEFINITION", d.SEPARATOR, "Mod Name                  := Golden Test Data"])
    d.write(os.path.join(DATA, "StellarObjectTypes.txt"), stellar_objects())
    d.write(os.path.join(DATA, "StellarAbilityTypes.txt"), d.abilities())
    d.write(os.path.join(DATA, "SystemTypes.txt"), d.system_types())
    d.write(os.path.join(DATA, "QuadrantTypes.txt"), d.quadrant_types())
    d.write(os.path.join(DATA, "SystemNames.txt"), NAMES)


if __name__ == "__main__":
    main()
