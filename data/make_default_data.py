#!/usr/bin/env python3
"""Writes the shipped default data set into data/program/.

Every file is invented here in the positional layouts the editor reads. The
output is committed; run this again only after changing it:
    python3 data/make_default_data.py
"""
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "program")
MOD = os.path.join(ROOT, "Default")
DATA = os.path.join(MOD, "Data")

COLOURS = ["Yellow", "Red", "Purple", "Green", "Blue", "White", "Orange"]
SIZES = ["Tiny", "Small", "Medium", "Large", "Huge"]
PLANET_TYPES = ["Rock", "Ice", "Gas Giant"]
ATMOSPHERES = ["None", "Oxygen", "Hydrogen", "Methane", "Carbon Dioxide"]
SEPARATOR = "=" * 87


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("latin-1"))


def keyed(width):
    """A line maker whose values start right after ":= " at column width + 4."""
    return lambda key, value: key.ljust(width) + ":= " + str(value)


# ---------------------------------------------------------------- stellar objects
obj = keyed(27)  # values from column 31


def star(colour, size, index):
    return [obj("Stellar Object Name", f"{colour} {size} Star"), obj("Physical Type", "Star"),
            obj("Description", f"A {size.lower()} {colour.lower()} star."), obj("Code Name", f"STAR_{index:03d}"),
            obj("Large Bitmap Index", index), obj("Small Bitmap Index", index), obj("Combat Tile", "Star"),
            obj("Picture File", f"Star_{colour}.bmp"), obj("Spin Speed", 5), obj("Luminosity", 3 + index % 5),
            obj("Star Size", size), obj("Star Age", "Middle"), obj("Star Color", colour),
            obj("Number of Abilities", 0)]


def planet_picture(size, ptype):
    if size in ("Ringworld", "Sphereworld"):
        return size + ".bmp"
    return "Planet_" + ptype.replace(" ", "") + ".bmp"


def planet(name, size, ptype, atmosphere, index):
    head = [obj("Stellar Object Name", name), obj("Physical Type", "Planet"),
            obj("Description", f"A {size.lower()} {ptype.lower()} world with a {atmosphere.lower()} atmosphere."),
            obj("Code Name", f"PLANET_{index:03d}"), obj("Large Bitmap Index", index), obj("Small Bitmap Index", index)]
    if name.startswith("Sphereworld"):
        head.append(obj("Shell Segments", 12))
    gravity = {"Tiny": "0.3", "Small": "0.6", "Medium": "1.0", "Large": "1.4", "Huge": "1.8"}.get(size, "1.0")
    return head + [obj("Picture File", planet_picture(size, ptype)), obj("Spin Speed", 2), obj("Axial Tilt", 15),
                   obj("Planet Size", size), obj("Planet Type", ptype), obj("Planet Atmosphere", atmosphere),
                   obj("Surface Gravity", gravity), obj("Cargo Facility Space", 100),
                   obj("Max Facilities", 10), obj("Max Population", 1000), obj("Number of Abilities", 0)]


def simple(name, kind, picture, size, extra, index):
    lines = [obj("Stellar Object Name", name), obj("Physical Type", kind),
             obj("Description", f"{name}."), obj("Code Name", f"OBJ_{index:03d}"),
             obj("Large Bitmap Index", index), obj("Small Bitmap Index", index), obj("Picture File", picture),
             obj("Spin Speed", 1), obj("Density", 50), obj(kind.split()[0] + " Size", size)]
    return lines + extra + [obj("Number of Abilities", 0)]


