#!/usr/bin/env python3
# SPDX-FileCopyrightText: Copyright (C) 2026 Brevalt
# SPDX-License-Identifier: MIT

"""Writes the source archive that the third-party notices of the Windows packages name, beside
the packages: in one folder, the Debian source packages the notices name, each as apt-get
source fetches it (its .dsc and the tarballs it names) in debian/, and our own source in
quantell/: the commit built, as git archive gives it, with any change to its files not yet
committed, so that it is the source that was built (outside a git work tree, as one unpacked
from such an archive, the files as they are, less build/). scripts/windows-deps.sh fetches the
Debian ones into its cache. One that Debian's archive as this machine reaches it does not
serve whole is named in debian/UNAVAILABLE.txt, with how to fetch it, and in a warning: the
notices check then reports the archive incomplete.
Usage: packaging/source-archive.py <zip package> <notices file name> <archive>"""

import io
import re
import subprocess
import sys
import tarfile
import time
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def fail(message):
    sys.exit(f'source-archive.py: {message}')


def run(*command, text=True):
    done = subprocess.run(command, capture_output=True, text=text, cwd=ROOT)
    if done.returncode:
        fail(f'{" ".join(command)} failed: {done.stderr}')
    return done.stdout


def own_source():
    """Our files, each as its name, bytes, mode and time."""
    if subprocess.run(['git', 'rev-parse'], cwd=ROOT, capture_output=True).returncode:
        for path in sorted(ROOT.rglob('*')):
            name = path.relative_to(ROOT).as_posix()
            if path.is_file() and not name.startswith('build/'):
                yield name, path.read_bytes(), path.stat().st_mode & 0o777, path.stat().st_mtime
        return
    # The commit built: HEAD, or a commit of the changed files on top of it that git keeps
    # nowhere (git stash create changes neither the work tree nor the index).
    commit = run('git', 'stash', 'create').strip() or 'HEAD'
    with tarfile.open(fileobj=io.BytesIO(run('git', 'archive', '--format=tar', commit,
                                             text=False))) as tar:
        for member in tar:
            if member.isfile():
                yield member.name, tar.extractfile(member).read(), member.mode, member.mtime


def main():
    if len(sys.argv) != 4:
        fail(__doc__.rsplit('\n', 1)[1])
    package, notices_name, archive = Path(sys.argv[1]), sys.argv[2], Path(sys.argv[3])
    with zipfile.ZipFile(package) as zip:
        notices = next((zip.read(n).decode('utf-8-sig') for n in zip.namelist()
                        if n.endswith('/' + notices_name)), None)
    if notices is None:
        fail(f'no {notices_name} in {package}')
    wanted = re.findall(r'\(apt-get source (\S+=\S+)\)', notices)
    if archive.name not in notices or not wanted:
        fail(f'{notices_name} names neither {archive.name} nor the source packages it holds')
    dscs, unavailable = [], []
    for source in wanted:
        done = subprocess.run([ROOT / 'scripts/windows-deps.sh', 'source', source],
                              capture_output=True, text=True)
        if done.returncode:
            print(f'source-archive.py: {source} is not in the source archive: {done.stderr}',
                  file=sys.stderr)
            unavailable.append(source)
        else:
            dscs.append(done.stdout.strip())
    top = archive.name.removesuffix('.zip')
    partial = archive.with_name(archive.name + '.part')
    with zipfile.ZipFile(partial, 'w') as out:
        if unavailable:
            out.writestr(f'{top}/debian/UNAVAILABLE.txt', 'Debian\'s archive did not serve these '
                         'source packages whole when this archive was made; "apt-get source" '
                         'fetches each from Debian\'s archive:\n' + ''.join(
                             f'    apt-get source {source}\n' for source in unavailable))
        for dsc in map(Path, dscs):
            names = re.search(r'^Files:\n((?: .*\n)+)', dsc.read_text(), re.M).group(1).split()[2::3]
            for name in [dsc.name] + names:
                # Tarballs are compressed already.
                out.write(dsc.with_name(name), f'{top}/debian/{name}')
        for name, data, mode, mtime in own_source():
            info = zipfile.ZipInfo(f'{top}/quantell/{name}', time.gmtime(mtime)[:6])
            info.external_attr = (mode | 0o100000) << 16
            out.writestr(info, data, zipfile.ZIP_DEFLATED)
    partial.replace(archive)


if __name__ == '__main__':
    main()
