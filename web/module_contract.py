#!/usr/bin/env python3
"""Writes the page's module_contract.js: the names the modules' answers give by number.

    module_contract.py SOURCE_DIR OUTPUT_FILE

The modules answer with enumerators' numbers (an outcome, a problem, a rule); the page's scripts
name them as the C++ does, in kebab case ("SomeLevelFailed" is "some-level-failed"), or for the
report's parts in camel case. This step reads each enumeration from the header or module it is
declared in and writes its names, in their order, as one ES module that calculation_answers.js
and schedule.js import, so that the order stands once, in the C++; and the catalogue keys of the
schedule's tables' titles, as the engine lists them. A list whose first
enumerator means "no answer" (Accepted, Ok) gives null or leaves it out, as the page reads it.

The enumerations are read, not the answer structs: the structs' word offsets depend on the
target's sizes and padding, which only the compiler knows for sure, and each struct is read by
one function beside its comment. The step fails, naming the file, on an enumeration it cannot
find or one with an explicit value, whose numbers the order alone would not give.
"""

import pathlib
import re
import sys

# (script name, file, enumeration, case, what the list starts with: 'as-is'; 'null-first', the
# first enumerator read as null; 'drop-first', the first left out; 'null-before', a null before
# the first, for a number that is 0 or 1 + the enumerator).
LISTS = [
    ('INPUT_PROBLEMS', 'web/calculation_module.cpp', 'InputAnswer', 'kebab', 'null-first'),
    ('DESIGN_FAILURES', 'web/materials_module.cpp', 'WorkingOutcome', 'kebab', 'drop-first'),
    ('LAYOUT_FAILURES', 'web/calculation_module.cpp', 'LayoutOutcome', 'kebab', 'drop-first'),
    ('STEEL_RULES', 'calculation/design_working.h', 'SteelRule', 'kebab', 'as-is'),
    ('BAR_RULES', 'calculation/design_working.h', 'BarRule', 'kebab', 'as-is'),
    ('REPORT_PARTS', 'calculation/design_report.h', 'ReportPart', 'camel', 'as-is'),
    ('SCHEDULE_OUTCOMES', 'web/schedule_module.cpp', 'ScheduleOutcome', 'kebab', 'as-is'),
    ('SCHEDULE_FIELDS', 'calculation/schedule_entry.h', 'ScheduleField', 'kebab', 'null-before'),
    ('SCHEDULE_PROBLEMS', 'calculation/schedule_entry.h', 'ScheduleProblem', 'kebab', 'as-is'),
    ('CELL_KINDS', 'calculation/schedule_rows.h', 'CellKind', 'kebab', 'as-is'),
]

# (script name, file, array): the catalogue keys a constant array of texts names, in its order:
# the titles of the schedule's tables.
KEY_LISTS = [
    ('LEVEL_TITLES', 'calculation/schedule_rows.h', 'kLevelTitles'),
    ('TYPE_TITLES', 'calculation/schedule_rows.h', 'kTypeTitles'),
]

COMMENT = re.compile(r'//[^\n]*|/\*.*?\*/', re.DOTALL)
WORD_START = re.compile(r'(?<=[a-z0-9])(?=[A-Z])|(?<=[A-Z])(?=[A-Z][a-z])')


class ContractError(Exception):
    pass


def enumerators(path, name):
    source = COMMENT.sub('', path.read_text(encoding='utf-8'))
    match = re.search(r'\benum\s+class\s+' + name + r'\b[^{;]*\{(?P<body>[^}]*)\}', source)
    if not match:
        raise ContractError(f'{path}: no enum class {name}')
    names = [item.strip() for item in match.group('body').split(',') if item.strip()]
    for item in names:
        if not re.fullmatch(r'[A-Z][A-Za-z0-9]*', item):
            raise ContractError(f'{path}: {name}::{item} is not a plain enumerator')
    return names


def keys(path, name):
    source = COMMENT.sub('', path.read_text(encoding='utf-8'))
    match = re.search(r'\b' + name + r'\s*=\s*\{(?P<body>[^}]*)\}', source)
    if not match:
        raise ContractError(f'{path}: no array {name}')
    return re.findall(r'"([a-z-]+\.[a-z-]+)"', match.group('body'))


def page_name(enumerator, case):
    words = WORD_START.split(enumerator)
    if case == 'camel':
        return words[0].lower() + ''.join(words[1:])
    return '-'.join(word.lower() for word in words)


def contract(source_dir):
    lines = []
    for script_name, file, enumeration, case, first in LISTS:
        names = [page_name(item, case) for item in enumerators(source_dir / file, enumeration)]
        items = [f"'{name}'" for name in names]
        if first == 'null-first':
            items[0] = 'null'
        elif first == 'drop-first':
            items = items[1:]
        elif first == 'null-before':
            items = ['null', *items]
        lines.append(f'export const {script_name}=[{",".join(items)}];\n')
    for script_name, file, array in KEY_LISTS:
        items = [f"'{key}'" for key in keys(source_dir / file, array)]
        lines.append(f'export const {script_name}=[{",".join(items)}];\n')
    return ''.join(lines)


def main(arguments):
    if len(arguments) != 2:
        sys.exit(__doc__)
    source_dir, output = pathlib.Path(arguments[0]), pathlib.Path(arguments[1])
    try:
        text = contract(source_dir)
    except ContractError as error:
        sys.exit(f'module_contract.py: {error}')
    output.parent.mkdir(parents=True, exist_ok=True)
    temporary = output.with_suffix('.js.part')
    temporary.write_text(text, encoding='utf-8')
    temporary.replace(output)


if __name__ == '__main__':
    main(sys.argv[1:])