def stellar_objects():
    entries = []
    for colour in COLOURS:
        for size in SIZES:
            entries.append(star(colour, size, len(entries) + 1))
    for size in SIZES:
        for ptype in PLANET_TYPES:
            for atmosphere in ATMOSPHERES:
                entries.append(planet(f"{size} {ptype} {atmosphere} Planet", size, ptype, atmosphere,
                                      len(entries) + 1))
    for special in ("Ringworld", "Sphereworld"):
        for ptype in PLANET_TYPES:
            for atmosphere in ATMOSPHERES:
                entries.append(planet(f"{special} {ptype} {atmosphere}", special, ptype, atmosphere,
                                      len(entries) + 1))
    for size in SIZES:
        for atype in ("Rock", "Ice"):
            entries.append(simple(f"{size} {atype} Asteroid Field", "Asteroids", f"Asteroids_{atype}.bmp", size,
                                  [obj("Asteroid Type", atype)], len(entries) + 1))
    for storm, size in (("Ion", "Medium"), ("Radiation", "Large"), ("Gravitic", "Large"), ("Plasma", "Small")):
        entries.append(simple(f"{storm} Storm", "Storm", f"Storm_{storm}.bmp", size, [], len(entries) + 1))
    for size, stability in (("Tiny", "Stable"), ("Small", "Stable"), ("Medium", "Stable"), ("Large", "Stable"),
                            ("Large", "Unstable"), ("Huge", "Stable")):
        name = f"{size} Warp Point" if stability == "Stable" else f"{size} Unstable Warp Point"
        picture = "WarpPoint.bmp" if stability == "Stable" else "WarpPoint_Unstable.bmp"
        entries.append(simple(name, "Warp Point", picture, size, [obj("Warp Stability", stability)],
                              len(entries) + 1))
    lines = [SEPARATOR, "STELLAR OBJECT TYPES", SEPARATOR, ""]
    for entry in entries:
        lines += entry + [""]
    return lines


# ---------------------------------------------------------------- abilities
abl = keyed(48)  # values from column 52

# One group name line, then its abilities as
# chance | type | description | scope | range formula | amount 1 | amount 2
ABILITY_TABLE = """
Normal Planet
    150 | Resource Bonus      | Rich mineral deposits          | Planet    | 0 | 10  | 0
     50 | Resource Bonus      | Very rich mineral deposits     | Planet    | 0 | 25  | 0
    100 | Population Growth   | Fertile lands                  | Planet    | 0 | 5   | 0
     30 | Ancient Ruins       | Ruins of a vanished people     | Planet    | 0 | 1   | 0
Normal Asteroids
    200 | Resource Bonus      | Dense ore bodies               | Asteroids | 0 | 15  | 0
     80 | Sensor Interference | Metallic dust blinds sensors   | Sector    | 1 | 20  | 0
Normal Storm
   1000 | Shield Drain        | Drains ship shields            | Sector    | 0 | 10  | 0
    500 | Sensor Interference | Blinds ship sensors            | Sector    | 0 | 50  | 0
Normal Star
    100 | Solar Flares        | Violent flares damage ships    | System    | 2 | 5   | 0
     50 | Energy Supply       | Ships recharge from the corona | System    | 3 | 100 | 0
      0 | Supernova Risk      | May explode one day            | System    | 0 | 1   | 0
Normal Warp Point
      0 | Warp Delay          | Ships lose time in transit     | Sector    | 0 | 1   | 0
Unstable Warp Point
   1000 | Warp Damage         | Ships are damaged in transit   | Sector    | 0 | 20  | 0
   1000 | Warp Closing        | May close without warning      | Sector    | 0 | 5   | 10
Derelict Station
    100 | Salvage             | Ruined station with salvage    | Sector    | 0 | 500 | 0
Quiet Void
"""


def ability_groups():
    """(group name, [(chance, type, description, scope, range, amount 1, amount 2)]) in table order."""
    groups = []
    for line in ABILITY_TABLE.strip("\n").split("\n"):
        if "|" not in line:
            groups.append((line, []))
            continue
        chance, tipe, desc, scope, rng, am1, am2 = (part.strip() for part in line.split("|"))
        groups[-1][1].append((int(chance), tipe, desc, scope, int(rng), am1, am2))
    return groups


ABILITY_GROUPS = ability_groups()


