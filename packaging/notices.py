#!/usr/bin/env python3
"""Writes the third-party notices of a Windows package: for each DLL in it, what is built into
it; each of those parts with its version, copyright lines and licence; then the licence texts
in full. The package's installation runs it on the installed files (packaging/packaging.cmake),
so each package gets the notices of exactly what it holds. A DLL it cannot account for stops it.

Qt's parts come from Qt's attribution data (qt_attribution.json, read with
qtattributionsscanner), limited to those in the files that each DLL was compiled from, as the
Qt build recorded them in sources/<dll>.txt of its prefix; the MinGW-w64 runtime's from the
copyright files of the Debian packages that ship its DLLs."""

import argparse
import json
import re
import subprocess
import sys
import textwrap
from pathlib import Path, PureWindowsPath

RULE = '=' * 78
LINE = '-' * 78


def fail(message):
    sys.exit(f'notices.py: {message}')


def run(*command):
    done = subprocess.run(command, capture_output=True, text=True)
    if done.returncode:
        fail(f'{" ".join(command)} failed: {done.stderr.strip()}')
    return done.stdout


class Part:
    """A piece of other people's work in the package: a library, or code built into one. Its
    details are lines of the form "Key: value"; its notes, paragraphs after the copyright."""

    def __init__(self, name, version, licence, refs, copyright, details=(), notes=()):
        self.name, self.version, self.licence, self.refs = name, version, licence, refs
        self.copyright, self.details, self.notes = copyright, list(details), list(notes)
        self.dlls = []


class Texts:
    """The licence texts, each once, numbered in the order first named."""

    def __init__(self):
        self.texts = {}

    def add(self, key, title, text):
        if key not in self.texts:
            self.texts[key] = (len(self.texts) + 1, title, text.strip('\n'))
        return f'[{self.texts[key][0]}]'

    def add_file(self, path, title):
        path = Path(path)
        if not path.is_file():
            fail(f'no licence file {path}')
        return self.add(path.resolve(), title, path.read_text(errors='replace'))


def add_gpl(texts, path):
    """The GNU GPL v3, which Qt's source and GCC's copyright file each point to: one licence,
    given once."""
    return texts.add('GPL-3.0', 'GNU General Public License v3.0 (GPL-3.0)', Path(path).read_text())


def dll_imports(objdump, dll):
    return {name.lower() for name in re.findall(r'DLL Name: (\S+)', run(objdump, '-p', dll))}


class Qt:
    """Qt as built for the package: its DLLs, each one's share of Qt's source, and the parts of
    Qt's attribution data in that share."""

    def __init__(self, args, texts):
        self.source, self.prefix, self.texts = Path(args.qt_source), Path(args.qt_prefix), texts
        self.product = args.product
        conf = (self.source / '.cmake.conf').read_text()
        self.version = re.search(r'QT_REPO_MODULE_VERSION "([^"]+)"', conf).group(1)
        changelog = (self.source / 'debian/changelog').read_text()
        self.package, self.package_version = re.match(r'(\S+) \(([^)]+)\)', changelog).groups()
        self.options = args.qt_options.split()
        scan = run(args.scanner, '--output-format', 'json', str(self.source / 'src'))
        self.entries = json.loads(scan)
        self.parts = {}
        lgpl = texts.add_file(self.source / 'LICENSES/LGPL-3.0-only.txt',
                              'GNU Lesser General Public License v3.0 (LGPL-3.0)')
        self.own = Part(f'Qt {self.version}', self.version,
                        'GNU Lesser General Public License v3.0 only (LGPL-3.0-only), which adds '
                        'to the GNU General Public License v3.0',
                        [lgpl, add_gpl(texts, self.source / 'LICENSES/GPL-3.0-only.txt')], set(),
                        notes=self.source_note())

    def sources(self, dll):
        listed = self.prefix / 'sources' / f'{dll.name}.txt'
        return set(listed.read_text().split()) if listed.is_file() else None

    def relative(self, path):
        return Path(path).resolve().relative_to(self.source.resolve()).as_posix()

    def covers(self, entry, file):
        base = self.relative(entry['Path'])
        files = entry['Files'].replace(',', ' ').split()
        if files:
            return file in {f'{base}/{name}' for name in files}
        return file == base or file.startswith(base + '/')

    def account(self, share, name):
        """Adds the DLL to Qt and to each attribution entry in its share of the source."""
        self.own.dlls.append(name)
        for file in share:
            if file.startswith('src/3rdparty/'):
                continue
            text = (self.source / file).read_text(errors='replace')
            spdx = re.search(r'SPDX-License-Identifier: (.*)', text)
            if not spdx or 'LGPL-3.0-only' not in spdx.group(1).split():
                fail(f'{file}, built into {name}, is not under the LGPL-3.0: it needs a notice')
            self.own.copyright.update(re.findall(r'^// (Copyright \(C\) \d{4}.*)$', text, re.M))
        for entry in self.entries:
            if any(self.covers(entry, file) for file in share):
                self.part(entry).dlls.append(name)

    def part(self, entry):
        if entry['Id'] not in self.parts:
            files = entry.get('LicenseFiles') or [entry['LicenseFile']] * bool(entry['LicenseFile'])
            if not files and entry['License'] != 'Public Domain':
                fail(f"Qt's attribution {entry['Id']} gives no licence text")
            refs = [self.texts.add_file(f, f"{entry['Name']}: {self.relative(f)} in Qt's source")
                    for f in files]
            copyright = entry['Copyright'] or Path(entry['CopyrightFile']).read_text()
            licence = entry['License'] + (f" ({entry['LicenseId']})" if entry['LicenseId'] else '')
            details = [f"Part of: Qt {self.version}, built from the source named in Qt's section"]
            details += [f'{key}: {entry[key]}' for key in ('Description', 'Homepage') if entry[key]]
            version = entry['Version'] or f'none of its own stated; as in Qt {self.version}'
            self.parts[entry['Id']] = Part(entry['Name'], version, licence, refs,
                                           copyright.splitlines(), details)
        return self.parts[entry['Id']]

    def source_note(self):
        return [f"Source. These DLLs are built from Debian's source package {self.package} "
                f'{self.package_version} ("apt-get source {self.package}={self.package_version}" '
                "fetches it from Debian's archive), with Debian's patches and no change of ours, "
                'cross-compiled for Windows with MinGW-w64 GCC and configured with these CMake '
                'options:',
                '\n'.join(f'    {option}' for option in self.options),
                f'In {self.product}\'s source, "make windows" fetches that source and builds it '
                'so (scripts/windows-deps.sh).',
                f'Replacing Qt. {self.product} uses Qt only through these DLLs, linked '
                'dynamically. You may replace them with Qt built from this source, changed or '
                'not, or with another build of Qt of the same major and minor version made with '
                'the same compiler: quantell.exe loads the DLLs of these names beside it.']


