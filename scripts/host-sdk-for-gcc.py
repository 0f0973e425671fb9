#!/usr/bin/env python3
"""Copies the host's SDK headers into a folder where GCC can read them.

The SDK is written for MSVC on Windows: its quoted includes use '\\' and a
letter case that differs from the files', and MSVC finds a quoted include in
the folder of every file that includes it. The copy gets every quoted include
rewritten to the file's real relative path, and the one explicit
instantiation that MSVC repeats and GCC rejects dropped. The SDK itself is
never touched, and neither is the plugin.

usage: host-sdk-for-gcc.py SDK_INCLUDE_DIR OUT_INCLUDE_DIR
"""
import os
import re
import sys

INCLUDE = re.compile(r'^(\s*#\s*include\s*)"([^"]+)"', re.MULTILINE)
# arraywrapper.h instantiates ArrayWrapper<wchar_t> already; a second explicit
# instantiation is an error for GCC.
REPEATED_INSTANTIATION = re.compile(r'^\s*template\s+class\s+\w*\s*ArrayWrapper<wchar_t>\s*;\s*$', re.MULTILINE)


def index_files(root):
    """Every file under root, by its lower-case relative path."""
    found = {}
    for folder, _, names in os.walk(root):
        for name in names:
            rel = os.path.relpath(os.path.join(folder, name), root)
            found[rel.replace(os.sep, '/').lower()] = rel.replace(os.sep, '/')
    return found


def resolve(target, including_dir, root, files, folders):
    """The real relative path (from root) of an include, or None."""
    target = target.replace('\\', '/')
    for base in [including_dir, ''] + folders:
        candidate = os.path.normpath(os.path.join(base, target)).replace(os.sep, '/')
        if candidate.startswith('../'):
            continue
        real = files.get(candidate.lower())
        if real:
            return real
    return None


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    src_root, out_root = sys.argv[1], sys.argv[2]
    files = index_files(src_root)
    folders = sorted({os.path.dirname(p) for p in files.values()})
    unresolved = 0
    for lower, rel in files.items():
        with open(os.path.join(src_root, rel), encoding='utf-8-sig', errors='replace') as f:
            text = f.read()
        including_dir = os.path.dirname(rel)

        def rewrite(match):
            nonlocal unresolved
            real = resolve(match.group(2), including_dir, src_root, files, folders)
            if real is None:
                unresolved += 1
                return match.group(0)
            path = os.path.relpath(real, including_dir or '.').replace(os.sep, '/')
            return f'{match.group(1)}"{path}"'

        text = INCLUDE.sub(rewrite, text)
        if lower.endswith('engine/unrealstringwrapper.h'):
            text = REPEATED_INSTANTIATION.sub('', text)
        out = os.path.join(out_root, rel)
        os.makedirs(os.path.dirname(out), exist_ok=True)
        with open(out, 'w', encoding='utf-8') as f:
            f.write(text)
    # Quoted includes that name no SDK file (standard or Windows headers
    # written with quotes) are left for the compiler to find.
    print(f'{len(files)} SDK files adapted, {unresolved} quoted includes left as written')


if __name__ == '__main__':
    main()