def abilities():
    lines = [SEPARATOR, "STELLAR ABILITY TYPES", SEPARATOR, ""]
    for group, items in ABILITY_GROUPS:
        lines += [abl("Name", group), abl("Number of Abilities", len(items))]
        for i, (chance, tipe, desc, scope, rng, am1, am2) in enumerate(items, 1):
            lines += [abl(f"Ability {i} Chance", chance), abl(f"Ability {i} Type", tipe),
                      abl(f"Ability {i} Description", desc), abl(f"Ability {i} Scope", scope),
                      abl(f"Ability {i} Range Formula", rng), abl(f"Ability {i} Amount 1 Formula", am1),
                      abl(f"Ability {i} Amount 2 Formula", am2)]
        lines.append("")
    return lines


# ---------------------------------------------------------------- system types
sys_ = keyed(49)  # values from column 53

BACKGROUNDS = ["Skybox_Blue.bmp", "Skybox_Red.bmp", "Skybox_Green.bmp", "Skybox_Violet.bmp", "Skybox_Dust.bmp",
               "Skybox_Stars.bmp", "Skybox_Core.bmp", "Skybox_Void.bmp", "Skybox_Amber.bmp", "Skybox_Teal.bmp"]

CHANCE_TYPES = [
    ("Standard Chances", [("Tiny", 10), ("Small", 25), ("Medium", 35), ("Large", 20), ("Huge", 10)],
     [(c, 14) for c in COLOURS], [(a, 20) for a in ATMOSPHERES]),
    ("Barren Chances", [("Tiny", 40), ("Small", 40), ("Medium", 20)],
     [("Red", 60), ("White", 40)], [("None", 80), ("Methane", 20)]),
]


def star_obj(rule, size, colour):
    return ("Star", rule, "Normal Star", {"Size": size, "Colour": colour})


def planet_obj(rule, size, ptype, atmosphere):
    return ("Planet", rule, "Normal Planet", {"Size": size, "Type": ptype, "Atmosphere": atmosphere})


def asteroid_obj(rule, size, atype):
    return ("Asteroids", rule, "Normal Asteroids", {"Size": size, "Type": atype})


def storm_obj(rule):
    return ("Storm", rule, "Normal Storm", {"Size": "Any"})


BLACK_HOLE_CLOUDS = [
    ("Cloud Count", 12), ("Dust Particle Count", 400), ("Cloud Start Distance", 150),
    ("Dust Start Distance", 60), ("Spin Speed", "0.25"), ("Pull Speed", "3.5"),
]