# The MinGW-w64 runtime DLLs: the library each one is, and where its Debian package's copyright
# file states its licence: a GCC runtime library listed under the GCC Runtime Library
# Exception, or the folder of its source in a machine-readable copyright file.
RUNTIME = {
    'libstdc++-6.dll': ('GNU C++ Library (libstdc++)', 'gcc', 'libstdc++-v3'),
    'libgcc_s_seh-1.dll': ('GCC runtime library (libgcc)', 'gcc', 'libgcc'),
    'libwinpthread-1.dll': ('POSIX threads for Windows (winpthreads)', 'folder',
                            'mingw-w64-libraries/winpthreads/'),
}
# Licences that Debian's copyright files name without their text, by their file in
# /usr/share/common-licenses.
COMMON_LICENCES = {'BSD-3-clause': 'BSD'}


def gcc_licence(copyright, library, texts):
    runtime = re.search(r'following runtime libraries are licensed.*?Exception.*?:\n\n(.*?)\n\n',
                        copyright, re.S)
    if not runtime or not re.search(rf'^ - {re.escape(library)}\b', runtime.group(1), re.M):
        fail(f'the GCC copyright file lists no {library} under the GCC Runtime Library Exception')
    exception = re.search(r'GCC RUNTIME LIBRARY EXCEPTION\n.*?\n2\. No Weakening.*?\n\n',
                          copyright, re.S)
    holder = re.search(r'GCC is (Copyright \(C\) .*?Inc\.)', copyright, re.S)
    if not exception or not holder:
        fail('the GCC copyright file has no Runtime Library Exception or copyright statement')
    # The file gives the GPL by its place on a Debian system.
    refs = [add_gpl(texts, '/usr/share/common-licenses/GPL-3'),
            texts.add('GCC-exception-3.1', 'GCC Runtime Library Exception 3.1', exception.group(0))]
    return ('GNU General Public License v3.0 or later with the GCC Runtime Library Exception 3.1 '
            '(GPL-3.0-or-later WITH GCC-exception-3.1)', refs, [' '.join(holder.group(1).split())])


def folder_licence(copyright, folder, texts):
    """From a machine-readable copyright file: the paragraphs of the files in folder, less its
    tests, which no DLL holds; a licence named without its text has it in a paragraph of its
    own or in /usr/share/common-licenses."""
    paragraphs = [dict(re.findall(r'^(\S+): ?(.*(?:\n[ \t].*)*)', p, re.M))
                  for p in re.split(r'\n[ \t]*\n', copyright)]
    standalone = {p['License'].split('\n')[0]: p['License'] for p in paragraphs
                  if 'License' in p and 'Files' not in p}
    licences, refs, holders = [], [], []
    for p in paragraphs:
        files = p.get('Files', '').split()
        if not any(f.startswith(folder) and '/tests' not in f for f in files):
            continue
        name = p['License'].split('\n')[0]
        terms = p['License'] if '\n' in p['License'] else standalone.get(name)
        if terms:
            text = re.sub(r'^ (\.$)?', '', terms.split('\n', 1)[1], flags=re.M)
        elif name in COMMON_LICENCES:
            text = Path('/usr/share/common-licenses', COMMON_LICENCES[name]).read_text()
        else:
            fail(f'the copyright file gives no text of {name}')
        holders += [' '.join(line.split()) for line in p['Copyright'].split('\n')]
        licences.append(name)
        refs.append(texts.add(text, f'{name}, for {folder} in the Debian copyright file', text))
    if not licences:
        fail(f'the copyright file has nothing on {folder}')
    return ' AND '.join(licences), refs, holders


