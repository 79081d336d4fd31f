#!/usr/bin/env python3
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

"""Checks the third-party notices of the portable zip against what the package holds and where
the notices' facts come from, as a licence reviewer would:
- each program and DLL names the MinGW-w64 C runtime's parts linked into it;
- each attribution entry of Qt's source whose files went into a DLL, as Qt's build graph tells
  it, is named for that DLL;
- each licence text is whole: one from a file equals the file; one from a Debian copyright file
  is found in it and does not stop at a section's heading; no byte-order mark inside;
- the source archive holds the .dsc and tarballs of each Debian source package the notices
  name, and each verifies against its .dsc; and our own source, with the scripts that build Qt.
ctest runs it (notices).
Usage: check-notices.py <zip> <notices file name> <source archive> <Qt prefix> <Qt source> <scanner>"""

import hashlib
import json
import re
import subprocess
import sys
import zipfile
from pathlib import Path

# The exit code that ctest counts as skipped (packaging/checks/checks.cmake).
SKIPPED = 77
RULE = '=' * 78
LINE = '-' * 78
faults = []


def fault(message):
    faults.append(message)


def read_notices(package, name):
    with zipfile.ZipFile(package) as zip:
        member = next((n for n in zip.namelist() if n.endswith('/' + name)), None)
        if not member:
            sys.exit(f'check-notices: no {name} in {package}')
        return zip.read(member).decode('utf-8').replace('\r\n', '\n')


def files_and_parts(notices):
    """Each file of the package, with the names of the parts the notices list under it."""
    listing = notices.split(f'The files and what is built into them\n{LINE}\n')[1].split(RULE)[0]
    files = {}
    for line in listing.strip('\n').split('\n'):
        if line.startswith('    '):
            files[file].append(line.strip())
        else:
            file = line
            files[file] = []
    return files


def licence_texts(notices):
    """Each licence text, by its title."""
    texts = notices.split(f'{RULE}\nLicence texts\n{RULE}\n')[1]
    return dict(re.findall(rf'{LINE}\n\[\d+\] ([^\n]*)\n{LINE}\n(.*?)\n?(?=\n{LINE}\n\[|$)', texts,
                           re.S))


def check_runtime(files):
    for file, parts in files.items():
        if file.lower().endswith(('.exe', '.dll')) and not any(
                p.startswith('MinGW-w64 C runtime') for p in parts):
            fault(f'{file}: no notice of the MinGW-w64 C runtime, which every binary holds')


def check_texts(texts):
    for title, text in texts.items():
        from_file = re.search(r': (/\S+)$', title) or re.search(r': (\S+) in Qt\'s source$', title)
        debian = re.search(r"Debian's copyright file of (\S+) gives it$", title)
        if from_file:
            path = Path(from_file.group(1))
            path = path if path.is_absolute() else QT_SOURCE / path
            if text.strip('\n') != path.read_text(errors='replace').replace('\ufeff', '').strip('\n'):
                fault(f'the licence text "{title}" is not that of {path}')
        elif debian:
            source = Path('/usr/share/doc', debian.group(1), 'copyright').read_text()
            # A licence paragraph's lines are indented, an empty one " ."
            plain = re.sub(r'^ (\.$)?', '', source, flags=re.M)
            last = text.strip('\n').split('\n\n')[-1]
            if text not in source and text not in plain:
                fault(f'the licence text "{title}" is not in its copyright file')
            elif re.fullmatch(r'\d+\. [^\n]*\.', last):
                fault(f'the licence text "{title}" stops at the heading "{last}"')
        else:
            fault(f'the licence text "{title}" names no source to compare it with')


