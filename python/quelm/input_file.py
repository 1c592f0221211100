"""Input files of quelmw as Python mappings.

A mapping holds the title line and the namelist groups by name:

    {"title": "2 GEV RING",
     "MPARM": {"NUS": 0.0085, "ENGY": 2.0, "SGMZ": 1.0},
     "CPARM": {"NCR": 40, "LPLE": True, "CTONUS": [0.0, 10.0, 20.0]},
     "IPARM": {...}, "HPARM": {...}, "SPARM": {...}}

Group and item names are not case-sensitive.  A group left out is written
empty and an item left out keeps the program's default, as in a file.
Values are numbers (int for the integer items), bools (written T/F), texts
(written in quotes) or lists of them for a table; None in a list is a null
value, which keeps that entry of the table as it is.  The `input` of a
results file is such a mapping too.
"""
from __future__ import annotations

import math
import numbers
import re
from pathlib import Path
from typing import Mapping

import numpy as np

GROUPS = ("MPARM", "CPARM", "IPARM", "HPARM", "SPARM")
OPTIONAL_GROUPS = ("ZPARM",)

# The items quelmw reads in each group.
GROUP_ITEMS = {
    "MPARM": "NUS ENGY SGMZ BETAC REVFRQ ALPHA CHROM SPRD SGMTOC CTOSGM NUSTOC CTONUS ALFA".split(),
    "CPARM": "CRNT STPC NCR NMODF NMODE KRAD IPRINT LPLE LZOT LBIN MU".split(),
    "IPARM": "FREQ RS QV".split(),
    "HPARM": "MMIN MMAX TAUMIN TAUMAX NSPL".split(),
    "SPARM": "LMTRIX LINTGL LMAP NDISP NSTPS SPRD0 EX EY FEPS ZEPS DXMAX ESPC CXMAX".split(),
    "ZPARM": "NRES FRES RSRES QRES RWLEN RWRAD RWSIG RWBETA ZTFILE ZTBETA".split(),
}


def normalized(inputs: Mapping) -> dict:
    """The mapping with upper-case group and item names, every group a new dict."""
    result = {"title": ""}
    for name, items in inputs.items():
        if name.lower() == "title":
            result["title"] = str(items)
            continue
        group = name.upper()
        if group not in GROUPS + OPTIONAL_GROUPS:
            raise ValueError(f"unknown input group {name!r}; quelmw reads {', '.join(GROUPS + OPTIONAL_GROUPS)}")
        result[group] = {item.upper(): value for item, value in items.items()}
    return result


def locate(inputs: Mapping, item: str) -> tuple:
    """(GROUP, ITEM) of "GROUP.ITEM" or "ITEM": the group of `inputs` that
    holds ITEM, else the group quelmw reads it in, else MPARM."""
    if "." in item:
        group, name = item.upper().split(".", 1)
        return group, name
    name = item.upper()
    holders = [group for group, items in normalized(inputs).items() if group != "title" and name in items]
    known = [group for group, names in GROUP_ITEMS.items() if name in names]
    return (holders + known + ["MPARM"])[0], name


def input_text(inputs: Mapping) -> str:
    """The text of an input file for the mapping `inputs`."""
    inputs = normalized(inputs)
    title = inputs["title"]
    if "\n" in title or "\r" in title:
        raise ValueError(f"the title must be one line: {title!r}")
    groups = GROUPS + tuple(group for group in OPTIONAL_GROUPS if group in inputs)
    return "\n".join([title] + [_group_text(group, inputs.get(group, {})) for group in groups]) + "\n"


def _group_text(group: str, items: Mapping) -> str:
    lines = [f" &{group}"] + [f"   {item} = {_value_text(item, value)}," for item, value in items.items()]
    return "\n".join(lines) + " /"


def _value_text(item: str, value) -> str:
    if isinstance(value, (list, tuple, np.ndarray)):
        return ", ".join("" if entry is None else _constant_text(item, entry) for entry in value)
    return _constant_text(item, value)


def _constant_text(item: str, value) -> str:
    if isinstance(value, (bool, np.bool_)):
        return "T" if value else "F"
    if isinstance(value, numbers.Integral):
        return str(int(value))
    if isinstance(value, numbers.Real):
        value = float(value)
        if not math.isfinite(value):
            raise ValueError(f"{item} = {value}: quelmw reads only finite numbers")
        return repr(value).upper()
    if isinstance(value, str):
        return "'" + value.replace("'", "''") + "'"
    raise TypeError(f"{item} = {value!r}: not a number, logical, text or list of them")


