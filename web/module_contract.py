#!/usr/bin/env python3
"""Writes the contract between the WebAssembly modules and the page's scripts, from the C++.

    module_contract.py SOURCE_DIR OUTPUT.js      the page's module_contract.js
    module_contract.py SOURCE_DIR OUTPUT.h       the same for C++: the names for the tests that
                                                 answer as the page does, and the layout as
                                                 static_asserts for the modules' build (wasm32)

The modules answer with enumerators' numbers (an outcome, a problem, a rule); the page's scripts
name them as the C++ does, in kebab case ("SomeLevelFailed" is "some-level-failed"), or for the
report's parts in camel case. This step reads each enumeration from the header or module it is
declared in and writes its names, in their order, as one ES module that calculation_answers.js
and schedule.js import, so that the order stands once, in the C++; and the catalogue keys of the
schedule's tables' titles, as the engine lists them. A list whose first
enumerator means "no answer" (Accepted, Ok) gives null or leaves it out, as the page reads it.

The answers' layout: the byte offset of each field of the answer structs in
web/module_answers.h, worked out under wasm32's sizes and alignments (4-byte pointers, 8-byte
doubles). The compiler has the last word on a layout, so the header this step writes for the
modules' build asserts every offset it gave the page: a struct the step reads otherwise fails the
build rather than the page.

The step fails, naming the file, on an enumeration it cannot find or one with an explicit value,
whose numbers the order alone would not give, and on a field of a type it does not know.
"""

import pathlib
import re
import sys

# (script name, file, enumeration, case, what the list starts with: 'as-is'; 'null-first', the
# first enumerator read as null; 'drop-first', the first left out; 'null-before', a null before
# the first, for a number that is 0 or 1 + the enumerator).
LISTS = [
    ('INPUT_PROBLEMS', 'web/module_answers.h', 'InputAnswer', 'kebab', 'null-first'),
    ('DESIGN_FAILURES', 'web/module_answers.h', 'WorkingOutcome', 'kebab', 'drop-first'),
    ('LAYOUT_FAILURES', 'web/module_answers.h', 'LayoutOutcome', 'kebab', 'drop-first'),
    ('MATERIALS', 'calculation/design_materials.h', 'MaterialsChoice', 'camel', 'as-is'),
    ('LENGTH_RULES', 'calculation/design_working.h', 'LengthRule', 'kebab', 'as-is'),
    ('STEEL_RULES', 'calculation/design_working.h', 'SteelRule', 'kebab', 'as-is'),
    ('BAR_RULES', 'calculation/design_working.h', 'BarRule', 'kebab', 'as-is'),
    ('REPORT_PARTS', 'calculation/design_report.h', 'ReportPart', 'camel', 'as-is'),
    ('SCHEDULE_OUTCOMES', 'web/module_answers.h', 'ScheduleOutcome', 'kebab', 'as-is'),
    ('SCHEDULE_FIELDS', 'calculation/schedule_entry.h', 'ScheduleField', 'kebab', 'null-before'),
    ('SCHEDULE_PROBLEMS', 'calculation/schedule_entry.h', 'ScheduleProblem', 'kebab', 'as-is'),
    ('CELL_KINDS', 'calculation/schedule_rows.h', 'CellKind', 'kebab', 'as-is'),
    ('BENDING_FIELDS', 'calculation/bending_design.h', 'BendingInputProblem', 'kebab',
     'null-before'),
    ('BENDING_PROBLEMS', 'calculation/bending_input.h', 'BendingTextProblem', 'kebab', 'as-is'),
    ('BENDING_OUTCOMES', 'web/module_answers.h', 'BendingOutcome', 'kebab', 'as-is'),
]

# (script name, file, array): the catalogue keys a constant array of texts names, in its order:
# the titles of the schedule's tables.
KEY_LISTS = [
    ('LEVEL_TITLES', 'calculation/schedule_rows.h', 'kLevelTitles'),
    ('TYPE_TITLES', 'calculation/schedule_rows.h', 'kTypeTitles'),
]

# (script name, struct) of web/module_answers.h.
ANSWERS_FILE = 'web/module_answers.h'
ANSWERS = [
    ('DESIGN_ANSWER', 'DesignAnswer'),
    ('GUARD_ANSWER', 'GuardAnswer'),
    ('LAYOUT_ANSWER', 'LayoutAnswer'),
    ('RULES_ANSWER', 'RulesAnswer'),
    ('WORKING_ANSWER', 'WorkingAnswer'),
    ('SCHEDULE_ANSWER', 'ScheduleAnswer'),
    ('MOMENTS_ANSWER', 'MomentsAnswer'),
    ('BENDING_ANSWER', 'BendingAnswer'),
]
# wasm32's size and alignment of each type a field may have (an enumeration of std::uint32_t
# and a pointer too).
FIELD_TYPES = {'std::uint32_t': (4, 4), 'double': (8, 8), 'TextView': (8, 4)}
POINTER = (4, 4)

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


