#!/usr/bin/env python3
"""Writes the compiled-in theory tables (src/storymodel/engine/TheoryTableData.cpp).

Usage: transcribe_theory_tables.py REFERENCE.md OUTPUT.cpp

REFERENCE.md is the Markdown reference text that lists the theory tables row by row:
  - the element rows, as bullet lines "- Row 0: ..." / "- Rows 1-4 (classes): 1 `10000` "Universe" /
    "Situation"; ..." following the line that begins "Every row, by id";
  - the story point table, a Markdown table whose header begins "| index | id | code | kind |";
  - the dynamic value names, the paragraph that begins "Dynamic value names";
  - the terminology table, a Markdown table whose header begins "| row | key | new term |".

The rows are copied exactly as listed, in the listed order (the element rows must never be re-sorted:
their order gives the element index that stored files and the engine data use). The script refuses
to write anything when a count, an id sequence or a row's form is not what the tables require.
"""

import re
import sys

ELEMENT_COUNT = 453
STORY_POINT_COUNT = 117
DYNAMIC_COUNT = 8
TERMINOLOGY_COUNT = 50


class TranscriptionError(Exception):
    pass


def fail(message):
    raise TranscriptionError(message)


def find_line(lines, prefix, start=0):
    for number in range(start, len(lines)):
        if lines[number].startswith(prefix):
            return number
    fail(f"no line begins with {prefix!r}")


ELEMENT_LINE = re.compile(r"^- Rows? (\d+)(?:-(\d+))?(?: \([^)]*\))?: (.*)$")
ELEMENT_ENTRY = re.compile(r'(?:(\d+) )?`(\d{5})` "([^"]*)"(?: / (?:(same)|"([^"]*)"))?')


def parse_elements(lines):
    start = find_line(lines, "Every row, by id") + 1
    rows = []
    number = start
    while number < len(lines) and not lines[number].startswith("- Row"):
        number += 1
    while number < len(lines) and lines[number].startswith("- Row"):
        match = ELEMENT_LINE.match(lines[number])
        if not match:
            fail(f"element line {number + 1} has an unexpected form")
        first = int(match.group(1))
        last = int(match.group(2) or first)
        if first != len(rows):
            fail(f"element line {number + 1} starts at row {first}, expected {len(rows)}")
        entries = ELEMENT_ENTRY.findall(match.group(3))
        if len(entries) != last - first + 1:
            fail(f"element line {number + 1} holds {len(entries)} rows, expected {last - first + 1}")
        for listed_id, code, name, same, alt_name in entries:
            if listed_id and int(listed_id) != len(rows):
                fail(f"element row {listed_id} listed where row {len(rows)} belongs")
            rows.append((code, name, name if same else (alt_name or None)))
        number += 1
    if len(rows) != ELEMENT_COUNT:
        fail(f"{len(rows)} element rows, expected {ELEMENT_COUNT}")
    return rows


def table_rows(lines, header_prefix):
    header = find_line(lines, header_prefix)
    if not lines[header + 1].startswith("|---"):
        fail(f"the table {header_prefix!r} has no separator line")
    rows = []
    number = header + 2
    while number < len(lines) and lines[number].startswith("|"):
        cells = [cell.strip() for cell in lines[number].strip().strip("|").split("|")]
        rows.append((number + 1, cells))
        number += 1
    return rows


def text_cell(cell, line):
    """A quoted text, or None for "-"."""
    if cell == "-":
        return None
    if len(cell) >= 2 and cell[0] == '"' and cell[-1] == '"' and '"' not in cell[1:-1]:
        return cell[1:-1]
    fail(f"line {line}: {cell!r} is neither a quoted text nor -")


def number_cell(cell, line):
    if not re.fullmatch(r"-?\d+", cell):
        fail(f"line {line}: {cell!r} is not a number")
    return int(cell)


