#!/usr/bin/env python3
"""Checks the program's catalogue, translations/*.ts, and gives the assembled page its texts.

    page_texts.py CATALOGUE_DIR [PAGE_DIR]

Every message of the catalogue stands in the context ColumnDesigner with a key, its
disambiguation; its source is the Arabic text and each .ts file gives its language's finished
translation. The page names texts by key only: in index.html as data-text="key" (the element's
text, %1 taken from its data-arg) or data-text-ATTRIBUTE="key" (an attribute), in its scripts as
tr('key', ...), and in the manifest as "tr:key"; the sheet's texts come from the engine's report
(calculation/design_report.cpp), whose lines begin with their key, and the schedule's tables'
from calculation/schedule_rows.*, which name theirs as string constants. With PAGE_DIR this step
writes PAGE_DIR/texts.js with the texts of every key the page uses, in every language, and
fills index.html and the manifest with the Arabic ones. It fails, naming the file and the key, on a catalogue that breaks
these rules or a key the page uses that the catalogue lacks.
"""

import html
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

SOURCE_LANGUAGE = 'ar'
CONTEXT = 'ColumnDesigner'
HTML_KEY = re.compile(r'\sdata-text(?:-[a-z-]+)?="(?P<key>[^"]*)"')
SCRIPT_KEY = re.compile(r"\btr\('(?P<key>[^']*)'")
MANIFEST_KEY = re.compile(r'"tr:(?P<key>[^"]*)"')
REPORT_KEY = re.compile(r'"(?P<key>[a-z]+\.[a-z-]+)\\0')
REPORT = pathlib.Path(__file__).resolve().parent.parent / 'calculation' / 'design_report.cpp'
# The schedule's tables name their titles and texts by key (the module's answer, the contract).
TABLE_KEY = re.compile(r'"(?P<key>[a-z]+(?:-[a-z]+)*\.[a-z-]+)"')
BENDING_REPORT = REPORT.with_name('bending_report.cpp')
TABLES = [REPORT.with_name('schedule_rows.h'), REPORT.with_name('schedule_rows.cpp')]
PLACE = re.compile(r'%(\d)')
START_TAG = re.compile(r'<[a-z][^>]*>')
ATTRIBUTE_KEY = re.compile(r'\sdata-text-([a-z-]+)="([^"]*)"')
ARGUMENT = re.compile(r'\sdata-arg="([^"]*)"')
# An element whose text is a key's: it stands empty (or blank) in the source.
ELEMENT_TEXT = re.compile(
    r'(?P<start><(?P<tag>[a-z0-9]+)\b[^>]*\sdata-text="(?P<key>[^"]*)"[^>]*>)\s*'
    r'(?P<end></(?P=tag)>)')


class CatalogueError(Exception):
    pass


def read_catalogue(folder):
    """{key: {language: text}} from every .ts file of `folder`."""
    texts = {}
    for path in sorted(pathlib.Path(folder).glob('*.ts')):
        root = ElementTree.parse(path).getroot()
        language = root.get('language', '').split('_')[0]
        for context in root.iter('context'):
            for message in context.iter('message'):
                key = message.findtext('comment')
                source = message.findtext('source')
                translation = message.find('translation')
                if context.findtext('name') != CONTEXT:
                    # lupdate files a text elsewhere when it cannot resolve Texts: a function
                    # whose return type is qualified (QMessageBox::StandardButton F()) misleads it.
                    raise CatalogueError(f'{path}: "{source}" is not in the context {CONTEXT}')
                if not key:
                    raise CatalogueError(f'{path}: the text "{source}" has no key')
                if translation.get('type') is not None or not translation.text:
                    raise CatalogueError(f'{path}: the key {key} has no finished translation')
                known = texts.setdefault(key, {SOURCE_LANGUAGE: source})
                if known[SOURCE_LANGUAGE] != source:
                    raise CatalogueError(f'{path}: the key {key} names two texts')
                known[language] = translation.text
    return texts


def used_keys(sources):
    """{key: the file that uses it} for every key the files name; `sources`: (path, pattern)."""
    found = {}
    for path, pattern in sources:
        for match in pattern.finditer(path.read_text(encoding='utf-8')):
            found.setdefault(match.group('key'), path.name)
    return found


def fill(text, argument):
    return PLACE.sub(lambda place: argument if place.group(1) == '1' else place.group(0), text)


def fill_html(page, arabic):
    """The Arabic texts in place, so that the page's first paint needs no script."""

    def attributes(tag):
        return ATTRIBUTE_KEY.sub(lambda match: f'{match.group(0)} {match.group(1)}="'
                                 f'{html.escape(arabic[match.group(2)])}"', tag.group(0))

    def content(element):
        start, key, end = element.group('start', 'key', 'end')
        argument = ARGUMENT.search(start)
        text = arabic[key]
        if argument is None and PLACE.search(text):
            return element.group(0)  # its argument comes when the page runs
        text = fill(text, html.unescape(argument.group(1)) if argument else '')
        return start + html.escape(text, quote=False) + end

    return ELEMENT_TEXT.sub(content, START_TAG.sub(attributes, page))


def main(catalogue_dir, page_dir=None):
    catalogue = read_catalogue(catalogue_dir)
    if page_dir is None:
        return
    page = pathlib.Path(page_dir)
    manifest = page / 'manifest.webmanifest'
    index = page / 'index.html'
    # The manifest's texts are Arabic only; the page's own, in every language, go to texts.js.
    page_keys = used_keys([(index, HTML_KEY)] + [(script, SCRIPT_KEY) for script in
                                                 sorted(page.glob('*.js'))
                                                 if script.name != 'texts.js'] +
                          [(REPORT, REPORT_KEY), (BENDING_REPORT, REPORT_KEY)] +
                          [(tables, TABLE_KEY) for tables in TABLES])
    keys = used_keys([(manifest, MANIFEST_KEY)]) | page_keys
    languages = sorted({language for texts in catalogue.values() for language in texts})
    problems = [f'{file}: the key {key} is not in the catalogue'
                for key, file in keys.items() if key not in catalogue]
    if problems:
        raise CatalogueError('\n'.join(problems))

    table = {language: {key: catalogue[key][language] for key in sorted(page_keys)}
             for language in languages}
    compact_table = json.dumps(table, ensure_ascii=False, separators=(',', ':'))
    (page / 'texts.js').write_text(
        '// Made by web/page_texts.py from translations/*.ts: the texts the page uses, by key.\n'
        f'const TEXTS = {compact_table};\n\n'
        'export function texts(language) {\n  return TEXTS[language];\n}\n', encoding='utf-8')
    arabic = {key: catalogue[key][SOURCE_LANGUAGE] for key in keys}
    index.write_text(fill_html(index.read_text(encoding='utf-8'), arabic), encoding='utf-8')
    manifest.write_text(MANIFEST_KEY.sub(lambda match: json.dumps(arabic[match.group('key')],
                                                                  ensure_ascii=False),
                                         manifest.read_text(encoding='utf-8')), encoding='utf-8')


if __name__ == '__main__':
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    try:
        main(*sys.argv[1:])
    except CatalogueError as error:
        sys.exit(f'page_texts.py: {error}')
