#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

Run it after changing a target's input layout: python3 fuzz/make_seeds.py. The seeds are
real-looking game rows (colour codes 0x10..0x1B, letters of code page 1252 in UTF-8, the
bytes the code page leaves undefined, braces), the shipped stored settings of the lists and
list reads whose rows change between the length query and the read.
"""
import hashlib
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent

AE, UE, SZ, EURO, YUML = "ä", "ü", "ß", "€", "ÿ"
# The five bytes code page 1252 leaves undefined, as the UTF-8 of the characters they map to.
UNDEFINED = "".join(chr(b) for b in (0x81, 0x8D, 0x8F, 0x90, 0x9D))


def write(target, seeds):
    folder = HERE / "corpus" / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for seed in seeds:
        data = seed.encode("utf-8") if isinstance(seed, str) else seed
        (folder / hashlib.sha1(data).hexdigest()[:16]).write_bytes(data)


# --- line_road: <switches><words separated by \n> 0xFF <row> -----------------------------
ALERT, HIDE, LOG = 1, 2, 4
GATE_OPEN = 1 << 5  # binding count 57, mirror count 201


def road(switches, words, row):
    head = bytes([switches]) + "\n".join(words).encode("utf-8") + b"\xff"
    return head + (row.encode("utf-8") if isinstance(row, str) else row)


ROWS = [
    "\x10<Zelk> gg wp",
    "\x12Your friend Zelk entered a Brood War game called " + AE + UE + SZ + EURO + YUML + ".",
    "\x10" + AE + "pfel \x10J" + UE + "rgen\x11: Stra" + SZ + "e kostet 5 " + EURO + " " + YUML,
    "\x17Zelk, offline",
    "\x10\x10\x10 three whites make two",
    "\x1aYell \x14Blue \x1bRed \x13Gel \x11Grey \x12Gree \x17White",
    "\x19[BW] {Clan} <Zelk> {} }{ [1v1]",
    "\x10" + UNDEFINED + " undefined " + UNDEFINED,
    "\x08White raw marker \x08\x08 Gree \x08",
    "line\r\nbreak\x10 after\r",
    "\x11Zelk whispers: \xf0\x9f\x98\x80 outside the BMP",
    "\x10" + "long row " * 100,
    "no colour at all",
]
road_seeds = [road(ALERT | LOG | GATE_OPEN, ["zelk", "wp"], r) for r in ROWS]
road_seeds += [
    road(ALERT | HIDE | LOG | GATE_OPEN, ["zelk"], "\x11Zelk, offline"),
    road(LOG, [], b"\x10raw \xc0\x8d\xc0\x8a bytes \x81\x8d\x8f\x90\x9d \xe4\xfc\xdf\x80\xff"),
    road(ALERT | GATE_OPEN, [AE + "rger", "STRA" + SZ + "E", YUML], ROWS[2]),
    road(ALERT | (3 << 3), ["x"] * 8, "\x10x\x11x"),
]
write("line_road", road_seeds)

# --- chat_pump: <switches><row> 0xFF <script, one byte a step> ------------------------------
# Each step is followed by one pass of the pump: the step in the low three bits, its number
# above them.
ADD_ROWS, GAME_HANGS, GAME_ANSWERS, HANGS_MID_PASS, MOUSE_DOWN, MOUSE_UP, FILL_VIEW, BIND_ANEW = range(8)


def pump_step(step, number=0):
    return step | (number << 3)


def pump(switches, row, steps):
    return bytes([switches]) + row.encode("utf-8") + b"\xff" + bytes(steps)


pump_seeds = [
    pump(ALERT | LOG, ROWS[0], [pump_step(ADD_ROWS, 5), pump_step(ADD_ROWS, 2)]),
    pump(0, "zelk plain", []),
    # The view fills to its trim mark and the pump's rows push it over.
    pump(LOG, ROWS[2], [pump_step(FILL_VIEW, 1), pump_step(ADD_ROWS, 7)]),
    # The player holds the mouse while the rows come: nothing leaves until they let go.
    pump(0, ROWS[5], [pump_step(FILL_VIEW, 0), pump_step(MOUSE_DOWN), pump_step(ADD_ROWS, 31),
                      pump_step(MOUSE_UP), pump_step(ADD_ROWS, 1)]),
    # The game stops answering, before a pass and in the middle of one.
    pump(HIDE, ROWS[3], [pump_step(GAME_HANGS), pump_step(ADD_ROWS, 9), pump_step(GAME_ANSWERS),
                         pump_step(HANGS_MID_PASS, 4), pump_step(ADD_ROWS, 13),
                         pump_step(GAME_ANSWERS)]),
    # The chat list is bound anew while rows wait, and once the count at binding is asked.
    pump(LOG, ROWS[9], [pump_step(ADD_ROWS, 3), pump_step(BIND_ANEW), pump_step(ADD_ROWS, 1),
                        pump_step(GAME_HANGS), pump_step(BIND_ANEW), pump_step(GAME_ANSWERS)]),
]
write("chat_pump", pump_seeds)

# --- property_bag_text: the stored settings text ------------------------------------------
props = [(ROOT / "assets" / name).read_text(encoding="utf-8")
         for name in ("listboxfx1.props", "listboxfx2.props")]
props += [
    "BackColor = long &H8000000F\r\nEnabled = boolean False\r\n"
    "Font = font \"Tahoma\" 8.25 700 1 1 1 1 238\r\n"
    "TextColor = long -1\r\nTextSelectColor = long 4294967295\r\n"
    "SelectionClolor = long &H8000000D\r\nShowSelection = boolean False\r\n"
    "BackGroundStyle = long 2\r\nBackImage = picture \"C:/Pics/" + AE + "rger.bmp\" 64 32\r\n"
    "BackGroundAlignment = long 3\r\nFullRowSelect = boolean False\r\n"
    "GridLines = boolean True\r\nMouseIcon = picture \"resource:3102\" 32 32\r\n"
    "MousePointer = integer 99\r\nAppearance = integer 1\r\nSorted = long 2\r\n"
    "Hint = string \"Stra" + SZ + "e \\\"" + EURO + "\\\" \\\\ \\n \\t " + YUML + "\"\r\n"
    "BorderStyle = integer 0\r\nIconMaskColor = long &HFF00FF\r\n"
    "IconStrip = picture \"resource:3101\" 416 18\r\nShowIcons = boolean True\r\n"
    "Scrollbarvisible = boolean True\r\nImageHeight = integer 18\r\n"
    "ImageWidth = integer 32\r\nTextAlignment = long 1\r\ngStartColor = long &HFF0000\r\n"
    "gEndColor = long 16777215\r\ngDirection = long 0\r\n",
    "  # comment\n\n\tSorted = string \"-1\"\nshowicons = string \"True\"\n"
    "ImageHeight = long 40000\nhint = long 5\n",
    "BackGroundStyle = long 1\nBackGroundAlignment = long 5\n"
    "BackImage = picture \"" + UNDEFINED + "\" 65535 0\nFont = font \"\" 1e3 0 0 0 0 0 255\n",
]
write("property_bag_text", props)

# --- list_read: FuzzedDataProvider input (integers from the end, strings from the front) --
KEEP, REPLACE, GROW, CUT, REMOVE, INSERT, APPEND, CLEAR, HANG, ANSWER = range(10)


def text_field(s):
    data = s.encode("utf-8") if isinstance(s, str) else s
    return data.replace(b"\\", b"\\\\") + b"\\|"


def list_read(rows, row, steps, missing=False, hung=False):
    """steps: (change, cut, text) for each read in turn."""
    front, back = b"", []  # back: integers in the order they are read
    back.append(len(rows))
    back.append(row + 1)  # range -1..6
    back.append(0 if missing else 1 if hung else 2)
    back.append(len(steps))
    for change, cut, text in steps:
        back.append(change)
        back += [cut >> 8, cut & 0xFF]  # two bytes, the first read is the high one
        front += text_field(text)
    for r in rows:
        front += text_field(r)
    return front + bytes(reversed(back))


chat = [ROWS[0], ROWS[1], ROWS[2], "\x10" + UNDEFINED, "kurz"]
read_seeds = [
    list_read(chat, 1, []),
    list_read(chat, 4, [(REPLACE, 0, "l" + AE + "nger mit " + AE + UE + SZ + EURO)]),
    list_read(chat, 2, [(GROW, 0, EURO * 40), (GROW, 0, YUML * 40), (KEEP, 0, "")]),
    list_read(chat, 2, [(CUT, 2, ""), (KEEP, 0, "")]),  # cut inside the ä
    list_read(chat, 0, [(REMOVE, 0, ""), (INSERT, 0, "new first row")]),
    list_read(chat, 3, [(CLEAR, 0, ""), (APPEND, 0, "x")]),
    list_read(["a" * 990, "\xf0\x9f\x98\x80" * 300], 1, [(GROW, 0, "\xf0\x9f\x98\x80" * 300)]),
    list_read([b"\xc3\x28\xed\xa0\x80\xf8\x88\x80\x80\x80\x81\x8d\x8f\x90\x9d"], 0,
              [(REPLACE, 0, b"\xe2\x82\xac\xe2\x82"), (GROW, 0, b"\xac")]),
    list_read(chat, 1, [], missing=True),
    list_read(chat, 1, [], hung=True),
    list_read(chat, 2, [(HANG, 0, "")]),
    list_read(chat, 2, [(GROW, 0, EURO), (HANG, 0, ""), (ANSWER, 0, "")]),
]
write("list_read", read_seeds)

# --- history: <switches> then the rows, separated by 0xFF ------------------------------------
REFUSE, HANGS, TWICE = 1, 2, 4


def history(switches, rows):
    return bytes([switches]) + b"\xff".join(
        r.encode("utf-8") if isinstance(r, str) else r for r in rows)


history_seeds = [
    history(0, ROWS),
    history(0, ["\x13" "12:00:01: \x1b" "Welcome", "\x10\x10" "Bob\x11: hi", "keep \x17 this"]),
    history(REFUSE, ["{\\rtf1\\ansi \\b x}", "back\\slash {" + AE + UE + SZ + EURO + "}"]),
    history(HANGS, ROWS[:4]),
    history(TWICE, ["a\x10", "\x10b", "\x08Pink x \x08Gr y", "\x08Gr\x08een z"]),
    history(0, [""] * 5),
    history(0, ["\x10" + "Player%d\x11: row %d " % (i, i) + "\x12green" * (i % 3) for i in range(60)]),
]
write("history", history_seeds)

# --- user_rows: <rules byte><script> 0xFF <rows separated by 0xFF> ------------------------
# Rules byte: bit 0 set = the friends list (first code only), bit 1 set = offline friends shown.
# Script: one byte for each list query in turn, what the game does just before it: the change
# in the low three bits, the row it touches above them.
CHANNEL, FRIENDS, FRIENDS_OFFLINE = 0, 1, 3
KEEP, HANG, ANSWER_AGAIN, GROW_ROW, CUT_ROW, REMOVE_ROW, INSERT_ROW, CLEAR_ROWS = range(8)


def step(change, row=0):
    return change | (row << 3)


def user_rows(rules, rows, script=()):
    return (bytes([rules]) + bytes(script) + b"\xff" +
            b"\xff".join(r.encode("utf-8") if isinstance(r, str) else r for r in rows))


PLAYERS = ["Alice\t0 RATS", "J" + UE + "rgen\t0 PXES", "bob\t32 PXES", "Zo\u00eb\t0 NB2W"]
user_seeds = [
    user_rows(CHANNEL, PLAYERS),
    user_rows(CHANNEL, ["nobody\t0", "Carl\t0 RATS", "bob\t32 PXES", "two\t0 RATS PXES",
                        "dora\t32 RATS PXES", "ghost\t32"]),
    user_rows(CHANNEL, ["RATS\t0", "x \t32 PXES", "y\t320 RATS", "z    32 RATS",
                        AE * 14 + "RATS", AE * 7 + "RATS", EURO + "0123456789abcRATS"]),
    user_rows(FRIENDS, ["Carol\t0 RATS", "Dave\t0", AE + "nne\t0 PX3W PXES", "bob\t32 PXES"]),
    user_rows(FRIENDS_OFFLINE, ["Dave\t32", "Carol\t0 RATS", "Eve\t0", "Fred\t0 VD2D"]),
    user_rows(CHANNEL, [b"\xc3\x28bad\t0 RATS", b"\xfe\xc0\t32 GPCW", b" " * 300 + b"TAHC"]),
    # Names that hold line breaks, and one with a line break after its name.
    user_rows(CHANNEL, ["Vic\ntim\t0 RATS", "Ev\r\n/quit\t0 PXES", "bob\t0 RATS\r\n", "\n"]),
    # The game stops answering at the count, then answers again for the next copy.
    user_rows(CHANNEL, PLAYERS, [step(HANG), step(ANSWER_AGAIN)]),
    # It stops after the first row was read: no half copy.
    user_rows(CHANNEL, PLAYERS, [KEEP, KEEP, KEEP, step(HANG), step(ANSWER_AGAIN)]),
    # Rows grow between their length query and their read, are cut, removed, put in, cleared.
    user_rows(FRIENDS, PLAYERS, [KEEP, KEEP, step(GROW_ROW, 0), KEEP, step(CUT_ROW, 1),
                                 step(REMOVE_ROW, 3), step(INSERT_ROW, 2), KEEP]),
    user_rows(CHANNEL, PLAYERS, [KEEP, KEEP, KEEP, step(CLEAR_ROWS), KEEP, KEEP]),
]
write("user_rows", user_seeds)

# --- tool_text: <last channel row> 0xFF <greet or timed text> 0xFF <channel label> ---------
def tool(row, text, caption):
    return row.encode("utf-8") + b"\xff" + text.encode("utf-8") + b"\xff" + caption.encode("utf-8")


GREET = "/w %user Hello %user I'm using Dunmarrows Quorvane DI Zuvo! Its currently the %date and it is %time"
tool_seeds = [
    tool("Alice\t0 RATS", GREET, "Clan QV (3)"),
    tool("J" + UE + "rgen\t32 PXES", "%date %time", "Op M" + UE + "nchen (12)"),
    tool("NoBlank", "Its currently %time!", "No count"),
    tool(" x", "%user%user%date%time%Date", "(3)"),
    tool("ab c", "%%datetime%tim%e", "x(1)"),
    tool(EURO + AE + SZ + "\t0 3RAW", "", "Brood War USA-1 (40)"),
    tool("abc", "abc", "4999"),
    tool("\U0001F600 z", "100000", " 1.5e4 "),
    tool(YUML + UNDEFINED + " q", "5000.5", "-7"),
    # Names that look like placeholders, or hold a line break, are names all the same.
    tool("%date%u\t0 RATS", "/w %user at %time: %user%", "Clan %user (2)"),
    tool("Vic\ntimxx 0 RATS", "/w %user hi", "a\r\n/quit (2)"),
    tool("Victim\r\n 0 RATS", "%user", "x\r("),
]
write("tool_text", tool_seeds)