SYSTEM_TYPES = [
    ("Yellow Star System", "A yellow sun with a family of worlds.", "Normal", "Portrait_Normal_1.bmp", 0, True,
     "Standard Chances",
     [star_obj("Ring 1", "Medium", "Yellow"), planet_obj("Ring 3", "Small", "Rock", "None"),
      planet_obj("Ring 5", "Medium", "Rock", "Oxygen"), planet_obj("Circle Radius 7, 7", "Large", "Gas Giant", "Any"),
      asteroid_obj("Ring 9", "Medium", "Rock")]),
    ("Red Dwarf System", "A dim red star and a cold planet.", "Normal", "Portrait_Normal_2.bmp", 1, True,
     "Barren Chances",
     [star_obj("Ring 1", "Small", "Red"), planet_obj("Ring 2", "Small", "Ice", "None"), storm_obj("Any")]),
    ("Binary Star System", "Two stars circle each other.", "Normal", "Portrait_Normal_3.bmp", 2, False,
     "Standard Chances",
     [star_obj("Coord -5,0", "Large", "Blue"), star_obj("Coord 5,0", "Medium", "White"),
      planet_obj("Offset 0 Radius 3", "Any", "Rock", "Any"), planet_obj("Offset 1 Radius 3", "Any", "Ice", "Any")]),
    ("Gas Giant Moons", "A giant world surrounded by moons.", "Normal", "Portrait_Normal_4.bmp", 3, True,
     "Standard Chances",
     [star_obj("Ring 1", "Any", "Orange"), planet_obj("Coord 6,2", "Huge", "Gas Giant", "Hydrogen"),
      planet_obj("Offset 1 Radius 2", "Tiny", "Ice", "None"), planet_obj("Offset 1 Radius 2", "Tiny", "Rock", "None"),
      planet_obj("Offset 1 Radius 2", "Small", "Ice", "Methane")]),
    ("Asteroid Belt", "A star ringed by countless rocks.", "Normal", "Portrait_Normal_5.bmp", 4, True,
     "Standard Chances",
     [star_obj("Ring 1", "Any", "Any")] + [asteroid_obj("Ring 8", "Any", "Rock" if i % 3 else "Ice")
                                           for i in range(15)]),
    ("Twin Worlds", "Two worlds share one orbit.", "Normal", "Portrait_Normal_6.bmp", 5, True, "Standard Chances",
     [star_obj("Ring 1", "Medium", "Any"), planet_obj("Circle Radius 7, 7", "Medium", "Rock", "Oxygen"),
      storm_obj("Same As 1")]),
    ("Ringworld System", "An ancient artificial ring around its star.", "Normal", "Portrait_Normal_7.bmp", 6, False,
     "Standard Chances",
     [star_obj("Ring 1", "Large", "Yellow"), planet_obj("Ring 4", "Ringworld", "Any", "Any")]),
    ("Sphereworld System", "A shell built around a sun.", "Normal", "Portrait_Normal_8.bmp", 7, False,
     "Standard Chances",
     [star_obj("Ring 1", "Huge", "Any"), planet_obj("Coord 0,5", "Sphereworld", "Rock", "Any")]),
    ("Black Hole", "A collapsed star that swallows light.", "Black Hole", "Portrait_BlackHole_1.bmp", 0, False,
     "Barren Chances",
     []),
    ("Dense Nebula", "Glowing gas hides everything inside.", "Nebulae", "Portrait_Nebulae_1.bmp", 0, False,
     "Barren Chances",
     [storm_obj("Ring 1"), storm_obj("Any"), storm_obj("Ring 5")]),
    ("Empty Nebula", "Thin gas and nothing else.", "Nebulae", "Portrait_Nebulae_2.bmp", 1, False,
     "Barren Chances", [storm_obj("Any")]),
    ("Ice Field System", "A white star and its frozen companions.", "Normal", "Portrait_Normal_9.bmp", 8, True,
     "Standard Chances",
     [star_obj("Ring 1", "Tiny", "White"), asteroid_obj("Any", "Any", "Ice"), planet_obj("Any", "Any", "Ice", "Any"),
      planet_obj("Ring 6", "Small", "Ice", "Carbon Dioxide")]),
]


def system_object_lines(n, obj_def, asteroid_belt_extra):
    kind, rule, group, values = obj_def
    lines = [sys_(f"Obj {n} Physical Type", kind), sys_(f"Obj {n} Position", rule),
             sys_(f"Obj {n} Ability Group", group), sys_(f"Obj {n} Special Ability", "None")]
    if asteroid_belt_extra:
        lines.append(sys_(f"Obj {n} Specific Stellar Obj Name", "Any"))
    lines.append(sys_(f"Obj {n} Size", values["Size"]))
    if kind == "Star":
        lines += [sys_(f"Obj {n} Age", "Any"), sys_(f"Obj {n} Color", values["Colour"]),
                  sys_(f"Obj {n} Luminosity", "Any")]
    elif kind == "Planet":
        lines += [sys_(f"Obj {n} Atmosphere", values["Atmosphere"]), sys_(f"Obj {n} Planet Type", values["Type"])]
    elif kind == "Asteroids":
        lines += [sys_(f"Obj {n} Density", "Any"), sys_(f"Obj {n} Asteroid Type", values["Type"])]
    return lines


def system_type_lines(entry):
    name, desc, physical, portrait, index, can_start, chance, objects = entry
    clouds = 1 if physical == "Black Hole" else 0
    lines = [sys_("Name", name), sys_("Description", desc), sys_("System Physical Type", physical),
             sys_("Portrait Bitmap", portrait), sys_("Portrait Picture Index", index),
             sys_("Empires Can Start In", "True" if can_start else "False"),
             sys_("Number of Black Hole Clouds", clouds)]
    for c in range(1, clouds + 1):
        lines += [sys_(f"Black Hole Cloud {c} {key}", value) for key, value in BLACK_HOLE_CLOUDS]
    lines += [sys_("Is Common Starting Position", "False"), sys_("WP Min Radius", 360), sys_("WP Max Radius", 400),
              sys_("Any Chance Type", chance), sys_("Number of Objects", len(objects))]
    for k, obj_def in enumerate(objects):
        lines += system_object_lines(k + 1, obj_def, name == "Asteroid Belt" and k == 14)
    return lines + [""]