def parse_numbered_table(lines, header_prefix, cell_kinds, count, what):
    """The rows of a table whose first column numbers them from 0; the other cells are read as
    cell_kinds says: "n" a number, "t" a quoted text or -."""
    rows = []
    for line, cells in table_rows(lines, header_prefix):
        if len(cells) != len(cell_kinds) + 1:
            fail(f"line {line}: {len(cells)} cells, expected {len(cell_kinds) + 1}")
        if number_cell(cells[0], line) != len(rows):
            fail(f"line {line}: {what} row {cells[0]}, expected {len(rows)}")
        rows.append(tuple(number_cell(cell, line) if kind == "n" else text_cell(cell, line)
                          for cell, kind in zip(cells[1:], cell_kinds)))
    if len(rows) != count:
        fail(f"{len(rows)} {what} rows, expected {count}")
    return rows


def parse_story_points(lines):
    # id, code, kind, name, alternate name, engine field, short key
    return parse_numbered_table(lines, "| index | id | code | kind |", "ntnttnt", STORY_POINT_COUNT,
                                "story point")


DYNAMIC_ENTRY = re.compile(r'^"([^"]*)"/"([^"]*)"(?: with newer names "([^"]*)"/"([^"]*)")?$')


def parse_dynamic_values(lines):
    paragraph = lines[find_line(lines, "Dynamic value names")]
    listing = paragraph.rsplit("): ", 1)[-1].rstrip(".")
    rows = []
    for entry in listing.split("; "):
        match = DYNAMIC_ENTRY.match(entry.strip())
        if not match:
            fail(f"dynamic value names: unexpected entry {entry!r}")
        rows.append(match.groups())
    if len(rows) != DYNAMIC_COUNT:
        fail(f"{len(rows)} dynamic rows, expected {DYNAMIC_COUNT}")
    return rows


def parse_terminology(lines):
    # key, new term, original term, id
    return parse_numbered_table(lines, "| row | key | new term | original term | id |", "tttn",
                                TERMINOLOGY_COUNT, "terminology")


def c_text(text):
    if text is None:
        return "nullptr"
    if any(ord(char) < 0x20 or ord(char) > 0x7E for char in text):
        fail(f"{text!r} holds characters outside printable ASCII")
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_source(out, elements, story_points, dynamics, terms):
    out.write("// Generated by tools/transcribe_theory_tables.py; do not edit.\n")
    out.write("// The rows stay in this order: element ids, story point indexes and terminology rows\n")
    out.write("// are positions in these arrays.\n\n")
    out.write('#include "storymodel/engine/TheoryTables.h"\n\n')

    out.write("const std::array<ElementRecord, kElementCount> kElementTable = {{\n")
    for element_id, (code, name, alt_name) in enumerate(elements):
        out.write(f'    /* {element_id:3} */ {{"{code}", {c_text(name)}, {c_text(alt_name)}}},\n')
    out.write("}};\n\n")

    out.write("const std::array<StoryPointRecord, kStoryPointCount> kStoryPointTable = {{\n")
    for index, (point_id, code, kind, name, alt_name, field, short_key) in enumerate(story_points):
        out.write(f"    /* {index:3} */ {{{point_id}, {c_text(code)}, {kind}, {c_text(name)}, "
                  f"{c_text(alt_name)}, {field}, {c_text(short_key)}}},\n")
    out.write("}};\n\n")

    out.write("const std::array<DynamicValueNames, kDynamicCount> kDynamicValueNames = {{\n")
    for dynamic, names in enumerate(dynamics):
        out.write(f"    /* {dynamic} */ {{{', '.join(c_text(name) for name in names)}}},\n")
    out.write("}};\n\n")

    out.write("const std::array<TerminologyRecord, kTerminologyCount> kTerminologyTable = {{\n")
    for row, (key, new_term, original_term, term_id) in enumerate(terms):
        out.write(f"    /* {row:2} */ {{{c_text(key)}, {c_text(new_term)}, {c_text(original_term)}, "
                  f"{term_id}}},\n")
    out.write("}};\n")


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[1], encoding="utf-8") as reference:
        lines = reference.read().splitlines()
    try:
        tables = (parse_elements(lines), parse_story_points(lines), parse_dynamic_values(lines),
                  parse_terminology(lines))
    except TranscriptionError as error:
        sys.stderr.write(f"transcribe_theory_tables: {error}\n")
        return 1
    with open(argv[2], "w", encoding="ascii", newline="\n") as out:
        write_source(out, *tables)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