_TOKEN = re.compile(
    r"""(?P<blank>\s+|![^\n]*)
      | (?P<start>[&$](?!END\b)[A-Z]\w*)
      | (?P<end>/|[&$]END\b)
      | (?P<assign>(?P<name>[A-Z]\w*)\s*(?:\(\s*(?P<index>\d+)\s*\))?\s*=)
      | (?P<comma>,)
      | (?P<text>'(?:[^']|'')*'|"(?:[^"]|"")*")
      | (?P<value>[^\s,/!'"=&$]+)
      | (?P<other>.)""",
    re.VERBOSE | re.IGNORECASE)
_REAL = re.compile(r"[+-]?(\d+\.?\d*|\.\d+)([ED][+-]?\d+)?", re.IGNORECASE)
_LOGICAL = re.compile(r"\.?[TF][A-Z]*\.?", re.IGNORECASE)


def read_input(path) -> dict:
    """The mapping of the input file at `path` (the items it assigns, by group).

    Reads what quelmw reads: assignments over any number of lines, "!"
    comments, repeat counts ("3*0.5", "3*" for null values), subscripted
    tables ("SGMTOC(5) = ..."), logicals and quoted texts.  An item that
    sets only its first entry is a scalar, any other a list (None for the
    entries it leaves alone)."""
    lines = Path(path).read_text().splitlines()
    if not lines:
        raise ValueError(f"{path}: empty input file")
    reader = _GroupReader(path)
    for match in _TOKEN.finditer("\n".join(lines[1:])):
        reader.take(match)
    if reader.group is not None:
        raise ValueError(f"{path}: end of file inside group {reader.group}")
    return {"title": lines[0], **reader.groups}


class _GroupReader:
    """Takes the tokens of the text after the title, group by group."""

    def __init__(self, path):
        self.path = path
        self.groups = {}
        self.group = None
        self.entries = None  # {ITEM: {0-based index: value}} of the group being read
        self.item = None
        self.index = 0
        self.after_value = False  # a value was read since the last comma

    def take(self, match) -> None:
        kind = match.lastgroup
        if kind == "blank" or (self.group is None and kind != "start"):
            return  # lines outside a group are skipped
        if kind == "start":
            self.begin(match.group()[1:].upper())
        elif kind == "end":
            self.finish()
        elif kind == "assign":
            self.item = match.group("name").upper()
            self.index = int(match.group("index") or 1) - 1
            self.entries.setdefault(self.item, {})
            self.after_value = False
        elif kind == "comma":
            self.index += 0 if self.after_value else 1  # two commas: a null value
            self.after_value = False
        elif self.item is None or kind == "other":
            raise ValueError(f"{self.path}: unexpected {match.group()!r} in group {self.group}")
        else:
            self.store(match.group(), kind == "text")
            self.after_value = True

    def begin(self, group: str) -> None:
        if self.group is not None:
            raise ValueError(f"{self.path}: group {group} starts inside group {self.group}")
        self.group, self.entries, self.item = group, {}, None

    def store(self, text: str, quoted: bool) -> None:
        """One value, "r*value" or "r*" (r null values)."""
        count, constant = text.split("*", 1) if "*" in text and not quoted else ("1", text)
        if not count.isdigit() or int(count) < 1:
            raise ValueError(f"{self.path}: bad repeat count in {text!r} of {self.item}")
        for _ in range(int(count)):
            if constant:
                self.entries[self.item][self.index] = self.constant(constant, quoted)
            self.index += 1

    def constant(self, text: str, quoted: bool):
        try:
            return _constant(text, quoted)
        except ValueError as error:
            raise ValueError(f"{self.path}: {self.item}: {error}") from None

    def finish(self) -> None:
        self.groups[self.group] = {item: _item_value(entries) for item, entries in self.entries.items() if entries}
        self.group = self.entries = self.item = None


def _constant(text: str, quoted: bool):
    if quoted:
        return text[1:-1].replace(text[0] * 2, text[0])
    if re.fullmatch(r"[+-]?\d+", text):
        return int(text)
    if _REAL.fullmatch(text):
        return float(text.upper().replace("D", "E"))
    if _LOGICAL.fullmatch(text):
        return text.lstrip(".")[0].upper() == "T"
    raise ValueError(f"{text!r} is not a number, logical or quoted text")


def _item_value(entries: dict):
    """A scalar for one value at the first index, else the table with None where nothing was assigned."""
    if list(entries) == [0]:
        return entries[0]
    return [entries.get(index) for index in range(max(entries) + 1)]
