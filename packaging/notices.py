#!/usr/bin/env python3
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

"""Writes the third-party notices of a Windows package: for quantell.exe and each file of others
in it, what is built into it; each of those parts with its version, copyright lines, licence (by
its SPDX identifier) and source; then the licence texts in full. The package's installation runs
it on the installed files (packaging/packaging.cmake), so each package gets the notices of
exactly what it holds. A file it cannot account for stops it.

Qt's parts come from Qt's attribution data (qt_attribution.json, read with
qtattributionsscanner), limited to those whose files went into each DLL as Qt's build graph
tells it (graph/ of the Qt prefix): the files its own objects were compiled from, included ones
too, and the other files of Qt's source that its build steps read, such as those rcc compiles
in. The MinGW-w64 runtime's come from the copyright files of the Debian packages that ship it:
its DLLs, and the parts of its C runtime that the toolchain links into every program and DLL,
found in quantell.exe by its link map and in each DLL by their code, byte for byte. A file copied
from a Debian package (Qt's Japanese catalogue) takes that package's copyright file."""

import argparse
import fnmatch
import hashlib
import json
import re
import struct
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
    details are lines of the form "Key: value"; its notes, paragraphs after the copyright; its
    sources, the Debian source packages it is built from, as (name, version)."""

    def __init__(self, name, version, licence, refs, copyright, details=(), notes=(), sources=()):
        self.name, self.version, self.licence, self.refs = name, version, licence, refs
        self.copyright, self.details, self.notes = copyright, list(details), list(notes)
        self.sources = list(sources)
        self.dlls = []

    def add_to(self, name):
        if name not in self.dlls:
            self.dlls.append(name)


class Texts:
    """The licence texts, each once, numbered in the order first named."""

    def __init__(self):
        self.texts = {}

    def add(self, key, title, text):
        if key not in self.texts:
            # A byte-order mark that a licence file starts with is no part of its text.
            self.texts[key] = (len(self.texts) + 1, title, text.replace('\ufeff', '').strip('\n'))
        return f'[{self.texts[key][0]}]'

    def add_file(self, path, title):
        path = Path(path)
        if not path.is_file():
            fail(f'no licence file {path}')
        return self.add(path.resolve(), title, path.read_text(errors='replace'))


def add_gpl(texts, path, where=None):
    """The GNU GPL v3, which Qt's source and the Debian copyright files each point to: one
    licence, given once, from the file path, which where names in its title."""
    return texts.add('GPL-3.0', f'GNU General Public License v3.0 (GPL-3.0): {where or path}',
                     Path(path).read_text())


# Licences that Debian's copyright files name without their text, by their file in
# /usr/share/common-licenses.
COMMON_LICENCES = {'BSD-3-clause': 'BSD', 'GPL-2+': 'GPL-2', 'GPL-3+': 'GPL-3', 'LGPL-2+': 'LGPL-2',
                   'LGPL-2.1+': 'LGPL-2.1'}
# Debian's short licence names as SPDX identifiers; one that the SPDX list lacks becomes a
# LicenseRef- of its Debian name, its text given below as Debian's copyright file has it.
SPDX = {'expat': 'MIT', 'isc': 'ISC', 'zpl-2.1': 'ZPL-2.1', 'bsd-2-clause-netbsd': 'BSD-2-Clause-NetBSD',
        'bsd-3-clause': 'BSD-3-Clause', 'bsd-3-clause-lockless': 'BSD-3-Clause',
        'bsd-3-clause-mingw-w64': 'BSD-3-Clause', 'gpl-2+': 'GPL-2.0-or-later',
        'gpl-3': 'GPL-3.0-only', 'gpl-3+': 'GPL-3.0-or-later', 'lgpl-2+': 'LGPL-2.0-or-later',
        'lgpl-2.1+': 'LGPL-2.1-or-later', 'qt-1.0': 'Qt-GPL-exception-1.0'}


def spdx(debian_name):
    def one(name):
        licence, _, exception = name.partition(' with ')
        exception = exception.removesuffix(' exception')
        return ' WITH '.join(SPDX.get(n.lower(), f'LicenseRef-{n}') for n in [licence, exception] if n)
    return ' AND '.join(one(name) for name in debian_name.split(' and '))


class DebianPackage:
    """The Debian package that installed a file: its version, source package and copyright."""

    def __init__(self, path):
        self.name = run('dpkg', '-S', str(Path(path).resolve())).split(':')[0]
        self.version, self.source, self.source_version, built_using = run(
            'dpkg-query', '-W', '-f=${Version}\n${source:Package}\n${source:Version}\n${Built-Using}\n',
            self.name).split('\n')[:4]
        # A package built from another package's source too (the GCC runtime from gcc-12's)
        # names it, with its exact version, in Built-Using.
        self.sources = [(self.source, self.source_version)] + re.findall(
            r'(\S+) \(= ([^)]+)\)', built_using)
        self.copyright = Path('/usr/share/doc', self.name, 'copyright').read_text(errors='replace')

    def details(self):
        sources = ' and '.join(f'{name} {version}' for name, version in self.sources)
        return [f"From: Debian's package {self.name} {self.version}, whose copyright file states "
                'this licence', f"Source: Debian's source package{'s' * (len(self.sources) > 1)} "
                f'{sources}']


class DebianCopyright:
    """A machine-readable Debian copyright file: for a file of the source, the licences and
    copyright lines of the paragraphs that name it. A file named by paragraphs of its own is
    under each of them (Debian lists mingw_pformat.c under both the Lucent licence and its
    author's); the paragraph for every file ("Files: *") holds only for the others."""

    def __init__(self, text):
        paragraphs = [dict(re.findall(r'^(\S+): ?(.*(?:\n[ \t].*)*)', p, re.M))
                      for p in re.split(r'\n[ \t]*\n', text)]
        self.files = [p for p in paragraphs if 'Files' in p]
        self.standalone = {p['License'].split('\n')[0]: p['License'] for p in paragraphs
                           if 'License' in p and 'Files' not in p}

    def paragraphs(self, path):
        named = [p for p in self.files if any(fnmatch.fnmatchcase(path, pattern)
                                              for pattern in p['Files'].split())]
        return [p for p in named if p['Files'].strip() != '*'] or named

    def licence(self, paragraph, texts, title):
        """The paragraph's licence as an SPDX expression, and the references to its texts: that
        of the paragraph, of a paragraph of its own, or in /usr/share/common-licenses; a
        dedication to the public domain has none."""
        name = paragraph['License'].split('\n')[0]
        refs = []
        for one in name.split(' and '):
            terms = paragraph['License'] if one == name and '\n' in paragraph['License'] \
                else self.standalone.get(one, '')
            common = Path('/usr/share/common-licenses', COMMON_LICENCES.get(one, one))
            if '\n' in terms:
                text = re.sub(r'^ (\.$)?', '', terms.split('\n', 1)[1], flags=re.M)
                refs.append(texts.add(text, f'{spdx(one)}, as {title} gives it', text))
            elif common.name == 'GPL-3':
                refs.append(add_gpl(texts, common))
            elif common.is_file():
                refs.append(texts.add_file(common, f'{spdx(one)}: {common}'))
            elif not one.startswith('public-domain'):
                fail(f'{title} gives no text of {one}')
        return spdx(name), refs

    @staticmethod
    def holders(paragraph):
        """Its copyright lines, each saying "Copyright", or that there is none."""
        lines = [' '.join(line.split()) for line in paragraph['Copyright'].split('\n') if line.strip()]
        if lines == ['public-domain']:
            return ['None: in the public domain']
        return [line if re.match(r'(?i)copyright|\(c\)|©', line) else f'Copyright {line}'
                for line in lines]


class Cache:
    """What is slow to work out, kept between the runs of one build (each package's
    installation runs this), by a key that its inputs give."""

    def __init__(self, path):
        self.path = Path(path)
        self.data = json.loads(self.path.read_text()) if self.path.is_file() else {}

    def get(self, key, make):
        if key not in self.data:
            self.data[key] = make()
            self.path.write_text(json.dumps(self.data))
        return self.data[key]


# The steps that link a DLL (and its import library), whose objects are that DLL's.
LINKED = re.compile(r'CXX_(SHARED|MODULE)_LIBRARY_LINKER')


class QtGraph:
    """What of Qt's source went into each DLL of the Qt build, from its ninja graph and
    dependency log: the files of Qt's source that the steps building the DLL's own objects read,
    static libraries' included, those their compiler included (headers, and sources included by
    others) and those of the steps before (such as the files rcc compiles in). The order-only
    inputs of a step are not read by it and are left out, and so are the steps of the other
    DLLs it links to."""

    def __init__(self, graph, source, cache):
        self.graph, self.source = Path(graph), Path(source).resolve()
        key = f'Qt {self.graph.resolve()} {(self.graph / ".ninja_deps").stat().st_mtime_ns}'
        self.shares = cache.get(key, self.work_out)

    def work_out(self):
        self.build = re.search(r'^cmake_ninja_workdir = (.*)$', (self.graph / 'build.ninja').read_text(),
                               re.M).group(1)
        targets = self.ninja('-t', 'targets', 'all').splitlines()
        dlls = [t.split(':')[0] for t in targets if re.match(r'[^:]*\.dll: [A-Z]', t)]
        shares = {}
        for dll, (_, inputs) in self.steps(dlls).items():
            seen, todo = set(inputs), inputs
            while todo:
                built = [i for i in todo if self.relative(i) is None]
                todo = [i for rule, step in self.steps(built).values() if not LINKED.match(rule)
                        for i in step if i not in seen]
                seen.update(todo)
            compiled = self.ninja('-t', 'deps', *sorted(i for i in seen if i.endswith('.obj')))
            files = {line.strip() for line in compiled.splitlines() if line.startswith('    ')}
            shares[Path(dll).name] = sorted(filter(None, map(self.relative, files | seen)))
        return shares

    def ninja(self, *args):
        return run('ninja', '-C', str(self.graph), *args)

    def steps(self, targets):
        """The rule and the explicit and implicit inputs of the step that builds each target."""
        steps = {}
        for block in re.split(r'\n(?=\S)', self.ninja('-t', 'query', *targets)) if targets else []:
            head, _, rest = block.partition(':\n')
            rule = re.search(r'^  input: (\S+)', rest, re.M)
            steps[head] = (rule.group(1) if rule else '',
                           re.findall(r'^    (?:\| )?(\S+)$', rest.split('  outputs:')[0], re.M))
        return steps

    def relative(self, path):
        """The path within Qt's source, or None for one outside it (built, or the system's).
        The graph names files relative to the build folder it was kept from."""
        path = Path(self.build, path)
        try:
            return path.resolve().relative_to(self.source).as_posix()
        except ValueError:
            return None

    def share(self, dll):
        return set(self.shares[dll.name]) if dll.name in self.shares else None


CODE = ('.c', '.cc', '.cpp', '.cxx', '.h', '.hpp')
# A source that one of Qt's tools in util/ generated says so; that tool's folder holds the data
# it came from, and the attribution of that data (webgradients.cpp, from webgradients.css).
GENERATED = re.compile(r'auto-generated by (\w+)')


class Qt:
    """Qt as built for the package: its DLLs, each one's share of Qt's source, and the parts of
    Qt's attribution data in that share."""

    def __init__(self, args, texts, cache):
        self.source, self.texts = Path(args.qt_source), texts
        self.product = args.product
        self.graph = QtGraph(Path(args.qt_prefix) / 'graph', self.source, cache)
        conf = (self.source / '.cmake.conf').read_text()
        self.version = re.search(r'QT_REPO_MODULE_VERSION "([^"]+)"', conf).group(1)
        changelog = (self.source / 'debian/changelog').read_text()
        self.package, self.package_version = re.match(r'(\S+) \(([^)]+)\)', changelog).groups()
        self.options = args.qt_options.split()
        scan = run(args.scanner, '--output-format', 'json', str(self.source))
        self.entries = json.loads(scan)
        self.parts = {}
        lgpl = texts.add_file(self.source / 'LICENSES/LGPL-3.0-only.txt',
                              'GNU Lesser General Public License v3.0 (LGPL-3.0): '
                              "LICENSES/LGPL-3.0-only.txt in Qt's source")
        self.own = Part(f'Qt {self.version}', self.version,
                        'LGPL-3.0-only (the GNU Lesser General Public License v3.0, which adds '
                        'to the GNU General Public License v3.0)',
                        [lgpl, add_gpl(texts, self.source / 'LICENSES/GPL-3.0-only.txt',
                                       "LICENSES/GPL-3.0-only.txt in Qt's source")], set(),
                        notes=self.source_note(args.source_archive),
                        sources=[(self.package, self.package_version)])

    def relative(self, path):
        return Path(path).resolve().relative_to(self.source.resolve()).as_posix()

    def covers(self, entry, share):
        """Whether any file of share is the entry's: one it names, or any under its folder."""
        base = self.relative(entry['Path'])
        files = entry['Files'].replace(',', ' ').split()
        if files:
            return not share.isdisjoint(f'{base}/{name}' for name in files)
        return base in share or any(file.startswith(base + '/') for file in share)

    def account(self, share, name):
        """Adds the DLL to Qt and to each attribution entry in its share of the source."""
        self.own.add_to(name)
        for file in sorted(share):
            if not file.endswith(CODE):
                continue
            text = (self.source / file).read_text(errors='replace')
            tool = GENERATED.search(text)
            if tool and (self.source / 'util' / tool.group(1)).is_dir():
                share |= {self.relative(f) for f in (self.source / 'util' / tool.group(1)).iterdir()}
            if file.startswith('src/3rdparty/'):
                continue
            # REUSE-IgnoreStart (the tag is Qt's files', not a licence of this one)
            spdx_line = re.search(r'SPDX-License-Identifier: (.*)', text)
            # REUSE-IgnoreEnd
            if not spdx_line or 'LGPL-3.0-only' not in spdx_line.group(1).split():
                fail(f'{file}, built into {name}, is not under the LGPL-3.0: it needs a notice')
            self.own.copyright.update(re.findall(r'^// (Copyright \(C\) \d{4}.*)$', text, re.M))
        for entry in self.entries:
            if self.covers(entry, share):
                self.part(entry).add_to(name)

    def part(self, entry):
        if entry['Id'] not in self.parts:
            files = entry.get('LicenseFiles') or [entry['LicenseFile']] * bool(entry['LicenseFile'])
            if not files and entry['License'] != 'Public Domain':
                fail(f"Qt's attribution {entry['Id']} gives no licence text")
            refs = [self.texts.add_file(f, f"{entry['Name']}: {self.relative(f)} in Qt's source")
                    for f in files]
            copyright = entry['Copyright'] or Path(entry['CopyrightFile']).read_text()
            licence = (f"{entry['LicenseId']} ({entry['License']})" if entry['LicenseId']
                       else entry['License'])
            details = [f"Part of: Qt {self.version}, built from the source named in Qt's section"]
            details += [f'{key}: {entry[key]}' for key in ('Description', 'Homepage') if entry[key]]
            version = entry['Version'] or f'none of its own stated; as in Qt {self.version}'
            self.parts[entry['Id']] = Part(entry['Name'], version, licence, refs,
                                           copyright.splitlines(), details)
        return self.parts[entry['Id']]

    def source_note(self, archive):
        return [f"Source. These DLLs are built from Debian's source package {self.package} "
                f'{self.package_version}, with Debian\'s patches and no change of ours, '
                'cross-compiled for Windows with MinGW-w64 GCC and configured with these CMake '
                'options:',
                '\n'.join(f'    {option}' for option in self.options),
                f'{archive} holds that source and {self.product}\'s, in which "make windows" '
                'builds it so (scripts/windows-deps.sh).',
                f'Replacing Qt. {self.product} uses Qt only through these DLLs, linked '
                'dynamically. You may replace them with Qt built from this source, changed or '
                'not, or with another build of Qt of the same major and minor version made with '
                'the same compiler: quantell.exe loads the DLLs of these names beside it.']


def ar_members(path):
    """The members of an ar archive, each as its name and bytes; an object file is its own."""
    data = Path(path).read_bytes()
    if not data.startswith(b'!<arch>\n'):
        yield Path(path).name, data
        return
    pos, names = 8, b''
    while pos + 60 <= len(data):
        name, size = data[pos:pos + 16].decode().strip(), int(data[pos + 48:pos + 58])
        body = data[pos + 60:pos + 60 + size]
        pos += 60 + size + (size & 1)
        if name == '//':
            names = body
        elif re.fullmatch(r'/\d+', name):
            start = int(name[1:])
            yield names[start:names.index(b'/\n', start)].decode(), body
        elif name not in ('/', '/SYM64/'):
            yield name.rstrip('/'), body


def dll_imports(objdump, dll):
    return {name.lower() for name in re.findall(r'DLL Name: (\S+)', run(objdump, '-p', dll))}


# How many bytes a relocation of each AMD64 type fills in.
RELOCATION_SIZE = {0: 0, 1: 8, 10: 2}
# Fewer bytes of code than this, or between relocations, may be found by chance.
EVIDENCE = 16


def code_patterns(obj):
    """For each code section of a 64-bit COFF object with EVIDENCE bytes or more between two
    relocations: its bytes up to the first relocation, its longest run of bytes between two and
    where it begins, and a pattern of the whole with the bytes that the linker fills in left
    open."""
    machine, count, _, _, _, optional, _ = struct.unpack_from('<HHIIIHH', obj)
    for i in range(count if machine == 0x8664 else 0):
        at = 20 + optional + 40 * i
        size, offset, relocations, _, relocation_count, _, flags = struct.unpack_from(
            '<IIIIHHI', obj, at + 16)
        if not flags & 0x20 or not size:  # IMAGE_SCN_CNT_CODE
            continue
        section = obj[offset:offset + size]
        spans = sorted((start, start + RELOCATION_SIZE.get(kind, 4)) for start, _, kind in (
            struct.unpack_from('<IIH', obj, relocations + 10 * r) for r in range(relocation_count)))
        runs, pattern, pos = [], b'', 0
        for start, end in spans + [(size, size)]:
            runs.append((pos, section[pos:start]))
            pattern += re.escape(section[pos:start]) + b'.' * (end - start)
            pos = end
        begin, longest = max(runs, key=lambda run: len(run[1]))
        if len(longest) >= EVIDENCE:
            yield runs[0][1], longest, begin, re.compile(pattern, re.S)

def link_map(path):
    """The files and archive members that a GNU ld link map names as linked in, as (file,
    member) with the file's real path; an object file is its own member."""
    text = Path(path).read_text()
    members = re.findall(r'^(/\S+\.a)\((\S+)\)$', text, re.M)
    objects = [(f, Path(f).name) for f in re.findall(r'^LOAD (/\S+\.o)$', text, re.M)]
    return {(str(Path(f).resolve()), m) for f, m in members + objects}, \
        {str(Path(f).resolve()) for f in re.findall(r'^LOAD (/\S+)$', text, re.M)}


class StaticRuntime:
    """The parts of the MinGW-w64 C runtime that the toolchain links into every program and DLL:
    its start-up objects and members of its static libraries, each known by the source file its
    debug information names, and under the licences that the copyright file of the Debian
    package shipping them states for that file. In quantell.exe, those its link map names; in a
    DLL, those whose code is found in it byte for byte (a part with less code than that tells
    is not looked for, nor a part of data alone)."""

    def __init__(self, args, texts, cache):
        self.texts, self.cache = texts, cache
        lib = Path(run(args.compiler, '-print-file-name=dllcrt2.o').strip()).resolve().parent
        self.package = DebianPackage(lib / 'dllcrt2.o')
        self.copyright = DebianCopyright(self.package.copyright)
        self.linked, loaded = link_map(args.link_map)
        # The libraries and objects of the runtime that a link loads, and a DLL's start-up.
        files = sorted({f for f in loaded if Path(f).parent == lib} | {str(lib / 'dllcrt2.o')})
        self.sources, member = {}, None
        for line in run(args.objdump, '--dwarf=info', '--dwarf-depth=1', *files).splitlines():
            if re.match(r'\S+:\s+file format', line):
                member = line.split(':')[0]
            elif (found := re.search(r'DW_AT_name\s*:.*?(\./mingw-w64-\S+)$', line)) and member:
                self.sources.setdefault(member, found.group(1)[2:])
        self.patterns = {}
        for file in files:
            for name, body in ar_members(file):
                if name in self.sources:
                    self.patterns[(file, name)] = list(code_patterns(body))
        if not self.linked & self.patterns.keys():
            fail(f'the link map {args.link_map} names no part of the MinGW-w64 runtime in {lib}')
        self.parts = {}

    def found_in(self, binary):
        """The parts whose every code section is in the binary. The linker places each section
        at a multiple of 16 bytes, as its alignment asks: sections are looked up there by their
        first 8 bytes, or, starting with a relocation, by their longest run of bytes."""
        data = Path(binary).read_bytes()
        starts = {}
        for at in range(0, len(data) - 8, 16):
            starts.setdefault(data[at:at + 8], []).append(at)

        def found(head, longest, begin, pattern):
            if len(head) >= 8:
                return any(pattern.match(data, at) for at in starts.get(head[:8], ()))
            at = data.find(longest)
            while at >= 0 and not pattern.match(data, at - begin):
                at = data.find(longest, at + 1)
            return at >= 0

        return {key for key, patterns in self.patterns.items()
                if patterns and all(found(*p) for p in patterns)}

    def account(self, binary, name, by_map=False):
        if by_map:
            keys = self.linked & self.patterns.keys()
        else:
            digest = hashlib.sha256(Path(binary).read_bytes()).hexdigest()
            keys = {tuple(key) for key in self.cache.get(
                f'MinGW-w64 runtime in {digest}', lambda: sorted(self.found_in(binary)))}
        if not keys:
            fail(f'{name}: no part of the MinGW-w64 C runtime found in it; what made it?')
        for key in sorted(keys):
            source = self.sources[key[1]]
            for paragraph in self.copyright.paragraphs(source):
                part = self.part(paragraph)
                part.add_to(name)
                part.files.add(source)

    def part(self, paragraph):
        licence, refs = self.copyright.licence(
            paragraph, self.texts, f"Debian's copyright file of {self.package.name}")
        if licence not in self.parts:
            part = Part(f'MinGW-w64 C runtime, parts under {licence}',
                        self.package.version.split('-')[0], licence, refs, [],
                        sources=self.package.sources)
            part.files, part.paragraphs = set(), []
            self.parts[licence] = part
        part = self.parts[licence]
        if paragraph not in part.paragraphs:
            part.paragraphs.append(paragraph)
            part.copyright += [h for h in self.copyright.holders(paragraph) if h not in part.copyright]
        return part

    def finish(self):
        for part in self.parts.values():
            part.details = [
                'Linked in: by the MinGW-w64 toolchain, into every program and DLL it makes; '
                'in quantell.exe, as its link map names them; in each DLL, found there by their '
                'code, byte for byte',
                f"Files: {', '.join(sorted(part.files))}", *self.package.details()]
        return sorted(self.parts.values(), key=lambda p: p.name.lower())


# The MinGW-w64 runtime DLLs: the library each one is, and where its Debian package's copyright
# file states its licence: a GCC runtime library listed under the GCC Runtime Library
# Exception, or the folder of its source in a machine-readable copyright file.
RUNTIME = {
    'libstdc++-6.dll': ('GNU C++ Library (libstdc++)', 'gcc', 'libstdc++-v3'),
    'libgcc_s_seh-1.dll': ('GCC runtime library (libgcc)', 'gcc', 'libgcc'),
    'libwinpthread-1.dll': ('POSIX threads for Windows (winpthreads)', 'folder',
                            'mingw-w64-libraries/winpthreads/'),
}


def gcc_licence(copyright, library, texts, title):
    runtime = re.search(r'following runtime libraries are licensed.*?Exception.*?:\n\n(.*?)\n\n',
                        copyright, re.S)
    if not runtime or not re.search(rf'^ - {re.escape(library)}\b', runtime.group(1), re.M):
        fail(f'the GCC copyright file lists no {library} under the GCC Runtime Library Exception')
    # From its title to the end of its last section, "2. No Weakening of GCC Copyleft.".
    exception = re.search(r'GCC RUNTIME LIBRARY EXCEPTION\n.*?\n2\. No Weakening of GCC Copyleft\.'
                          r'\n\n.*?\n\n', copyright, re.S)
    holder = re.search(r'GCC is (Copyright \(C\) .*?Inc\.)', copyright, re.S)
    if not exception or not holder:
        fail('the GCC copyright file has no Runtime Library Exception or copyright statement')
    # The file gives the GPL by its place on a Debian system.
    refs = [add_gpl(texts, '/usr/share/common-licenses/GPL-3'),
            texts.add('GCC-exception-3.1', f'GCC-exception-3.1, as {title} gives it',
                      exception.group(0))]
    return 'GPL-3.0-or-later WITH GCC-exception-3.1', refs, [' '.join(holder.group(1).split())]


def folder_licence(copyright, folder, texts, title):
    """The licences of the paragraphs of the files in folder, less its tests, which no DLL
    holds."""
    licences, refs, holders = [], [], []
    for p in copyright.files:
        if not any(f.startswith(folder) and '/tests' not in f for f in p['Files'].split()):
            continue
        licence, more = copyright.licence(p, texts, title)
        licences += [licence] * (licence not in licences)
        refs += [ref for ref in more if ref not in refs]
        holders += copyright.holders(p)
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
    package = DebianPackage(path)
    title = f"Debian's copyright file of {package.name}"
    licence, refs, holders = (gcc_licence(package.copyright, key, texts, title) if kind == 'gcc' else
                              folder_licence(DebianCopyright(package.copyright), key, texts, title))
    return Part(name, package.version.split('-')[0], licence, refs, holders, package.details(),
                sources=package.sources)


def copied_part(origin, source, texts):
    """A file copied as it is from a Debian package's file origin, which the package's source
    makes from its file source: under the licences its copyright file states for that. It is
    named by the package's summary ("translations for Qt 6") and its own name."""
    package = DebianPackage(origin)
    summary = run('dpkg-query', '-W', '-f=${binary:Summary}', package.name)
    name = f'{summary[:1].upper()}{summary[1:]} ({Path(origin).name})'
    copyright = DebianCopyright(package.copyright)
    paragraphs = copyright.paragraphs(source)
    title = f"Debian's copyright file of {package.name}"
    licences, refs = zip(*(copyright.licence(p, texts, title) for p in paragraphs))
    # A GPL named "with" an exception comes with the exception's text alone.
    gpl = [add_gpl(texts, '/usr/share/common-licenses/GPL-3')] * any('GPL-3' in l for l in licences)
    return Part(name, package.version.split('-')[0], ' AND '.join(licences),
                gpl + [ref for more in refs for ref in more],
                [h for p in paragraphs for h in copyright.holders(p)], package.details(),
                sources=package.sources)


def notices(product, files, parts, texts, archive):
    out = [f'{product}: third-party notices',
           f'{product} に同梱している他者のソフトウェアのライセンス表示です。']
    out.append(f'''
quantell.exe is {product}'s own work, under the MIT licence in LICENSE.txt, with parts of the
MinGW-w64 C runtime that its compiler links into every program. The DLLs and other files beside
it are the work of others, under licences of their own. Below: for each file, what is built
into it; then each of those parts with its version, copyright lines, licence (by its SPDX
identifier; a LicenseRef- one names a licence the SPDX list lacks) and source; the sources; and
at the end the licence texts in full, numbered. This file is made when the package is built,
from the sources' own licence data.

The files and what is built into them
{LINE}''')
    for file in files:
        out.append(file)
        out += [f'    {part.name}' for part in parts if file in part.dlls]
    for part in parts:
        out += ['', RULE, part.name, RULE]
        refs = f"; see {', '.join(part.refs)} below" if part.refs else ''
        for line in [f"In: {', '.join(part.dlls)}", *part.details, f'Version: {part.version}',
                     f'Licence: {part.licence}{refs}', 'Copyright:']:
            out.append(textwrap.fill(line, 94, subsequent_indent='    ', break_on_hyphens=False))
        out += [textwrap.fill(line.strip(), 94, initial_indent='    ', subsequent_indent=' ' * 8)
                for line in part.copyright if line.strip()]
        # A note indented is kept as it is.
        for note in part.notes:
            out += ['', note if note.startswith(' ') else
                    textwrap.fill(note, 94, break_on_hyphens=False)]
    sources = sorted({source for part in parts for source in part.sources})
    out += ['', RULE, 'Sources', RULE, textwrap.fill(
        f'{archive}, offered beside this package, holds the source of all of the above: '
        f'{product}\'s own (in quantell/, with the scripts that build Qt as configured above) and '
        'each of these Debian source packages as "apt-get source" fetches it from Debian\'s '
        'archive, its .dsc file and the tarballs that the .dsc names and checks:', 94), '']
    out += [f'    debian/{name}_{re.sub(r"^[0-9]+:", "", version)}.dsc'
            f'  (apt-get source {name}={version})' for name, version in sources]
    out += ['', RULE, 'Licence texts', RULE]
    for number, title, text in texts.texts.values():
        out += ['', LINE, f'[{number}] {title}', LINE, text]
    return '\n'.join(out) + '\n'


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    for option in ('package', 'output', 'product', 'qt-prefix', 'qt-source', 'qt-options',
                   'scanner', 'compiler', 'objdump', 'link-map', 'cache', 'source-archive'):
        parser.add_argument(f'--{option}', required=True)
    parser.add_argument('--copied', action='append', default=[], metavar='FILE=ORIGIN=SOURCE',
                        help="a file of the package, copied from a Debian package's ORIGIN, "
                             "made from SOURCE of that package's source")
    args = parser.parse_args()
    package = Path(args.package)
    ours = {'quantell.exe', args.output.lower(), 'license.txt'}
    copied = {PureWindowsPath(f).as_posix().lower(): (origin, source)
              for f, origin, source in (c.split('=') for c in args.copied)}
    # Those beside the program first, then those in folders.
    found = sorted((p for p in package.rglob('*') if p.is_file() and p.name.lower() not in ours),
                   key=lambda p: (len(p.relative_to(package).parts), str(p).lower()))
    names = {file: str(PureWindowsPath(file.relative_to(package))) for file in found}
    texts, cache = Texts(), Cache(args.cache)
    qt = Qt(args, texts, cache)
    crt = StaticRuntime(args, texts, cache)
    crt.account(package / 'quantell.exe', 'quantell.exe', by_map=True)
    by_name = {file.name.lower(): file for file in found}
    runtime, others = [], []
    for file in found:
        relative = file.relative_to(package).as_posix().lower()
        if relative in copied:
            others.append(copied_part(*copied[relative], texts))
            others[-1].add_to(names[file])
            continue
        if file.suffix.lower() != '.dll':
            fail(f'{names[file]}: neither a DLL nor a file copied from a Debian package')
        crt.account(file, names[file])
        share = qt.graph.share(file)
        if share is None:
            part = runtime_part(args, file, texts)
            if not part:
                fail(f'{names[file]}: neither a DLL of our Qt build nor of the MinGW-w64 runtime')
            part.add_to(names[file])
            runtime.append(part)
            continue
        # Its share: the files it was compiled from, less those of the DLLs it loads, whose
        # headers it merely includes.
        below, todo = set(), [file]
        while todo:
            for name in dll_imports(args.objdump, todo.pop()) - below:
                if name in by_name:
                    below.add(name)
                    todo.append(by_name[name])
        for name in below:
            share -= qt.graph.share(by_name[name]) or set()
        qt.account(share, names[file])
    qt.own.copyright = sorted(qt.own.copyright, key=lambda line: (line[19:], line))
    parts = ([qt.own] + sorted(qt.parts.values(), key=lambda p: p.name.lower()) + runtime +
             crt.finish() + others)
    text = notices(args.product, ['quantell.exe'] + [names[file] for file in found], parts, texts,
                   args.source_archive)
    # For Notepad of any Windows: CRLF, and UTF-8 told by its byte-order mark.
    (package / args.output).write_text(text, encoding='utf-8-sig', newline='\r\n')


if __name__ == '__main__':
    main()