def fields(path, name, word_enums):
    """The struct's fields as (name, byte offset, count) in wasm32's layout."""
    source = COMMENT.sub('', path.read_text(encoding='utf-8'))
    match = re.search(r'\bstruct\s+' + name + r'\s*\{(?P<body>[^}]*)\}', source)
    if not match:
        raise ContractError(f'{path}: no struct {name}')
    layout, offset = [], 0
    for declaration in filter(None, (item.strip() for item in match.group('body').split(';'))):
        field = re.fullmatch(r'(?P<type>[\w:]+(?:\s*\*)?|const\s+[\w:]+\s*\*)\s*'
                             r'(?P<name>\w+)(?:\[(?P<count>\d+)\])?', declaration)
        if not field:
            raise ContractError(f'{path}: {name}: cannot read the field "{declaration}"')
        kind = field.group('type')
        if kind.endswith('*'):
            size, alignment = POINTER
        elif kind in FIELD_TYPES:
            size, alignment = FIELD_TYPES[kind]
        elif kind in word_enums:
            size, alignment = 4, 4
        else:
            raise ContractError(f'{path}: {name}::{field.group("name")} has the unknown type {kind}')
        count = int(field.group('count') or 1)
        offset = (offset + alignment - 1) // alignment * alignment
        layout.append((field.group('name'), offset, count))
        offset += size * count
    return layout


def word_enumerations(path):
    source = COMMENT.sub('', path.read_text(encoding='utf-8'))
    return set(re.findall(r'\benum\s+class\s+(\w+)\s*:\s*std::uint32_t', source))


def camel(snake):
    first, *rest = snake.split('_')
    return first + ''.join(word.capitalize() for word in rest)


def page_name(enumerator, case):
    words = WORD_START.split(enumerator)
    if case == 'camel':
        return words[0].lower() + ''.join(words[1:])
    return '-'.join(word.lower() for word in words)


def name_lists(source_dir):
    """Each list's names as the page gives them, None where the page reads null."""
    lists = []
    for script_name, file, enumeration, case, first in LISTS:
        names = [page_name(item, case) for item in enumerators(source_dir / file, enumeration)]
        if first == 'null-first':
            names[0] = None
        elif first == 'drop-first':
            names = names[1:]
        elif first == 'null-before':
            names = [None, *names]
        lists.append((script_name, names))
    return lists


def answer_layouts(source_dir):
    path = source_dir / ANSWERS_FILE
    word_enums = word_enumerations(path)
    return [(script_name, struct, fields(path, struct, word_enums))
            for script_name, struct in ANSWERS]


def script_contract(source_dir):
    lines = []
    for script_name, names in name_lists(source_dir):
        items = ['null' if name is None else f"'{name}'" for name in names]
        lines.append(f'export const {script_name}=[{",".join(items)}];\n')
    for script_name, file, array in KEY_LISTS:
        items = [f"'{key}'" for key in keys(source_dir / file, array)]
        lines.append(f'export const {script_name}=[{",".join(items)}];\n')
    for script_name, _, layout in answer_layouts(source_dir):
        items = [f'{camel(name)}:{offset}' for name, offset, _ in layout]
        lines.append(f'export const {script_name}={{{",".join(items)}}};\n')
    return ''.join(lines)


def cpp_name(script_name):
    return 'k' + ''.join(word.capitalize() for word in script_name.lower().split('_'))


def cpp_contract(source_dir):
    lines = ['// Made by web/module_contract.py from the C++: the page\'s names of the modules\'\n',
             '// enumerations (an empty name where the page reads null), and the answers\' layout\n',
             '// that the page reads, asserted.\n', '#pragma once\n\n', '#include <array>\n',
             '#include <cstddef>\n', '#include <string_view>\n\n',
             f'#if defined(__wasm32__)\n#include "{ANSWERS_FILE}"\n#endif\n\n',
             'namespace coldesign::web::contract {\n\n']
    for script_name, names in name_lists(source_dir):
        items = ', '.join(f'"{name or ""}"' for name in names)
        lines.append(f'inline constexpr std::array<std::string_view, {len(names)}> '
                     f'{cpp_name(script_name)} = {{{items}}};\n')
    lines.append('\n#if defined(__wasm32__)\n')
    for _, struct, layout in answer_layouts(source_dir):
        for name, offset, _ in layout:
            lines.append(f'static_assert(offsetof({struct}, {name}) == {offset});\n')
    lines.append('#endif\n\n}  // namespace coldesign::web::contract\n')
    return ''.join(lines)


def main(arguments):
    if len(arguments) != 2:
        sys.exit(__doc__)
    source_dir, output = pathlib.Path(arguments[0]), pathlib.Path(arguments[1])
    try:
        text = (cpp_contract if output.suffix == '.h' else script_contract)(source_dir)
    except ContractError as error:
        sys.exit(f'module_contract.py: {error}')
    output.parent.mkdir(parents=True, exist_ok=True)
    temporary = output.with_name(output.name + '.part')
    temporary.write_text(text, encoding='utf-8')
    temporary.replace(output)


if __name__ == '__main__':
    main(sys.argv[1:])