def check_attributions(files, prefix, scanner):
    """Each attribution entry of Qt's source whose files a DLL of the package is built from:
    one that a step building one of the DLL's own objects (those its link step names) reads,
    following the steps that make files from it (as rcc makes a source of its resources),
    must be named for that DLL; one that such an object's compiler merely included, for one of
    the DLLs that include it at least, as a header is built into the DLL that defines it. A
    source that a tool of util/ generated counts as made from the files of that tool's folder."""
    graph = prefix / 'graph'

    def ninja(*args):
        return subprocess.run(['ninja', '-C', str(graph), *args], capture_output=True, text=True,
                              check=True).stdout

    def query(targets):
        """For each target, what the steps it is an input of make."""
        return {head: re.findall(r'^    (\S+)$', rest.split('  outputs:')[-1], re.M)
                for head, _, rest in (block.partition(':\n') for block in
                                      re.split(r'\n(?=\S)', ninja('-t', 'query', *targets)))}

    build = Path(re.search(r'^cmake_ninja_workdir = (.*)$', (graph / 'build.ninja').read_text(),
                           re.M).group(1))
    entries = json.loads(subprocess.run([scanner, '--output-format', 'json', str(QT_SOURCE)],
                                        capture_output=True, text=True, check=True).stdout)
    targets = {Path(t.split(':')[0]).name: t.split(':')[0]
               for t in ninja('-t', 'targets', 'all').splitlines() if re.match(r'[^:]*\.dll: [A-Z]', t)}
    dlls = {f: targets[Path(f.replace('\\', '/')).name] for f in files
            if Path(f.replace('\\', '/')).name in targets}
    def steps(targets):
        """For each target, the rule of the step that builds it and its explicit and implicit
        inputs."""
        return {head: (re.search(r'^  input: (\S+)', rest, re.M).group(1),
                       re.findall(r'^    (?:\| )?(\S+)$', rest.split('  outputs:')[0], re.M))
                for head, _, rest in (block.partition(':\n') for block in
                                      re.split(r'\n(?=\S)', ninja('-t', 'query', *targets)))}

    # A DLL's own objects: those its link step names, and those of the static libraries it
    # links (Qt's bundled third-party code).
    objects = {}
    for (name, target), (_, inputs) in zip(dlls.items(), steps(dlls.values()).values()):
        libraries = [i for i in inputs if i.endswith('.a')]
        for rule, parts in (steps(libraries).values() if libraries else []):
            inputs += parts if 'STATIC_LIBRARY' in rule else []
        objects.update({o: name for o in inputs if o.endswith('.obj')})
    included, current = {}, None
    for line in ninja('-t', 'deps', *objects).splitlines():
        if line.strip() and not line.startswith(' '):
            current = objects[line.split(':')[0]]
        elif line.strip():
            included.setdefault((build / line.strip()).resolve(), set()).add(current)
    known = {(build / i).resolve(): i for i in ninja('-t', 'inputs', *dlls.values()).split()}
    generated = {}
    for path in included:
        if path.suffix in ('.c', '.cpp', '.h') and path.is_relative_to(QT_SOURCE.resolve()):
            tool = re.search(r'auto-generated by (\w+)', path.read_text(errors='replace'))
            if tool:
                generated.setdefault(tool.group(1), []).append(path)

    def built_into(path):
        """The DLLs whose own objects are made from the file, through what else is made of it."""
        names, seen, todo = set(), set(), [known[path]] if path in known else []
        while todo:
            made = {m for outputs in query(todo).values() for m in outputs} - seen
            # Not those whose steps merely come after (order-only): they do not read it.
            made = {m for m, (_, inputs) in (steps(made) if made else {}).items()
                    if set(inputs) & set(todo)}
            seen |= made
            names |= {objects[m] for m in made if m in objects}
            todo = [m for m in made if not m.endswith(('.obj', '.dll', '.a'))]
        return names

    for entry in entries:
        base = Path(entry['Path']).resolve()
        named = [base / f for f in entry['Files'].replace(',', ' ').split()] or \
            [p for p in base.rglob('*') if p.is_file()]
        if base.parent.name == 'util':
            named += generated.get(base.name, [])
        strict = set().union(*map(built_into, [f for f in named if f in known]))
        loose = set().union(*(included.get(f, set()) for f in named))
        for name in sorted(strict):
            if entry['Name'] not in files[name]:
                fault(f"{name}: built from the files of \"{entry['Name']}\", which is not named for it")
        if loose and not any(entry['Name'] in files[name] for name in loose):
            fault(f"{', '.join(sorted(loose))}: built with the files of \"{entry['Name']}\", "
                  'which none of them names')


def check_archive(notices, archive):
    """Returns the source packages the archive says Debian's archive did not serve."""
    named = re.findall(r'^    debian/(\S+\.dsc)  \(apt-get source (\S+)\)$', notices, re.M)
    if not named or Path(archive).name not in notices:
        fault(f'the notices name no source archive {Path(archive).name} or no source package')
        return []
    top = Path(archive).name.removesuffix('.zip')
    with zipfile.ZipFile(archive) as source:
        held = set(source.namelist())
        unavailable = re.findall(r'apt-get source (\S+)', source.read(
            f'{top}/debian/UNAVAILABLE.txt').decode()) if f'{top}/debian/UNAVAILABLE.txt' in held else []
        for dsc, package in named:
            if package in unavailable:
                continue
            if f'{top}/debian/{dsc}' not in held:
                fault(f'the source archive lacks {dsc}')
                continue
            sums = re.search(r'^Checksums-Sha256:\n((?: .*\n)+)',
                             source.read(f'{top}/debian/{dsc}').decode(), re.M).group(1).split()
            for sha256, size, name in zip(sums[0::3], sums[1::3], sums[2::3]):
                member = f'{top}/debian/{name}'
                if member not in held:
                    fault(f'the source archive lacks {name}, which {dsc} names')
                    continue
                digest = hashlib.sha256()
                with source.open(member) as data:
                    while chunk := data.read(1 << 20):
                        digest.update(chunk)
                if digest.hexdigest() != sha256 or source.getinfo(member).file_size != int(size):
                    fault(f'{name} in the source archive does not verify against {dsc}')
        for own in ('CMakeLists.txt', 'scripts/windows-deps.sh', 'cmake/mingw-w64.cmake'):
            if f'{top}/quantell/{own}' not in held:
                fault(f'the source archive lacks our {own}')
    return unavailable


def main():
    global QT_SOURCE
    if len(sys.argv) != 7:
        sys.exit(__doc__.rsplit('\n', 1)[1])
    package, name, archive, prefix, QT_SOURCE, scanner = sys.argv[1:]
    QT_SOURCE = Path(QT_SOURCE)
    notices = read_notices(package, name)
    if '\ufeff' in notices[1:]:
        fault('a byte-order mark (U+FEFF) inside the notices')
    notices = notices.replace('\ufeff', '')
    files = files_and_parts(notices)
    check_runtime(files)
    check_texts(licence_texts(notices))
    check_attributions(files, Path(prefix), scanner)
    unavailable = check_archive(notices, archive)
    for message in faults:
        print(f'check-notices: {message}', file=sys.stderr)
    if faults:
        sys.exit(1)
    print(f'check-notices: the notices name the runtime in each of {len(files)} files, every '
          f'attribution built in and whole licence texts; the source archive holds and verifies '
          f'each source package they name', 'but these:' * bool(unavailable), *unavailable)
    # Not a pass: the packages cannot go out so. Skipped, as the cause is the machine's mirror.
    if unavailable:
        print('check-notices: Debian\'s archive, as this machine reaches it, did not serve them '
              'whole: the source archive is incomplete', file=sys.stderr)
        sys.exit(SKIPPED)


if __name__ == '__main__':
    main()