def runtime_part(args, dll, texts):
    if dll.name not in RUNTIME:
        return None
    name, kind, key = RUNTIME[dll.name]
    path = run(args.compiler, f'-print-file-name={dll.name}').strip()
    if not Path(path).is_absolute():
        fail(f'{args.compiler} does not know {dll.name}')
    package = run('dpkg', '-S', str(Path(path).resolve())).split(':')[0]
    version, source, source_version = run(
        'dpkg-query', '-W', '-f=${Version} ${source:Package} ${source:Version}', package).split()
    copyright = Path('/usr/share/doc', package, 'copyright').read_text(errors='replace')
    licence, refs, holders = (gcc_licence if kind == 'gcc' else folder_licence)(copyright, key,
                                                                                texts)
    return Part(name, version.split('-')[0], licence, refs, holders, [
        f'From: Debian\'s package {package} {version}, whose copyright file states this licence',
        f"Source: Debian's source package {source} {source_version}"])


def notices(product, dlls, parts, texts):
    out = [f'{product}: third-party notices',
           f'{product} に同梱している他者のソフトウェアのライセンス表示です。']
    out.append(f'''
quantell.exe is {product}'s own work, under the MIT licence in LICENSE.txt. The DLLs beside
it are the work of others, under licences of their own. Below: for each DLL, what is built
into it; then each of those parts with its version, copyright lines and licence; and at the
end the licence texts in full, numbered. This file is made when the package is built, from
the sources' own licence data.

The DLLs and what is built into them
{LINE}''')
    for dll in dlls:
        out.append(dll)
        out += [f'    {part.name}' for part in parts if dll in part.dlls]
    for part in parts:
        out += ['', RULE, part.name, RULE]
        refs = f"; see {', '.join(part.refs)} below" if part.refs else ''
        for line in [f"In: {', '.join(part.dlls)}", *part.details, f'Version: {part.version}',
                     f'Licence: {part.licence}{refs}', 'Copyright:']:
            out.append(textwrap.fill(line, 94, subsequent_indent='    '))
        out += [textwrap.fill(line.strip(), 94, initial_indent='    ', subsequent_indent=' ' * 8)
                for line in part.copyright if line.strip()]
        # A note indented is kept as it is.
        for note in part.notes:
            out += ['', note if note.startswith(' ') else
                    textwrap.fill(note, 94, break_on_hyphens=False)]
    out += ['', RULE, 'Licence texts', RULE]
    for number, title, text in texts.texts.values():
        out += ['', LINE, f'[{number}] {title}', LINE, text]
    return '\n'.join(out) + '\n'


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    for option in ('package', 'output', 'product', 'qt-prefix', 'qt-source', 'qt-options',
                   'scanner', 'compiler', 'objdump'):
        parser.add_argument(f'--{option}', required=True)
    args = parser.parse_args()
    package = Path(args.package)
    # Those beside the program first, then those in folders.
    found = sorted((p for p in package.rglob('*') if p.suffix.lower() == '.dll'),
                   key=lambda p: (len(p.relative_to(package).parts), str(p).lower()))
    if not found:
        fail(f'no DLL in {package}')
    texts = Texts()
    qt = Qt(args, texts)
    names = {dll: str(PureWindowsPath(dll.relative_to(package))) for dll in found}
    by_name = {dll.name.lower(): dll for dll in found}
    runtime = []
    for dll in found:
        share = qt.sources(dll)
        if share is None:
            part = runtime_part(args, dll, texts)
            if not part:
                fail(f'{names[dll]}: neither a DLL of our Qt build nor of the MinGW-w64 runtime')
            part.dlls.append(names[dll])
            runtime.append(part)
            continue
        # Its share: the files it was compiled from, less those of the DLLs it loads, whose
        # headers it merely includes.
        below, todo = set(), [dll]
        while todo:
            for name in dll_imports(args.objdump, todo.pop()) - below:
                if name in by_name:
                    below.add(name)
                    todo.append(by_name[name])
        for name in below:
            share -= qt.sources(by_name[name]) or set()
        qt.account(share, names[dll])
    qt.own.copyright = sorted(qt.own.copyright, key=lambda line: (line[19:], line))
    parts = [qt.own] + sorted(qt.parts.values(), key=lambda p: p.name.lower()) + runtime
    text = notices(args.product, [names[dll] for dll in found], parts, texts)
    # For Notepad of any Windows: CRLF, and UTF-8 told by its byte-order mark.
    (package / args.output).write_text(text, encoding='utf-8-sig', newline='\r\n')


if __name__ == '__main__':
    main()