def chance_type_lines(entry):
    name, sizes, colours, atmospheres = entry
    lines = [sys_("Number of Any Chance Types", 1), sys_("Chance Type Title", name)]
    for title, pairs in (("Size", sizes), ("Color", colours), ("Atmosphere", atmospheres)):
        lines.append(sys_(f"Number of {title} Chances", len(pairs)))
        for i, (value, chance) in enumerate(pairs, 1):
            lines += [sys_(f"{title} Chance {i} Value", value), sys_(f"{title} Chance {i} Percent", chance)]
    return lines + [""]


def system_types():
    lines = [SEPARATOR, "SYSTEM TYPES", SEPARATOR, "",
             sys_("Number of Stellar Background Images", len(BACKGROUNDS))]
    lines += [sys_(f"Stellar Background {i} Bitmap Filename", b) for i, b in enumerate(BACKGROUNDS, 1)]
    lines += ["", "Obj X Atmosphere: one of the names of the list two lines below", "-" * 60,
              ", ".join(["Any"] + ATMOSPHERES),
              "Obj X Position: Ring n | Coord x,y | Offset j Radius r | Circle Radius r, r | Same As j | Any", "",
              SEPARATOR, "*BEGIN*", SEPARATOR, ""]
    for entry in CHANCE_TYPES:
        lines += chance_type_lines(entry)
    for entry in SYSTEM_TYPES:
        lines += system_type_lines(entry)
    return lines + [SEPARATOR, "*END*", SEPARATOR]


# ---------------------------------------------------------------- quadrant types
quad = keyed(26)  # values from column 30

QUADRANT_TYPES = [
    ("Balanced Galaxy", "Every kind of system in fair measure.", 6, [],
     [("Yellow Star System", 250), ("Red Dwarf System", 200), ("Binary Star System", 100),
      ("Gas Giant Moons", 100), ("Asteroid Belt", 100), ("Twin Worlds", 50), ("Black Hole", 50),
      ("Dense Nebula", 50), ("Empty Nebula", 50), ("Ice Field System", 50)]),
    ("Core Worlds", "Wonders at fixed places, rich systems around them.", 8,
     [("Ringworld System", 34, 25), ("Sphereworld System", 20, 12), ("Black Hole", 50, 40)],
     [("Yellow Star System", 400), ("Binary Star System", 200), ("Gas Giant Moons", 200),
      ("Twin Worlds", 200)]),
    ("Sparse Frontier", "Mostly empty space; the chances leave room for nothing.", 4, [],
     [("Red Dwarf System", 300), ("Empty Nebula", 200), ("Ice Field System", 200)]),
    ("Nebula Expanse", "Clouds of gas around a single black hole.", 5, [("Black Hole", 33, 24)],
     [("Dense Nebula", 400), ("Empty Nebula", 300), ("Red Dwarf System", 300)]),
]


def quadrant_types():
    lines = [SEPARATOR, "QUADRANT TYPES", SEPARATOR, "", "*BEGIN*", ""]
    for name, desc, max_warps, locations, chances in QUADRANT_TYPES:
        lines += [quad("Name", name), quad("Description", desc), quad("Number of Quadrants", 1),
                  quad("Quadrant Shape", "Any"), quad("Max Warp Points", max_warps),
                  quad("Number of Locations", len(locations))]
        for i, (stype, x, y) in enumerate(locations, 1):
            lines += [quad(f"Location {i} System Type", stype), quad(f"Location {i} X", x),
                      quad(f"Location {i} Y", y)]
        lines.append(quad("Number of System Types", len(chances)))
        for i, (stype, chance) in enumerate(chances, 1):
            lines += [quad(f"System Type {i} Type", stype), quad(f"System Type {i} Chance", chance)]
        lines.append("")
    return lines + ["*END*"]


# ---------------------------------------------------------------- names and rules
def system_names():
    starts = ["Al", "Bel", "Cor", "Dra", "El", "Fen", "Gal", "Hal", "Ir", "Jor", "Kel", "Lor", "Mor", "Nar",
              "Or", "Pel", "Quen", "Ros", "Sar", "Tor", "Ul", "Vel", "Wen", "Xan", "Yor", "Zen"]
    ends = ["ara", "eon", "ix", "os", "una", "eth", "ion", "ar", "is", "ova", "ek"]
    return [s + e for s in starts for e in ends]  # 286 names


# Every rule holds at least two fixed letters and nothing but letters, so
# that a name never comes out empty, never starts or ends with a blank or a
# hyphen, even when the draws of a "C" or a "V" add nothing.
RULES = ["CVCar", "CVCVon", "VCVCan", "CV(CV)*Cor", "CVC(VCV)*ix", "CVCCos", "V(CV)*Cen", "CVCVra", "Zar(CV)*",
         "CVCon", "CVCia", "(CV)*CVCus", "Vel(CV)*", "CVCeth"]


def black_hole():
    bh = keyed(50)  # the map file's own layout: values from column 54
    lines = [bh("Number of Black Hole Clouds", 1), bh("Black Hole Cloud 1 Clouds Count", 12),
             bh("Black Hole Cloud 1 Dust Particles Count", 400), bh("Black Hole Cloud 1 Clouds Start Distance", 150),
             bh("Black Hole Cloud 1 Dust Start Distance", 60), bh("Black Hole Cloud 1 Spin Speed Per Second", "0.25"),
             bh("Black Hole Cloud 1 Pull Speed Per Second", "3.5"),
             bh("Black Hole Cloud 1 Center XFile Class Object", "BlackHoleCore"),
             bh("Black Hole Cloud 1 Number of Bitmap Effects", 3)]
    lines += [bh(f"Black Hole Cloud 1 Bitmap Effect {i}", f"BH_Cloud_{i}.bmp") for i in (1, 2, 3)]
    abilities = [("Gravity Well", "Ships are pulled towards the centre", "System", 0, "10", "0"),
                 ("Sensor Interference", "Light bends around the hole", "System", 0, "30", "0"),
                 ("Shield Drain", "Radiation drains ship shields", "System", 0, "5", "0")]
    lines.append(bh("Number of Abilities", len(abilities)))
    for i, (tipe, desc, scope, rng, am1, am2) in enumerate(abilities, 1):
        lines += [bh(f"Ability {i} Type", tipe), bh(f"Ability {i} Description", desc), bh(f"Ability {i} Scope", scope),
                  bh(f"Ability {i} Range Formula", rng), bh(f"Ability {i} Amount 1 Formula", am1),
                  bh(f"Ability {i} Amount 2 Formula", am2)]
    assert len(lines) == 31, len(lines)
    return lines


def main():
    write(os.path.join(ROOT, "DizIzuzuri.ini"),
          ["[Data Directory]", "Default/Data", "[Map Compiler Path]", ".", "[Map Folder]", "Default/Maps",
           "[Multiple Objects in same Sector]", "false"])
    write(os.path.join(ROOT, "rules.dat"), RULES)
    write(os.path.join(ROOT, "BlackHole.dat"), black_hole())
    write(os.path.join(MOD, "Mod_Definition.txt"),
          [SEPARATOR, "MOD DEFINITION", SEPARATOR, "Mod Name                  := Tarsis Default Data",
           "Mod Author                := TarsisDizIzuzuri", "Mod Version               := 1.0"])
    write(os.path.join(MOD, "Maps", "README.txt"), ["Compiled maps are placed in this folder."])
    write(os.path.join(DATA, "StellarObjectTypes.txt"), stellar_objects())
    write(os.path.join(DATA, "StellarAbilityTypes.txt"), abilities())
    write(os.path.join(DATA, "SystemTypes.txt"), system_types())
    write(os.path.join(DATA, "QuadrantTypes.txt"), quadrant_types())
    write(os.path.join(DATA, "SystemNames.txt"), system_names())


if __name__ == "__main__":
    main()
